// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Game.h"

#include <algorithm>
#include <utility>

Game::Game(Board &board, Random random) : board_(board), random_(std::move(random)) {}

bool Game::offers(int picture) const
{
    return picture >= 0 && picture < (level_ ? level_->pictures() : Level::MostPictures);
}

void Game::chooseLevel(Level level)
{
    if (levelChoiceOpen())
        start(level);
}

void Game::setTraining(bool training)
{
    if (training == training_)
        return;
    training_ = training;
    // No game may mix the two modes, nor show a board of the other one under its name.
    if (level_)
        start(*level_);
    else
        Q_EMIT changed();
}

void Game::start(Level level)
{
    level_ = level;
    board_.clear();
    const int offered = level.pictures();
    drawn_ = random_(offered);
    // A sound draw is in range; this only keeps a faulty one from hiding a picture that is not
    // offered, and seals what is hidden.
    for (int &p : drawn_.pictures)
        p = std::clamp(p, 0, offered - 1);
    seal_ = Seal::of(drawn_.game, level.number(), drawn_.pictures, drawn_.secret);
    attempt_ = 0;
    startNextAttempt();
    Q_EMIT changed();
}

void Game::startNextAttempt()
{
    ++attempt_;
    board_.startAttempt(attempt_, drawn_.pictures[std::size_t(attempt_ - 1)]);
}

std::optional<Seal::Secret> Game::secret() const
{
    return gameOver() ? std::optional(drawn_.secret) : std::nullopt;
}

std::optional<Seal::Pictures> Game::hiddenPictures() const
{
    return gameOver() ? std::optional(drawn_.pictures) : std::nullopt;
}

void Game::guess(int picture)
{
    if (attempt_ == NoGame || !offers(picture))
        return;
    board_.setGuess(attempt_, picture);
    if (training_)
        showAnswer(attempt_);
    std::optional<FinishedGame> done;
    if (attempt_ >= Attempts)
        done = endGame();
    else
        startNextAttempt();
    Q_EMIT changed();
    if (done)
        Q_EMIT finished(*done);
}

FinishedGame Game::endGame()
{
    attempt_ = NoGame;
    FinishedGame finished{{}, *level_, {}, {}, drawn_.game, drawn_.secret};
    finished.training = training_;
    for (int n = 1; n <= Attempts; ++n) {
        if (!board_.cell(n).revealed)
            showAnswer(n);
        finished.hidden[n - 1] = hidden(n);
        finished.guessed[n - 1] = guessed(n);
    }
    return finished;
}

void Game::showAnswer(int n)
{
    board_.reveal(n);
    if (hidden(n) != guessed(n))
        board_.strike(n);
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
