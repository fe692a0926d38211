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
    // How far ahead an outlook looks, in games.
    static constexpr qint64 MostGamesAhead = 2000;

    // Whether a level's range leaves out a share that matters (the chance, or the strong
    // share), and, while it does not, how that would settle if the player went on right as
    // often as so far.
    struct Outlook {
        bool settled = false;
        // The side of the threshold it stands or would settle on: the share's so far. None
        // exactly at the threshold, where it settles in at most 1 future of Evidence::Needed.
        std::optional<bool> above;
        // The median of the games more it takes, over the futures at that share; none where
        // fewer than half settle within MostGamesAhead.
        std::optional<qint64> games;
    };
    static Outlook outlook(qint64 games, qint64 hits, double threshold);
    // The median of the games more after which the range first leaves `threshold` out, for a
    // player right with `share` from here on; none where it is past MostGamesAhead.
    static std::optional<qint64> medianToSettle(qint64 games, qint64 hits, double share,
                                                double threshold);

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
    // Against the chance, and against the strong share.
    Outlook chanceOutlook(Level level) const;
    Outlook strengthOutlook(Level level) const;
    // The rules for one level, after `guesses` with `hits` right.
    static Finding judge(Level level, qint64 guesses, qint64 hits);
    static Strength strengthOf(Level level, qint64 guesses, qint64 hits);

private:
    std::vector<Evidence::Tally> tallies(Line line) const;
    Finding totalFinding() const;

    std::array<std::vector<qint32>, Level::Count> running_;
};
