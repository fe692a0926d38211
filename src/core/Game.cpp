// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Game.h"

#include "GameView.h"
#include "Odds.h"
#include "Pictures.h"
#include "ProgramInfo.h"

#include <algorithm>
#include <cmath>
#include <utility>

using namespace Qt::StringLiterals;

namespace
{

// A number inside a text brings its own leading space, so that the texts around it carry none
// and "Угадайте 1-ю картинку" reads the same wherever the number comes from.
QString numberText(int value)
{
    return u" "_s + QString::number(value);
}

} // namespace

Game::Game(GameView &view, Board &board, Random random)
    : view_(view), board_(board), random_(std::move(random))
{
}

QString Game::attemptRequest(int attempt)
{
    return u"Угадайте"_s + numberText(attempt) + u"-ю картинку"_s;
}

QString Game::verdict(int hits)
{
    if (hits <= 0)
        return u"Ваша интуиция не работает."_s;
    if (hits >= Attempts)
        return u"Вы гений!!!"_s;
    return u"Ваша интуиция работает на"_s + numberText(hits * 10) + u"%"_s;
}

void Game::chooseLevel(int index)
{
    if (index < 0 || index >= Levels)
        return;
    for (int i = 0; i < Levels; ++i)
        view_.setLevelEnabled(i, false);
    level_ = index + 1;
    for (int k = PicturesPerLevel; k < AllPictures; ++k)
        view_.setPictureVisible(k, k < offeredPictures());
    board_.clear();
    view_.setCaption(QString::fromUtf16(ProgramInfo::Title) + u": "_s + Level::name(level_));
    attempt_ = 0;
    startNextAttempt();
    describe();
}

void Game::startNextAttempt()
{
    ++attempt_;
    const int offered = offeredPictures();
    // A sound number lies in [0, 1) and needs none of the clamping; it only keeps a faulty
    // one from hiding a picture that is not offered.
    double r = random_();
    r = std::isnan(r) ? 0.0 : std::clamp(r, 0.0, 1.0);
    board_.startAttempt(attempt_, std::min(static_cast<int>(std::floor(r * offered)), offered - 1));
    view_.setStatus(attemptRequest(attempt_));
}

void Game::guess(int picture)
{
    if (attempt_ == NoGame)
        return;
    if (picture < 0 || picture >= offeredPictures())
        return;
    board_.setGuess(attempt_, picture);
    std::optional<FinishedGame> done;
    if (attempt_ >= Attempts)
        done = endGame();
    else
        startNextAttempt();
    for (int i = 0; i < Levels; ++i)
        view_.setLevelEnabled(i, true);
    describe();
    if (done)
        Q_EMIT finished(*done);
}

FinishedGame Game::endGame()
{
    attempt_ = NoGame;
    FinishedGame finished{{}, level_, {}, {}};
    for (int n = 1; n <= Attempts; ++n) {
        board_.reveal(n);
        if (hidden(n) != guessed(n))
            board_.strike(n);
        finished.hidden[n - 1] = hidden(n);
        finished.guessed[n - 1] = guessed(n);
    }
    view_.setStatus(verdict(*score()));
    return finished;
}

void Game::describe()
{
    const auto hits = score();
    view_.setVerdictExplanation(hits ? Odds::explanation(*hits, offeredPictures()) : QString());
    view_.setBoardDescription(boardDescription());
}

std::optional<int> Game::score() const
{
    if (!gameOver())
        return std::nullopt;
    int hits = 0;
    for (int n = 1; n <= Attempts; ++n)
        hits += hidden(n) == guessed(n);
    return hits;
}

QString Game::boardDescription() const
{
    if (level_ == 0)
        return u"Табло пусто: выберите уровень."_s;
    QStringList lines;
    const int answered = gameOver() ? Attempts : attempt_ - 1;
    for (int n = 1; n <= answered; ++n) {
        const QString guess = Pictures::guessName(guessed(n));
        if (!gameOver()) {
            lines << u"Попытка %1: ваш ответ — %2."_s.arg(n).arg(guess);
            continue;
        }
        const bool hit = hidden(n) == guessed(n);
        lines << u"Попытка %1: загадано — %2, ваш ответ — %3, %4."_s.arg(n).arg(
            Pictures::guessName(hidden(n)), guess, hit ? u"верно"_s : u"неверно"_s);
    }
    if (!gameOver())
        lines << u"Попытка %1: ждёт вашего ответа."_s.arg(attempt_);
    return lines.join(u'\n');
}
