// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Evidence.h"
#include "FinishedGame.h"
#include "Level.h"

#include <QByteArrayView>
#include <QString>
#include <array>
#include <span>
#include <vector>

// Every kept game summed up per level and in total, and what the sums mean against pure
// guessing. Levels are 1..3; Total stands for all of them together. Adding a game costs the
// same however many came before, so a long record stays cheap to keep up to date.
class Statistics
{
public:
    static constexpr int Total = 0;
    // Below this many games, a result that does not stand out is not yet called luck.
    static constexpr int FewGames = 5;

    enum class Finding { TooFew, WithinLuck, StandsOut, BelowLuck };

    void add(const FinishedGame &game);
    // A record line without its newline; one that is not a readable game is counted as skipped.
    void addLine(QByteArrayView line);
    // A line that is no game whatever it holds, as one cut off at the record's end.
    void skipLine() { ++skipped_; }

    int skippedLines() const { return skipped_; }
    // The levels with at least one game, in order.
    std::vector<int> levelsPlayed() const;
    int games(int level) const;
    qint64 guesses(int level) const { return qint64(games(level)) * Board::Cells; }
    qint64 hits(int level) const;
    // Right guesses after each game at a level, running: the chart's series.
    const std::vector<qint32> &runningHits(int level) const { return running_.at(level - 1); }

    // The chance of one right guess at a level; at Total, the mean over the guesses made.
    double chance(int level) const;
    // The strength of the evidence against luck (Evidence::figure), at a level or in total.
    double evidence(int level) const;
    Finding finding(int level) const;
    // The rule itself, for guesses tallied by their chance over `games` games.
    static Finding judge(std::span<const Evidence::Tally> tallies, qint64 games);

    // "1 из 5" at a level, "13%" in total.
    QString chanceText(int level) const;
    // "37 из нужных 100"
    QString evidenceText(int level) const;
    // One honest line on what the figures say, to follow the level's name and a colon.
    QString conclusion(int level) const;

    // A share as the game shows it: "25%", "6,7%".
    static QString percent(double share);

private:
    std::vector<Evidence::Tally> tallies(int level) const;

    std::array<std::vector<qint32>, Level::Count> running_;
    int skipped_ = 0;
};
