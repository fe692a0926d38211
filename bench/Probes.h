// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Language.h"

#include <cstdint>

// The modes that run inside a child process with a Qt application of their own. Each prints one
// line for the driver on stdout.
namespace Probes
{

enum class Window { Game, Bare };

// Shows the window and prints "STARTUP <main ns> <frame ns> <max rss KiB>" once the first
// frame with its content is painted, then ends the process at once. The game chooses its
// language first, as the program does.
int startup(int &argc, char **argv, Window window, std::int64_t mainNs);

// Installs the translation of `language` as the program does at start-up and prints
// "TRANSLATION <ns the call took>", then "QM <bytes> <1 if it holds messages, else 0> <name>"
// for each compiled translation built into the program.
int translation(int &argc, char **argv, Language::Choice language);

// Plays the shown game by mouse and prints
// "CLICKS <count> <median us> <p95 us> <min us> <max us>".
int clicks(int &argc, char **argv, int count);

// Writes a record of `games` generated games into a data folder of its own, starts the game
// and prints "STATISTICS <us from the command to the chart's first paint> <peak RSS KiB
// before> <peak RSS KiB after> <record bytes>".
int statistics(int &argc, char **argv, int games);

} // namespace Probes
