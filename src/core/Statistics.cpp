// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Statistics.h"

#include <algorithm>
#include <cmath>
#include <mutex>
#include <tuple>

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

Statistics::Outlook Statistics::chanceOutlook(Level level) const
{
    return outlook(games(level), hits(level), level.chance());
}

Statistics::Outlook Statistics::strengthOutlook(Level level) const
{
    return outlook(games(level), hits(level), strongShare(level));
}

Statistics::Outlook Statistics::outlook(qint64 games, qint64 hits, double threshold)
{
    Outlook o;
    if (games <= 0)
        return o;
    const qint64 guesses = games * GameSize::Attempts;
    o.settled = Evidence::leavesOut(guesses, hits, threshold);
    const double gap = double(hits) - threshold * double(guesses);
    if (std::abs(gap) > 1e-9 * double(guesses))
        o.above = gap > 0;
    if (o.settled || !o.above)
        return o;
    // Every window refresh asks again for the same few, and the thread that reads a record
    // works them out before the window asks.
    using Key = std::tuple<double, qint64, qint64>;
    static std::mutex guard;
    static std::vector<std::pair<Key, Outlook>> known;
    const Key key{threshold, games, hits};
    {
        const std::lock_guard lock(guard);
        for (const auto &[k, known_] : known)
            if (k == key)
                return known_;
    }
    o.games = medianToSettle(games, hits, double(hits) / double(guesses), threshold);
    const std::lock_guard lock(guard);
    if (known.size() >= 16)
        known.erase(known.begin());
    known.emplace_back(key, o);
    return o;
}

std::optional<qint64> Statistics::medianToSettle(qint64 games, qint64 hits, double share,
                                                 double threshold)
{
    // The count's distribution over the futures at the current share, game by game, with the
    // futures that have settled taken out: exact, but for tails too thin to count.
    std::array<double, GameSize::Attempts + 1> oneGame{};
    for (int k = 0; k <= GameSize::Attempts; ++k)
        oneGame[std::size_t(k)] =
            std::exp(std::lgamma(GameSize::Attempts + 1) - std::lgamma(k + 1) -
                     std::lgamma(GameSize::Attempts + 1 - k)) *
            std::pow(share, k) * std::pow(1 - share, GameSize::Attempts - k);
    constexpr double Thin = 1e-13;
    std::vector<double> alive{1.0}, next;
    qint64 first = hits;
    double settled = 0;
    for (qint64 more = 1; more <= MostGamesAhead; ++more) {
        next.assign(alive.size() + GameSize::Attempts, 0.0);
        for (std::size_t i = 0; i < alive.size(); ++i)
            for (std::size_t k = 0; k <= std::size_t(GameSize::Attempts); ++k)
                next[i + k] += alive[i] * oneGame[k];
        const Evidence::Edges e =
            Evidence::knownEdges((games + more) * GameSize::Attempts, threshold);
        auto out = [&](std::size_t i) {
            const qint64 count = first + qint64(i);
            return (e.above && count >= *e.above) || (e.below && count <= *e.below);
        };
        std::size_t from = 0, to = next.size();
        for (; to > from && (out(to - 1) || next[to - 1] < Thin); --to)
            settled += out(to - 1) ? next[to - 1] : 0;
        for (; from < to && (out(from) || next[from] < Thin); ++from)
            settled += out(from) ? next[from] : 0;
        alive.assign(next.begin() + qint64(from), next.begin() + qint64(to));
        first += qint64(from);
        if (settled >= 0.5 || alive.empty())
            return more;
    }
    return std::nullopt;
}
