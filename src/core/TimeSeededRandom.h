// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <functional>

// The game's random source: re-seeded from the time of day at every call, with fresh entropy
// mixed in so that two calls within one clock tick still differ and the clock alone does not
// predict the result. Returns a number uniform in [0, 1).
class TimeSeededRandom
{
public:
    using Entropy = std::function<std::array<std::uint32_t, 4>()>;

    // The system's random device unless a test gives another source. A source that throws
    // (std::random_device may) leaves the time of day as the only seed.
    explicit TimeSeededRandom(Entropy entropy = systemEntropy) : entropy_(std::move(entropy)) {}

    double operator()() const;

    static std::array<std::uint32_t, 4> systemEntropy();

private:
    Entropy entropy_;
};
