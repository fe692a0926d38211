// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ChartGeometry.h"

#include "Evidence.h"
#include "GameSize.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace
{

// The share axis grows in steps of this, so its labels stay round.
constexpr double ShareStep = 0.1;
constexpr double WideShareStep = 0.2;
constexpr double WideFrom = 0.5;
constexpr double LineRoom = 0.02;

// The whole counts at which a level's finding changes after some games: the fewest right
// guesses that stand out (one more than the guesses where none would) and the most that fall
// below luck (-1 where none would). Both grow with the games (Evidence::edges).
struct Counts {
    qint64 above;
    qint64 below;
};

Counts countsAfter(qint64 games, double chance)
{
    const qint64 guesses = games * GameSize::Attempts;
    const Evidence::Edges e = Evidence::knownEdges(guesses, chance);
    return {e.above.value_or(guesses + 1), e.below.value_or(-1)};
}

// One level's record as the running count of right guesses after each game, 1..games.
struct Line {
    const std::vector<qint32> &running;
    double chance;

    qint64 hits(qint64 game) const { return running[std::size_t(game - 1)]; }
    double share(qint64 game) const
    {
        return double(hits(game)) / double(game * GameSize::Attempts);
    }
    // Halfway between the last count inside the band and the first outside, so that the line,
    // which only takes whole counts, never runs along an edge at a game of its own.
    double high(qint64 game, const Counts &c) const
    {
        const qint64 guesses = game * GameSize::Attempts;
        return c.above > guesses ? 1.0 : (double(c.above) - 0.5) / double(guesses);
    }
    double low(qint64 game, const Counts &c) const
    {
        return c.below < 0 ? 0.0 : (double(c.below) + 0.5) / double(game * GameSize::Attempts);
    }

    // A game from `first` to `last` whose count stands out, if there is one. The count and the
    // edge both grow: a count at the last game below the edge at the first is below it all
    // along. Halved until that settles it, which is at once unless the line runs by the edge.
    std::optional<qint64> standsOut(qint64 first, const Counts &atFirst, qint64 last,
                                    const Counts &atLast) const
    {
        if (hits(first) >= atFirst.above)
            return first;
        if (hits(last) >= atLast.above)
            return last;
        if (last - first <= 1 || hits(last) < atFirst.above)
            return std::nullopt;
        const qint64 middle = first + (last - first) / 2;
        const Counts atMiddle = countsAfter(middle, chance);
        if (const auto game = standsOut(first, atFirst, middle, atMiddle))
            return game;
        return standsOut(middle, atMiddle, last, atLast);
    }
    std::optional<qint64> fallsBelow(qint64 first, const Counts &atFirst, qint64 last,
                                     const Counts &atLast) const
    {
        if (hits(first) <= atFirst.below)
            return first;
        if (hits(last) <= atLast.below)
            return last;
        if (last - first <= 1 || hits(first) > atLast.below)
            return std::nullopt;
        const qint64 middle = first + (last - first) / 2;
        const Counts atMiddle = countsAfter(middle, chance);
        if (const auto game = fallsBelow(first, atFirst, middle, atMiddle))
            return game;
        return fallsBelow(middle, atMiddle, last, atLast);
    }

    // The band's edges over a column are among their values at its games: the narrowest where
    // the line leaves the band there, so that it shows outside; else the widest, so that it
    // shows inside. Most columns need the counts at their last game only: those at the last
    // game before them bound the rest.
    ChartGeometry::Column column(qint64 first, qint64 last) const
    {
        ChartGeometry::Column c{first, last, 0, share(first), share(first), 0, 1};
        for (qint64 game = first + 1; game <= last; ++game) {
            c.lowestShare = std::min(c.lowestShare, share(game));
            c.highestShare = std::max(c.highestShare, share(game));
        }
        const Counts atLast = countsAfter(last, chance);
        const Counts before = first > 1 ? countsAfter(first - 1, chance) : atLast;
        std::optional<qint64> up;
        if (hits(last) >= atLast.above)
            up = last;
        else if (first < last && (first == 1 || hits(last) >= before.above))
            up = standsOut(first, countsAfter(first, chance), last, atLast);
        c.bandHigh = up ? std::min(high(last, atLast), high(*up, countsAfter(*up, chance)))
                        : std::max(high(last, atLast), c.highestShare);
        std::optional<qint64> down;
        if (hits(last) <= atLast.below)
            down = last;
        else if (first < last && hits(first) <= atLast.below)
            down = fallsBelow(first, countsAfter(first, chance), last, atLast);
        c.bandLow = down ? std::max(low(last, atLast), low(*down, countsAfter(*down, chance)))
                         : std::min(low(last, atLast), c.lowestShare);
        return c;
    }
};

// The smallest of 1, 2, 5, 10, 20, 50... at least `step`.
qint64 roundStep(double step)
{
    for (qint64 decade = 1;; decade *= 10)
        for (qint64 m : {1, 2, 5})
            if (double(m * decade) >= step)
                return m * decade;
}

// The axis fits the line, with room above it so that it never runs along the plot's frame,
// and the band where it ends; the band's wide start, after the first few games, is clipped
// rather than squeezing everything else flat.
double axisTop(double highestShare, double chance, double lastBandHigh)
{
    const double highest = std::max({chance + ShareStep, lastBandHigh, highestShare + LineRoom});
    return std::max(ShareStep, std::min(1.0, std::ceil(highest / ShareStep - 1e-9) * ShareStep));
}

} // namespace

