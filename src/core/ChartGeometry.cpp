// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ChartGeometry.h"

#include "Evidence.h"
#include "Game.h"
#include "Statistics.h"

#include <algorithm>
#include <cmath>
#include <map>

using namespace Qt::StringLiterals;

namespace
{

// The band's edges change slowly; one sample every few pixels draws them smoothly.
constexpr double BandPixelsPerSample = 4;
// The share axis grows in steps of this, so its labels stay round.
constexpr double ShareStep = 0.1;
constexpr double WideShareStep = 0.2;
constexpr double WideFrom = 0.5;

struct Band {
    double low;
    double high;
};

// The edges halfway between the last count inside and the first outside, so that the line,
// which only takes whole counts, never runs along an edge. Where no count would stand out,
// the band reaches 0 or 100%.
// Kept from one drawing to the next: the band is sampled at round game counts, so a finished
// game asks for one new sample, not for all of them again.
Band bandAfter(qint64 games, double chance)
{
    thread_local std::map<std::pair<qint64, double>, Band> known;
    const auto key = std::pair(games, chance);
    if (const auto it = known.find(key); it != known.end())
        return it->second;
    constexpr std::size_t MostKept = 4096;
    if (known.size() >= MostKept)
        known.clear();
    const qint64 guesses = games * Game::Attempts;
    const Evidence::Edges e = Evidence::edges(guesses, chance);
    const Band band{e.below ? (double(*e.below) + 0.5) / double(guesses) : 0.0,
                    e.above ? (double(*e.above) - 0.5) / double(guesses) : 1.0};
    known.emplace(key, band);
    return band;
}

// The smallest of 1, 2, 5, 10, 20, 50... at least `step`.
qint64 roundStep(double step)
{
    for (qint64 decade = 1;; decade *= 10)
        for (qint64 m : {1, 2, 5})
            if (double(m * decade) >= step)
                return m * decade;
}

// Games 1, 1 + s, 1 + 2s... at a round step s that keeps at least `pixelsPerSample` pixels
// between them, and the last game. Round, so that they stay put as games are added.
std::vector<qint64> roundGames(qint64 games, double width, double pixelsPerSample)
{
    const double most = std::max(1.0, width / pixelsPerSample);
    const qint64 step = roundStep(double(games - 1) / most);
    std::vector<qint64> list;
    for (qint64 game = 1; game < games; game += step)
        list.push_back(game);
    list.push_back(games);
    return list;
}

// Games 1..games sampled evenly, at most one every `pixelsPerSample` pixels, the last always.
std::vector<qint64> sampledGames(qint64 games, double width, double pixelsPerSample)
{
    const qint64 count = std::clamp<qint64>(qint64(width / pixelsPerSample) + 1, 1, games);
    std::vector<qint64> list;
    for (qint64 i = 0; i < count; ++i)
        list.push_back(count == 1 ? games : 1 + (games - 1) * i / (count - 1));
    list.erase(std::unique(list.begin(), list.end()), list.end());
    return list;
}

// Where a game and a share lie in the plot.
struct Scale {
    QRectF plot;
    qint64 games;
    double top;

    double x(qint64 game) const
    {
        return games == 1 ? plot.center().x()
                          : plot.left() + plot.width() * double(game - 1) / double(games - 1);
    }
    double y(double share) const { return plot.bottom() - plot.height() * share / top; }
};

// The axis fits the line and the band where it ends; the band's wide start, after the first
// few games, is clipped rather than squeezing everything else flat.
double axisTop(const QPolygonF &shares, double chance, const Band &last)
{
    double highest = std::max(chance + ShareStep, last.high);
    for (const QPointF &p : shares)
        highest = std::max(highest, p.y());
    return std::max(ShareStep, std::min(1.0, std::ceil(highest / ShareStep - 1e-9) * ShareStep));
}

// Closed: the upper edge from left to right, then the lower edge back. A single game's band
// spans the plot, as its line's one point stands for the whole record.
QPolygonF bandPolygon(const std::vector<qint64> &games, const std::vector<Band> &band,
                      const Scale &scale)
{
    std::vector<double> xs;
    for (qint64 game : games)
        xs.push_back(scale.x(game));
    std::vector<Band> edges = band;
    if (games.size() == 1) {
        xs = {scale.plot.left(), scale.plot.right()};
        edges.push_back(band[0]);
    }
    QPolygonF polygon;
    for (std::size_t i = 0; i < xs.size(); ++i)
        polygon << QPointF(xs[i], scale.y(std::min(edges[i].high, scale.top)));
    for (std::size_t i = xs.size(); i-- > 0;)
        polygon << QPointF(xs[i], scale.y(edges[i].low));
    return polygon;
}

} // namespace

ChartGeometry ChartGeometry::compute(const std::vector<qint32> &runningHits, double chance,
                                     const QRectF &plot)
{
    ChartGeometry g;
    const qint64 games = qint64(runningHits.size());
    if (games == 0)
        return g;

    // The series as (game, share) first, placed once the axis is known.
    QPolygonF shares;
    for (qint64 game : sampledGames(games, plot.width(), 1))
        shares << QPointF(double(game), double(runningHits[std::size_t(game - 1)]) /
                                            double(game * Game::Attempts));
    const std::vector<qint64> bandGames = roundGames(games, plot.width(), BandPixelsPerSample);
    std::vector<Band> band;
    for (qint64 game : bandGames)
        band.push_back(bandAfter(game, chance));

    g.top = axisTop(shares, chance, band.back());
    const Scale scale{plot, games, g.top};
    for (const QPointF &p : shares)
        g.series << QPointF(scale.x(qint64(p.x())), scale.y(p.y()));
    g.chance = QLineF(plot.left(), scale.y(chance), plot.right(), scale.y(chance));
    g.band = bandPolygon(bandGames, band, scale);

    const double step = g.top > WideFrom ? WideShareStep : ShareStep;
    for (int i = 0; i * step <= g.top + 1e-9; ++i)
        g.shareTicks.append({scale.y(i * step), Statistics::percent(i * step)});
    g.gameTicks.append({scale.x(1), u"1"_s});
    if (games > 1)
        g.gameTicks.append({scale.x(games), QString::number(games)});
    return g;
}
