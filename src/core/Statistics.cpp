// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Statistics.h"

#include "RecordLine.h"

#include <cmath>

void Statistics::add(const FinishedGame &game)
{
    if (game.level < 1 || game.level > Level::Count)
        return;
    auto &series = running_[game.level - 1];
    series.push_back((series.empty() ? 0 : series.back()) + game.hits());
}

void Statistics::addLine(QByteArrayView line)
{
    if (line.trimmed().isEmpty() || RecordLine::isHeader(line))
        return;
    if (const auto game = RecordLine::parse(line))
        add(*game);
    else
        ++skipped_;
}

std::vector<int> Statistics::levelsPlayed() const
{
    std::vector<int> levels;
    for (int l = 1; l <= Level::Count; ++l)
        if (games(l) > 0)
            levels.push_back(l);
    return levels;
}

int Statistics::games(int level) const
{
    if (level != Total)
        return int(running_.at(level - 1).size());
    int n = 0;
    for (const auto &series : running_)
        n += int(series.size());
    return n;
}

qint64 Statistics::hits(int level) const
{
    if (level != Total) {
        const auto &series = running_.at(level - 1);
        return series.empty() ? 0 : series.back();
    }
    qint64 n = 0;
    for (int l = 1; l <= Level::Count; ++l)
        n += hits(l);
    return n;
}

double Statistics::chance(int level) const
{
    if (level != Total)
        return 1.0 / (level * Level::PicturesEach);
    double expected = 0;
    for (int l = 1; l <= Level::Count; ++l)
        expected += double(guesses(l)) * chance(l);
    return guesses(Total) > 0 ? expected / double(guesses(Total)) : 0.0;
}

std::vector<Evidence::Tally> Statistics::tallies(int level) const
{
    std::vector<Evidence::Tally> t;
    for (int l = 1; l <= Level::Count; ++l)
        if (level == Total || level == l)
            t.push_back({guesses(l), hits(l), chance(l)});
    return t;
}

double Statistics::evidence(int level) const
{
    return Evidence::figure(tallies(level));
}

double Statistics::expectedHits(int level) const
{
    return double(guesses(level)) * chance(level);
}

Statistics::Finding Statistics::judge(std::span<const Evidence::Tally> tallies)
{
    const double figure = Evidence::logFigure(tallies);
    if (figure >= std::log(Evidence::Needed)) {
        double expected = 0;
        qint64 hits = 0;
        for (const Evidence::Tally &t : tallies) {
            expected += double(t.guesses) * t.chance;
            hits += t.hits;
        }
        return double(hits) > expected ? Finding::StandsOut : Finding::BelowLuck;
    }
    return figure <= -std::log(Evidence::LuckEnough) ? Finding::LikeLuck : Finding::TooEarly;
}

Statistics::Finding Statistics::finding(int level) const
{
    return judge(tallies(level));
}
