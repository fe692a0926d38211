// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Game.h"

#include <algorithm>
#include <cmath>
#include <utility>

Game::Game(Board &board, Random random) : board_(board), random_(std::move(random)) {}

bool Game::offers(int picture) const
{
    return picture >= 0 && picture < (level_ ? level_->pictures() : Level::MostPictures);
}

void Game::chooseLevel(Level level)
{
    if (!levelChoiceOpen())
        return;
    level_ = level;
    board_.clear();
    attempt_ = 0;
    startNextAttempt();
    Q_EMIT changed();
}

void Game::startNextAttempt()
{
    ++attempt_;
    const int offered = level_->pictures();
    // A sound number lies in [0, 1) and needs none of the clamping; it only keeps a faulty
    // one from hiding a picture that is not offered.
    double r = random_();
    r = std::isnan(r) ? 0.0 : std::clamp(r, 0.0, 1.0);
    board_.startAttempt(attempt_, std::min(static_cast<int>(std::floor(r * offered)), offered - 1));
}

void Game::guess(int picture)
{
    if (attempt_ == NoGame || !offers(picture))
        return;
    board_.setGuess(attempt_, picture);
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
    FinishedGame finished{{}, *level_, {}, {}};
    for (int n = 1; n <= Attempts; ++n) {
        board_.reveal(n);
        if (hidden(n) != guessed(n))
            board_.strike(n);
        finished.hidden[n - 1] = hidden(n);
        finished.guessed[n - 1] = guessed(n);
    }
    return finished;
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
