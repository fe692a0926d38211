#pragma once

#include "FinishedGame.h"
#include "Odds.h"

#include <QByteArrayView>
#include <QString>
#include <array>
#include <optional>
#include <vector>

// Every kept game summed up per level and in total, and what the sums mean against pure
// guessing. Levels are 1..3; Total stands for all of them together.
class Statistics
{
public:
    static constexpr int Total = 0;
    // Fewer games than this say nothing either way.
    static constexpr int FewGames = 5;
    // Rarer by luck than this, a result stands out from it.
    static constexpr double StandsOut = 0.01;

    void add(const FinishedGame &game);
    // A record line without its newline; one that is not a readable game is counted as skipped.
    void addLine(QByteArrayView line);

    int skippedLines() const { return skipped_; }
    // The levels with at least one game, in order.
    std::vector<int> levelsPlayed() const;
    int games(int level) const;
    qint64 guesses(int level) const { return qint64(games(level)) * Game::Attempts; }
    qint64 hits(int level) const;
    // Right guesses after each game at a level, running: the chart's series.
    const std::vector<qint32> &runningHits(int level) const { return running_.at(level - 1); }

    // The chance of one right guess at a level; at Total, the mean over the guesses made.
    double chance(int level) const;
    // How many right guesses a blind guesser makes over as many guesses as were made at a
    // level (at Total, at each level as often as there).
    const Odds::Distribution &blindGuesser(int level) const;
    // Probability of at least this many right guesses by pure luck.
    double luck(int level) const;
    // Probability of at most this many, to tell a result below luck.
    double badLuck(int level) const;

    // "1/5" at a level, "13%" in total.
    QString chanceText(int level) const;
    // "наугад так угадывают в 1 случае из 37"
    QString luckText(int level) const;
    // One honest line on what the figures say, to follow the level's name and a colon.
    QString conclusion(int level) const;

    // A share as the game shows it: "25%", "6,7%".
    static QString percent(double share);

private:
    std::array<std::vector<qint32>, Game::Levels> running_;
    int skipped_ = 0;
    // Made on demand, once until the next game: the total's costs a convolution over all
    // levels. Indexed by level, Total first.
    mutable std::array<std::optional<Odds::Distribution>, Game::Levels + 1> blind_;
};
