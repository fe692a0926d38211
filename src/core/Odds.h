// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What one game's score means against pure guessing: ten attempts, one chance in `offered`
// each.
namespace Odds
{

// Probability of exactly `hits` right guesses of ten by chance alone.
double exactly(int hits, int offered);
// Probability of at least `hits` right guesses of ten by chance alone.
double atLeast(int hits, int offered);
// How many of the ten pure guessing gets right on average.
double meanHits(int offered);

} // namespace Odds
