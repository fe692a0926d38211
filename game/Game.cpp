#include "Game.h"

#include "Board.h"
#include "GameView.h"
#include "Odds.h"
#include "Pictures.h"

#include <algorithm>
#include <cmath>
#include <utility>

using namespace Qt::StringLiterals;

namespace
{

const QString ProgramTitle = u"Чуйкомер"_s;

// A number inside a text: decimal with one leading space, as the captions have always shown.
QString numberText(int value)
{
    return u" "_s + QString::number(value);
}

} // namespace

Game::Game(GameView &view, Board &board, Draw draw)
    : view_(view), board_(board), draw_(std::move(draw))
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

void Game::Form_Load()
{
    Attempt = NoGame;
}

void Game::kLevel_Click(std::int16_t index)
{
    if (index < 0 || index >= Levels)
        return;
    for (int i = 0; i < Levels; ++i)
        view_.setLevelEnabled(i, false);
    Level = index + 1;
    for (int k = PicturesPerLevel; k < Levels * PicturesPerLevel; ++k)
        view_.setPictureVisible(k, k < Level * PicturesPerLevel);
    board_.ClearBoard();
    view_.setCaption(ProgramTitle + u": "_s + view_.levelCaption(index));
    Attempt = 0;
    StartNextAttempt();
}

void Game::StartNextAttempt()
{
    Attempt = Attempt + 1;
    const int offered = Level * PicturesPerLevel;
    // A sound draw lies in [0, 1) and needs none of the clamping; it only keeps a faulty
    // one from hiding a picture that is not offered.
    double r = draw_();
    r = std::isnan(r) ? 0.0 : std::clamp(r, 0.0, 1.0);
    Choices[Attempt] = std::min(static_cast<int>(std::floor(r * offered)), offered - 1);
    board_.DrawAttemptStart(Attempt);
    view_.setStatus(attemptRequest(Attempt));
}

void Game::Command1_Click(std::int16_t index)
{
    if (Attempt == NoGame)
        return;
    if (index < 0 || index >= Level * PicturesPerLevel)
        return;
    Choices[Attempt + Attempts] = index;
    board_.DrawGuess(Attempt, index);
    if (Attempt >= Attempts) {
        Attempt = NoGame;
        for (int n = 1; n <= Attempts; ++n) {
            board_.DrawReveal(n, Choices[n]);
            if (Choices[n] != Choices[n + Attempts])
                board_.DrawStrike(n);
        }
        view_.setStatus(verdict(*score()));
    } else {
        StartNextAttempt();
    }
    for (int i = 0; i < Levels; ++i)
        view_.setLevelEnabled(i, true);
}

std::optional<int> Game::score() const
{
    if (!gameOver())
        return std::nullopt;
    int hits = 0;
    for (int n = 1; n <= Attempts; ++n)
        hits += Choices[n] == Choices[n + Attempts];
    return hits;
}

QString Game::verdictExplanation() const
{
    const auto hits = score();
    return hits ? Odds::explanation(*hits, Level * PicturesPerLevel) : QString();
}

QString Game::boardDescription() const
{
    if (Level == 0)
        return u"Табло пусто: выберите уровень."_s;
    QStringList lines;
    const int guessed = gameOver() ? Attempts : Attempt - 1;
    for (int n = 1; n <= guessed; ++n) {
        const QString guess = Pictures::guessName(Choices[n + Attempts]);
        if (!gameOver()) {
            lines << u"Попытка %1: ваш ответ — %2."_s.arg(n).arg(guess);
            continue;
        }
        const bool hit = Choices[n] == Choices[n + Attempts];
        lines << u"Попытка %1: загадано — %2, ваш ответ — %3, %4."_s.arg(n).arg(
            Pictures::guessName(Choices[n]), guess, hit ? u"верно"_s : u"неверно"_s);
    }
    if (!gameOver())
        lines << u"Попытка %1: ждёт вашего ответа."_s.arg(Attempt);
    return lines.join(u'\n');
}
