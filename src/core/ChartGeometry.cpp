#include "ChartGeometry.h"

#include "Evidence.h"
#include "Game.h"
#include "Statistics.h"

#include <algorithm>
#include <cmath>

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
Band bandAfter(qint64 games, double chance)
{
    const qint64 guesses = games * Game::Attempts;
    const Evidence::Edges e = Evidence::edges(guesses, chance);
    return {e.below ? (double(*e.below) + 0.5) / double(guesses) : 0.0,
            e.above ? (double(*e.above) - 0.5) / double(guesses) : 1.0};
}

} // namespace

ChartGeometry ChartGeometry::compute(const std::vector<qint32> &runningHits, double chance,
                                     const QRectF &plot)
{
    ChartGeometry g;
    const qint64 games = qint64(runningHits.size());
    if (games == 0)
        return g;
    auto share = [&](qint64 game) {
        return double(runningHits[std::size_t(game - 1)]) / double(game * Game::Attempts);
    };

    // Games sampled evenly: at most one a pixel for the series, fewer for the band.
    auto samples = [&](double pixelsPerSample) {
        const qint64 count =
            std::clamp<qint64>(qint64(plot.width() / pixelsPerSample) + 1, 1, games);
        std::vector<qint64> list;
        for (qint64 i = 0; i < count; ++i)
            list.push_back(count == 1 ? games : 1 + (games - 1) * i / (count - 1));
        list.erase(std::unique(list.begin(), list.end()), list.end());
        return list;
    };
    const std::vector<qint64> seriesGames = samples(1);
    const std::vector<qint64> bandGames = samples(BandPixelsPerSample);

    std::vector<Band> band;
    for (qint64 game : bandGames)
        band.push_back(bandAfter(game, chance));
    // The axis fits the line and the band where it ends; the band's wide start, after the
    // first few games, is clipped rather than squeezing everything else flat.
    double highest = std::max(chance + ShareStep, band.back().high);
    for (qint64 game : seriesGames)
        highest = std::max(highest, share(game));
    g.top = std::min(1.0, std::ceil(highest / ShareStep - 1e-9) * ShareStep);
    g.top = std::max(g.top, ShareStep);

    auto x = [&](qint64 game) {
        return games == 1 ? plot.center().x()
                          : plot.left() + plot.width() * double(game - 1) / double(games - 1);
    };
    auto y = [&](double s) { return plot.bottom() - plot.height() * s / g.top; };

    for (qint64 game : seriesGames)
        g.series << QPointF(x(game), y(share(game)));
    g.chance = QLineF(plot.left(), y(chance), plot.right(), y(chance));
    // A single game's band spans the plot, as its line's one point stands for the whole record.
    auto bandX = [&](std::size_t i, double edge) {
        return bandGames.size() == 1 ? edge : x(bandGames[i]);
    };
    for (std::size_t i = 0; i < bandGames.size(); ++i)
        g.band << QPointF(bandX(i, plot.left()), y(std::min(band[i].high, g.top)));
    if (bandGames.size() == 1)
        g.band << QPointF(plot.right(), y(std::min(band[0].high, g.top)))
               << QPointF(plot.right(), y(band[0].low));
    for (std::size_t i = bandGames.size(); i-- > 0;)
        g.band << QPointF(bandX(i, plot.left()), y(band[i].low));

    const double step = g.top > WideFrom ? WideShareStep : ShareStep;
    for (int i = 0; i * step <= g.top + 1e-9; ++i)
        g.shareTicks.append({y(i * step), Statistics::percent(i * step)});
    g.gameTicks.append({x(1), u"1"_s});
    if (games > 1)
        g.gameTicks.append({x(games), QString::number(games)});
    return g;
}
