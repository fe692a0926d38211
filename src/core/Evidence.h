// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>
#include <optional>
#include <span>

// How strongly the guesses so far speak against one share of right guesses, in a way that stays
// honest however often the player looks. The figure is a likelihood ratio of "guesses with some
// edge over that share, either way" against guesses right with exactly that share, averaged
// over how large the edge might be. For a player whose true share it is, it is a fair bet that
// never pays on average, so by Ville's inequality it ever reaches Needed with probability at
// most 1 / Needed, checked after every game or never. Against the chance of a blind guess it
// tells intuition from luck; against every share at once it gives the shares the guesses leave
// open.
namespace Evidence
{

// The figure at which a share is ruled out.
constexpr double Needed = 100;

// Guesses made at one chance of a right guess, and how many were right.
struct Tally {
    qint64 guesses = 0;
    qint64 hits = 0;
    double chance = 0;
};

// The natural logarithm of the figure over all the tallies together, each against its own
// chance; 0 before any guess.
double logFigure(std::span<const Tally> tallies);
double figure(std::span<const Tally> tallies);
bool reached(std::span<const Tally> tallies);

// The shares of right guesses that `hits` of `guesses` leave open: those the figure against
// them keeps below Needed. Whatever a player's true share, the range ever leaves it out with
// probability at most 1 / Needed, however often it is looked at. It is one stretch, since the
// figure is log-convex in the share, and holds hits / guesses, where the figure is at most 1.
// Its ends are where the figure is Needed, found to a few units in the last place.
struct Range {
    double low = 0;
    double high = 1;
};
Range range(qint64 guesses, qint64 hits);
// Whether `share` is out of the range: the figure against it reaches Needed. Exact where the
// range's ends are not, and so what every verdict rests on.
bool leavesOut(qint64 guesses, qint64 hits, double share);

// After `guesses` at `chance`: the most hits that reach Needed below chance and the fewest that
// reach it above, where such counts exist: the counts whose range leaves `chance` out. Between
// them lies the region where the count of a player right with `chance` stays, with 99%
// certainty, however long the line. Ten guesses more never
// lower either count (checked for every number of games up to a million at each level), which
// lets the chart bound a stretch of games by the counts at its ends.
struct Edges {
    std::optional<qint64> below;
    std::optional<qint64> above;
};
// `near`: the counts for a number of guesses close by, where known, to start the search from.
Edges edges(qint64 guesses, double chance, const Edges &near = {});
// The same, kept from one call to the next: the chart and the outlooks ask for the counts at
// every number of games in turn, each search starting from the nearest one known.
Edges knownEdges(qint64 guesses, double chance);

} // namespace Evidence
