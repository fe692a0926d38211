// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Evidence.h"
#include "FinishedGame.h"
#include "Level.h"

#include <array>
#include <optional>
#include <span>
#include <vector>

// Every kept game summed up per level and in total, and what the sums mean against pure
// guessing. A line of play is a level, or Total: all of them together. Adding a game costs the
// same however many came before, so a long record stays cheap to keep up to date. Facts only:
// the windows put them into words.
class Statistics
{
public:
    using Line = std::optional<Level>;
    static constexpr Line Total = std::nullopt;

    // What a line of play shows against pure guessing. At a level: StandsOut when its range of
    // shares (Evidence::range) lies wholly above the chance, BelowLuck wholly below it,
    // NoStrongEdge when it holds the chance but lies below the strong share; Unclear otherwise.
    // In total: StandsOut and BelowLuck as the levels' guesses show them together, else Unclear.
    // Each carries the promise of Evidence::Needed, however often looked at.
    enum class Finding { Unclear, NoStrongEdge, StandsOut, BelowLuck };
    // An edge is strong from half again as many right guesses as pure guessing gives on: the
    // 30% at the first level that the evidence is tuned to tell within about 20 games.
    static constexpr double StrongFactor = 1.5;
    // Whether a level's edge is strong: its range lies wholly at or above the strong share, or
    // wholly below it, or it is not known yet.
    enum class Strength { Unknown, NotStrong, Strong };
    // How far ahead gamesToTellStrength() looks.
    static constexpr qint64 MostGamesAhead = 1000;

    void add(const FinishedGame &game);

    // The levels with at least one game, in order.
    std::vector<Level> levelsPlayed() const;
    // The lines worth showing: each level played, then Total where there is more than one.
    std::vector<Line> linesShown() const;
    int games(Line line) const;
    qint64 guesses(Line line) const { return qint64(games(line)) * GameSize::Attempts; }
    qint64 hits(Line line) const;
    // Right guesses after each game at a level, running: the chart's series.
    const std::vector<qint32> &runningHits(Level level) const { return running_[level.place()]; }

    // The chance of one right guess at a level; at Total, the mean over the guesses made.
    double chance(Line line) const;
    // How many right guesses pure guessing gives on average, over the guesses made.
    double expectedHits(Line line) const;
    // The strength of the evidence against luck (Evidence::figure), at a level or in total.
    double evidence(Line line) const;
    Finding finding(Line line) const;
    // The shares of right guesses a level's games leave open.
    Evidence::Range range(Level level) const;
    // The share of right guesses from which an edge at a level is strong.
    static double strongShare(Level level) { return StrongFactor * level.chance(); }
    Strength strength(Level level) const;
    // If the share of right guesses stayed as it is, after how many more games a level's
    // strength would be known: none when it is, or not within MostGamesAhead.
    std::optional<qint64> gamesToTellStrength(Level level) const;
    // The rules for one level, after `guesses` with `hits` right.
    static Finding judge(Level level, qint64 guesses, qint64 hits);
    static Strength strengthOf(Level level, qint64 guesses, qint64 hits);

private:
    std::vector<Evidence::Tally> tallies(Line line) const;
    Finding totalFinding() const;

    std::array<std::vector<qint32>, Level::Count> running_;
};
