// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Game.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>

// A game's hidden pictures as the program draws them: all ten at once, as the game starts, with
// its identity and secret, from the system's cryptographic source, so that the seal made of them
// binds every picture before the first guess. Each picture is uniform over those offered and
// independent of the others and of anything the player does: a word past the last whole round
// of pictures would favour the first ones, so it is passed over for a fresh one.
class SealedDraw
{
public:
    // Fills the buffer from the system's cryptographic source; false where that fails.
    using Source = std::function<bool(std::span<std::uint8_t>)>;

    explicit SealedDraw(Source source);

    // Whatever the game asks for, from this draw.
    Game::Random random() const;

    Game::Drawn draw(int offered) const;
    // The picture a random 32-bit word gives among `offered`; none where it would favour some.
    static std::optional<int> picture(std::uint32_t word, int offered);

private:
    // Fresh bytes: the source's, or where it fails, the standard library's random device.
    void fill(std::span<std::uint8_t> bytes) const;

    Source source_;
};
