// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Statistics.h"

#include <algorithm>
#include <cmath>

namespace
{

// The right guesses pure guessing gives on average.
double expectedOf(std::span<const Evidence::Tally> tallies)
{
    double expected = 0;
    for (const Evidence::Tally &t : tallies)
        expected += double(t.guesses) * t.chance;
    return expected;
}

} // namespace

void Statistics::add(const FinishedGame &game)
{
    auto &series = running_[game.level.place()];
    series.push_back((series.empty() ? 0 : series.back()) + game.hits());
}

std::vector<Level> Statistics::levelsPlayed() const
{
    std::vector<Level> levels;
    for (Level level : Level::all())
        if (games(level) > 0)
            levels.push_back(level);
    return levels;
}

std::vector<Statistics::Line> Statistics::linesShown() const
{
    const std::vector<Level> levels = levelsPlayed();
    std::vector<Line> lines(levels.begin(), levels.end());
    if (lines.size() > 1)
        lines.push_back(Total);
    return lines;
}

int Statistics::games(Line line) const
{
    if (line)
        return int(running_[line->place()].size());
    int n = 0;
    for (const auto &series : running_)
        n += int(series.size());
    return n;
}

qint64 Statistics::hits(Line line) const
{
    if (line) {
        const auto &series = running_[line->place()];
        return series.empty() ? 0 : series.back();
    }
    qint64 n = 0;
    for (Level level : Level::all())
        n += hits(level);
    return n;
}

double Statistics::chance(Line line) const
{
    if (line)
        return line->chance();
    return guesses(Total) > 0 ? expectedHits(Total) / double(guesses(Total)) : 0.0;
}

std::vector<Evidence::Tally> Statistics::tallies(Line line) const
{
    std::vector<Evidence::Tally> t;
    for (Level level : Level::all())
        if (!line || line == level)
            t.push_back({guesses(level), hits(level), level.chance()});
    return t;
}

double Statistics::evidence(Line line) const
{
    return Evidence::figure(tallies(line));
}

double Statistics::expectedHits(Line line) const
{
    return expectedOf(tallies(line));
}

Evidence::Range Statistics::range(Level level) const
{
    return Evidence::range(guesses(level), hits(level));
}

Statistics::Finding Statistics::judge(Level level, qint64 guesses, qint64 hits)
{
    if (Evidence::leavesOut(guesses, hits, level.chance()))
        return double(hits) > double(guesses) * level.chance() ? Finding::StandsOut
                                                               : Finding::BelowLuck;
    return strengthOf(level, guesses, hits) == Strength::NotStrong ? Finding::NoStrongEdge
                                                                   : Finding::Unclear;
}

Statistics::Strength Statistics::strengthOf(Level level, qint64 guesses, qint64 hits)
{
    const double strong = strongShare(level);
    if (guesses <= 0 || !Evidence::leavesOut(guesses, hits, strong))
        return Strength::Unknown;
    return double(hits) < double(guesses) * strong ? Strength::NotStrong : Strength::Strong;
}

Statistics::Strength Statistics::strength(Level level) const
{
    return strengthOf(level, guesses(level), hits(level));
}

Statistics::Finding Statistics::totalFinding() const
{
    const std::vector<Evidence::Tally> all = tallies(Total);
    if (!Evidence::reached(all))
        return Finding::Unclear;
    return double(hits(Total)) > expectedOf(all) ? Finding::StandsOut : Finding::BelowLuck;
}

Statistics::Finding Statistics::finding(Line line) const
{
    return line ? judge(*line, guesses(line), hits(line)) : totalFinding();
}

std::optional<qint64> Statistics::gamesToTellStrength(Level level) const
{
    const qint64 played = games(level);
    if (played == 0 || strength(level) != Strength::Unknown)
        return std::nullopt;
    const double share = double(hits(level)) / double(guesses(level));
    auto settledAfter = [&](qint64 more) {
        const qint64 guesses = (played + more) * GameSize::Attempts;
        return strengthOf(level, guesses, std::llround(share * double(guesses))) !=
               Strength::Unknown;
    };
    // Doubling, then halving: the strength is told for good once the range is narrow enough,
    // so the first count found this way is close to the first of all.
    qint64 unsettled = 0, settled = 1;
    while (!settledAfter(settled)) {
        if (settled >= MostGamesAhead)
            return std::nullopt;
        unsettled = settled;
        settled = std::min(2 * settled, MostGamesAhead);
    }
    while (settled - unsettled > 1) {
        const qint64 middle = unsettled + (settled - unsettled) / 2;
        (settledAfter(middle) ? settled : unsettled) = middle;
    }
    return settled;
}
