// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Game.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>

// The hidden pictures as the program draws them. At each attempt a fresh secret comes from the
// system's cryptographic source, and the picture from the secret and the time of day together,
// read anew each time: neither the clock nor a player who knows it can predict it, and the
// secret, shown once the game is over, opens its seal. The picture is uniform over those
// offered, with no bias toward any (values past the last whole round of them are passed over),
// and depends on nothing the player does.
class SealedDraw
{
public:
    // Fills the buffer from the system's cryptographic source; false where that fails.
    using Source = std::function<bool(std::span<std::uint8_t>)>;
    // Seconds since midnight, with their fraction.
    using Clock = std::function<double()>;

    explicit SealedDraw(Source source, Clock clock = secondsSinceMidnight);

    // Whatever the game asks for, from this draw.
    Game::Random random() const;

    // A new game's identity, in hex.
    QByteArray newGame() const;
    Game::Drawn draw(int offered) const;
    // The picture that `secret` drawn at `time` gives among `offered`; none, very rarely, where
    // it would favour some.
    static std::optional<int> picture(const Seal::Secret &secret, double time, int offered);

    static double secondsSinceMidnight();

private:
    // Fresh bytes: the source's, or where it fails, the standard library's random device.
    void fill(std::span<std::uint8_t> bytes) const;

    Source source_;
    Clock clock_;
};
