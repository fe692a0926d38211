// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Statistics.h"

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

Statistics::Finding Statistics::judge(std::span<const Evidence::Tally> tallies)
{
    const double figure = Evidence::logFigure(tallies);
    if (figure >= std::log(Evidence::Needed)) {
        qint64 hits = 0;
        for (const Evidence::Tally &t : tallies)
            hits += t.hits;
        return double(hits) > expectedOf(tallies) ? Finding::StandsOut : Finding::BelowLuck;
    }
    return figure <= -std::log(Evidence::LuckEnough) ? Finding::LikeLuck : Finding::TooEarly;
}

Statistics::Finding Statistics::finding(Line line) const
{
    return judge(tallies(line));
}
