// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TimeSeededRandom.h"

#include <QTime>
#include <bit>
#include <exception>
#include <random>

std::array<std::uint32_t, 4> TimeSeededRandom::systemEntropy()
{
    std::random_device device;
    return {device(), device(), device(), device()};
}

double TimeSeededRandom::operator()() const
{
    const float secondsSinceMidnight =
        static_cast<float>(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0f;
    std::array<std::uint32_t, 4> extra{};
    try {
        extra = entropy_();
    } catch (const std::exception &) {
        // std::random_device throws some std::exception when it has no source. This runs
        // inside a click; the time of day alone still makes a fair game.
    }
    std::seed_seq seed{std::bit_cast<std::uint32_t>(secondsSinceMidnight), extra[0], extra[1],
                       extra[2], extra[3]};
    std::mt19937_64 generator(seed);
    // 53 random bits scaled by 2^-53: never 1.0, unlike generate_canonical on some libraries.
    return static_cast<double>(generator() >> 11) * 0x1.0p-53;
}
