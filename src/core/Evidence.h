// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>
#include <optional>
#include <span>

// How strongly the guesses so far speak against pure luck, in a way that stays honest however
// often the player looks. The figure is a likelihood ratio of "guesses with some edge, better
// or worse than chance" against blind guessing, averaged over how large the edge might be. For
// a blind guesser it is a fair bet that never pays on average, so by Ville's inequality it ever
// reaches Needed with probability at most 1 / Needed, checked after every game or never.
namespace Evidence
{

// The figure at which a result is said to stand out from luck, either way.
constexpr double Needed = 100;
// A figure this many times below 1, luck explaining the guesses that much better than any
// edge, says that they are as good as luck. Nothing is promised of it, so it asks for less:
// a blind guesser hears it after a few dozen games, a player with a real edge almost never.
constexpr double LuckEnough = 4;

// Guesses made at one chance of a right guess, and how many were right.
struct Tally {
    qint64 guesses = 0;
    qint64 hits = 0;
    double chance = 0;
};

// The natural logarithm of the figure over all the tallies together; 0 before any guess.
double logFigure(std::span<const Tally> tallies);
double figure(std::span<const Tally> tallies);
bool reached(std::span<const Tally> tallies);

// After `guesses` at `chance`: the most hits that reach Needed below chance and the fewest that
// reach it above, where such counts exist. Between them lies the region where a blind
// guesser's count stays, with 99% certainty, however long the line. Ten guesses more never
// lower either count (checked for every number of games up to a million at each level), which
// lets the chart bound a stretch of games by the counts at its ends.
struct Edges {
    std::optional<qint64> below;
    std::optional<qint64> above;
};
// `near`: the counts for a number of guesses close by, where known, to start the search from.
Edges edges(qint64 guesses, double chance, const Edges &near = {});

} // namespace Evidence
