// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

// Starts the probes as child processes, alternating the game and the bare window, and prints
// the table. Plain POSIX, no Qt: the driver must not disturb what it measures.
namespace Driver
{

struct Options {
    int runs = 30;
    int warmUp = 3;
    int clicks = 1000;
    int statisticsGames = 1'000'000;
    int statisticsRuns = 5;
    // Empty: xcb, on the DISPLAY given.
    std::string platform;
};

int run(const Options &options);

} // namespace Driver
