// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SealedDraw.h"

#include <QTime>
#include <bit>
#include <cstring>
#include <exception>
#include <limits>
#include <random>

SealedDraw::SealedDraw(Source source, Clock clock)
    : source_(std::move(source)), clock_(std::move(clock))
{
}

Game::Random SealedDraw::random() const
{
    return {[draw = *this] { return draw.newGame(); },
            [draw = *this](int offered) { return draw.draw(offered); }};
}

double SealedDraw::secondsSinceMidnight()
{
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

void SealedDraw::fill(std::span<std::uint8_t> bytes) const
{
    if (source_ && source_(bytes))
        return;
    try {
        std::random_device device;
        for (std::uint8_t &b : bytes)
            b = std::uint8_t(device());
    } catch (const std::exception &) {
        // No source at all: the time of day alone still draws a fair picture, if a predictable
        // one; this runs inside a click and must not fail.
        std::mt19937_64 fallback(std::bit_cast<std::uint64_t>(clock_()));
        for (std::uint8_t &b : bytes)
            b = std::uint8_t(fallback());
    }
}

QByteArray SealedDraw::newGame() const
{
    std::array<std::uint8_t, Seal::GameBytes> id{};
    fill(id);
    return QByteArray(reinterpret_cast<const char *>(id.data()), qsizetype(id.size())).toHex();
}

Game::Drawn SealedDraw::draw(int offered) const
{
    Game::Drawn d;
    for (;;) {
        fill(d.secret);
        if (const std::optional<int> p = picture(d.secret, clock_(), offered)) {
            d.picture = *p;
            return d;
        }
    }
}

std::optional<int> SealedDraw::picture(const Seal::Secret &secret, double time, int offered)
{
    // Each 32-bit word of the secret, with the time of day mixed in, is uniform; a value at or
    // past the last whole round of `offered` would favour the first pictures, so it is passed
    // over. All four are passed over once in 10^35 draws, and a fresh secret is taken.
    constexpr std::uint64_t Values = std::uint64_t(std::numeric_limits<std::uint32_t>::max()) + 1;
    const std::uint64_t limit = Values - Values % std::uint64_t(offered);
    std::uint64_t clock = std::bit_cast<std::uint64_t>(time);
    for (std::size_t at = 0; at + 4 <= secret.size(); at += 4) {
        // SplitMix64's step: every bit of the time reaches every bit of the word.
        clock += 0x9e3779b97f4a7c15;
        std::uint64_t mixed = clock;
        mixed = (mixed ^ (mixed >> 30)) * 0xbf58476d1ce4e5b9;
        mixed = (mixed ^ (mixed >> 27)) * 0x94d049bb133111eb;
        mixed ^= mixed >> 31;
        std::uint32_t word = 0;
        std::memcpy(&word, secret.data() + at, sizeof word);
        const std::uint32_t value = word ^ std::uint32_t(mixed);
        if (value < limit)
            return int(value % std::uint64_t(offered));
    }
    return std::nullopt;
}
