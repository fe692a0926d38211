// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <optional>

// One of the three levels, each offering five pictures more than the one before. A level is
// known by its number, 1 to 3, wherever it goes: the buttons, the record, the statistics.
class Level
{
public:
    static constexpr int Count = 3;
    static constexpr int PicturesEach = 5;
    static constexpr int MostPictures = Count * PicturesEach;

    // The first level.
    constexpr Level() = default;

    // The level numbered `number`, if there is one.
    static constexpr std::optional<Level> numbered(int number)
    {
        if (number < 1 || number > Count)
            return std::nullopt;
        return Level(number);
    }

    // Every level, from the first.
    static constexpr std::array<Level, Count> all() { return {Level(1), Level(2), Level(3)}; }

    constexpr int number() const { return number_; }
    // Where it stands among all(): 0 for the first.
    constexpr std::size_t place() const { return std::size_t(number_ - 1); }
    // The pictures offered: 0..pictures() - 1.
    constexpr int pictures() const { return number_ * PicturesEach; }
    // The chance of one right guess by pure guessing.
    constexpr double chance() const { return 1.0 / pictures(); }

    friend constexpr bool operator==(Level, Level) = default;

private:
    constexpr explicit Level(int number) : number_(number) {}

    int number_ = 1;
};
