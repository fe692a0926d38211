// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SealedDraw.h"

#include <QDateTime>
#include <cstring>
#include <exception>
#include <limits>
#include <random>

SealedDraw::SealedDraw(Source source) : source_(std::move(source)) {}

Game::Random SealedDraw::random() const
{
    return [draw = *this](int offered) { return draw.draw(offered); };
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
        // No source at all: the clock still draws fair pictures, if predictable ones; this runs
        // inside a click and must not fail.
        std::mt19937_64 fallback(std::uint64_t(QDateTime::currentMSecsSinceEpoch()));
        for (std::uint8_t &b : bytes)
            b = std::uint8_t(fallback());
    }
}

Game::Drawn SealedDraw::draw(int offered) const
{
    Game::Drawn d;
    std::array<std::uint8_t, Seal::GameBytes> id{};
    fill(id);
    d.game = QByteArray(reinterpret_cast<const char *>(id.data()), qsizetype(id.size())).toHex();
    fill(d.secret);
    for (int &p : d.pictures) {
        for (;;) {
            std::uint32_t word = 0;
            fill(std::span(reinterpret_cast<std::uint8_t *>(&word), sizeof word));
            if (const std::optional<int> drawn = picture(word, offered)) {
                p = *drawn;
                break;
            }
        }
    }
    return d;
}

std::optional<int> SealedDraw::picture(std::uint32_t word, int offered)
{
    constexpr std::uint64_t Values = std::uint64_t(std::numeric_limits<std::uint32_t>::max()) + 1;
    const std::uint64_t limit = Values - Values % std::uint64_t(offered);
    if (offered < 1 || word >= limit)
        return std::nullopt;
    return int(word % std::uint32_t(offered));
}
