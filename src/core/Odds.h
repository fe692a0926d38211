// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// What one game's score means against pure guessing: ten attempts, one chance in `offered`
// each.
namespace Odds
{

// Probability of at least `hits` right guesses of ten by chance alone.
double atLeast(int hits, int offered);

// The explanation shown beside a verdict, in Russian.
QString explanation(int hits, int offered);

// How often pure guessing does so, the one way the program says odds: "в 12% случаев",
// "в 1 случае из 37", "меньше чем в 1 случае из миллиарда".
QString howOften(double probability);

} // namespace Odds