ChartGeometry ChartGeometry::compute(const std::vector<qint32> &runningHits, double chance,
                                     const QRectF &plot)
{
    ChartGeometry g;
    g.plot = plot;
    const qint64 games = qint64(runningHits.size());
    if (games == 0)
        return g;

    // Columns of a round number of games, so that they stay put as games are added and their
    // counts are found again in the cache.
    const Line line{runningHits, chance};
    const qint64 room = std::max<qint64>(1, qint64(plot.width()));
    const qint64 step = games <= room ? 1 : roundStep(double(games) / double(room));
    for (qint64 first = 1; first < games; first += step)
        g.columns.push_back(line.column(first, std::min(first + step - 1, games - 1)));
    g.columns.push_back(last(runningHits, chance));

    double highest = 0;
    for (const Column &c : g.columns)
        highest = std::max(highest, c.highestShare);
    g.top = axisTop(highest, chance, g.columns.back().bandHigh);
    for (Column &c : g.columns)
        c.x = games == 1 ? plot.center().x()
                         : plot.left() + plot.width() * double(c.lastGame - 1) / double(games - 1);

    // Each column's extremes, entered from the side nearer the last point.
    double previous = g.columns.front().lowestShare;
    for (const Column &c : g.columns) {
        const bool downwards = previous >= (c.lowestShare + c.highestShare) / 2;
        const double from = downwards ? c.highestShare : c.lowestShare;
        const double to = downwards ? c.lowestShare : c.highestShare;
        g.series << QPointF(c.x, g.y(from));
        if (to != from)
            g.series << QPointF(c.x, g.y(to));
        previous = to;
    }
    // A single game's band spans the plot, as its line's one point stands for the whole record.
    std::vector<std::pair<double, const Column *>> edge;
    for (const Column &c : g.columns)
        edge.emplace_back(c.x, &c);
    if (games == 1)
        edge = {{plot.left(), &g.columns.front()}, {plot.right(), &g.columns.front()}};
    for (const auto &[x, c] : edge)
        g.band << QPointF(x, g.y(std::min(c->bandHigh, g.top)));
    for (auto it = edge.rbegin(); it != edge.rend(); ++it)
        g.band << QPointF(it->first, g.y(it->second->bandLow));

    g.chanceLine = QLineF(plot.left(), g.y(chance), plot.right(), g.y(chance));
    const double tick = g.top > WideFrom ? WideShareStep : ShareStep;
    for (int i = 0; i * tick <= g.top + 1e-9; ++i)
        g.shareTicks.push_back(i * tick);
    return g;
}

ChartGeometry::Column ChartGeometry::last(const std::vector<qint32> &runningHits, double chance)
{
    const qint64 games = qint64(runningHits.size());
    return Line{runningHits, chance}.column(games, games);
}
