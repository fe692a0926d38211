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
    if (!levelChoiceOpen())
        return;
    level_ = level;
    board_.clear();
    gameId_ = random_.newGame();
    seals_ = {};
    attempt_ = 0;
    startNextAttempt();
    Q_EMIT changed();
}

void Game::startNextAttempt()
{
    ++attempt_;
    const int offered = level_->pictures();
    Drawn drawn = random_.draw(offered);
    // A sound draw is in range; this only keeps a faulty one from hiding a picture that is not
    // offered, and seals what is hidden.
    drawn.picture = std::clamp(drawn.picture, 0, offered - 1);
    secrets_[std::size_t(attempt_ - 1)] = drawn.secret;
    seals_[std::size_t(attempt_ - 1)] = Seal::of(gameId_, attempt_, drawn.picture, drawn.secret);
    board_.startAttempt(attempt_, drawn.picture);
}

QByteArray Game::seal(int n) const
{
    return n >= 1 && n <= Attempts ? seals_[std::size_t(n - 1)] : QByteArray();
}

std::optional<Seal::Secret> Game::secret(int n) const
{
    if (!gameOver() || n < 1 || n > Attempts)
        return std::nullopt;
    return secrets_[std::size_t(n - 1)];
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
    FinishedGame finished{{}, *level_, {}, {}, gameId_, secrets_};
    for (int n = 1; n <= Attempts; ++n) {
        board_.reveal(n);
        if (hidden(n) != guessed(n))
            board_.strike(n);
        finished.hidden[n - 1] = hidden(n);
        finished.guessed[n - 1] = guessed(n);
    }
    return finished;
}

bool Game::sealsHold() const
{
    for (int n = 1; n <= Attempts; ++n) {
        const std::optional<Seal::Secret> s = secret(n);
        if (!s || Seal::of(gameId_, n, hidden(n), *s) != seal(n))
            return false;
    }
    return true;
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
