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

    // What a line of play shows against pure guessing. Only StandsOut and BelowLuck carry the
    // promise of Evidence::Needed; TooEarly turns into LikeLuck once luck explains the guesses
    // Evidence::LuckEnough times better than any edge.
    enum class Finding { TooEarly, LikeLuck, StandsOut, BelowLuck };

    void add(const FinishedGame &game);

    // The levels with at least one game, in order.
    std::vector<Level> levelsPlayed() const;
    // The lines worth showing: each level played, then Total where there is more than one.
    std::vector<Line> linesShown() const;
    int games(Line line) const;
    qint64 guesses(Line line) const { return qint64(games(line)) * Board::Cells; }
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
    // The rule itself, for guesses tallied by their chance.
    static Finding judge(std::span<const Evidence::Tally> tallies);

private:
    std::vector<Evidence::Tally> tallies(Line line) const;

    std::array<std::vector<qint32>, Level::Count> running_;
};
