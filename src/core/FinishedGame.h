// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "GameSize.h"
#include "Level.h"
#include "Seal.h"

#include <QDateTime>
#include <array>

// One game after its tenth guess, as the record keeps it. The hits are derived, never stored.
struct FinishedGame {
    // UTC; stamped by whoever keeps the record, so that the rules need no clock.
    QDateTime playedAt;
    Level level;
    std::array<int, GameSize::Attempts> hidden{};
    std::array<int, GameSize::Attempts> guessed{};
    // What sealed the hidden pictures: the game's identity and secret. Empty in games kept
    // before seals were.
    QByteArray game;
    Seal::Secret secret{};
    // Played with the answer after every guess: it belongs to the training record, never to
    // the test's. Not written in the line: the file it goes to says it.
    bool training = false;

    bool sealed() const { return !game.isEmpty(); }
    // The seal as it was shown before the first guess.
    QByteArray seal() const { return Seal::of(game, level.number(), hidden, secret); }

    int offeredPictures() const { return level.pictures(); }
    int hits() const
    {
        int n = 0;
        for (int i = 0; i < GameSize::Attempts; ++i)
            n += hidden[i] == guessed[i];
        return n;
    }
};
