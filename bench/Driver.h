// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

// Starts the probes as child processes, alternating the game and the bare window (and the game
// of another build, if given), and prints the table. Plain POSIX, no Qt: the driver must not
// disturb what it measures.
namespace Driver
{

struct Options {
    int runs = 30;
    int warmUp = 3;
    int clicks = 1000;
    int statisticsGames = 1'000'000;
    int statisticsRuns = 5;
    int translationRuns = 30;
    // Empty: xcb, on the DISPLAY given.
    std::string platform;
    // Another build's chuikomer_bench, whose game is started in the same rounds; empty: none.
    std::string against;
};

int run(const Options &options);

} // namespace Driver
