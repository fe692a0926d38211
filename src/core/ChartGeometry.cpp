#include "ChartGeometry.h"

#include "Game.h"
#include "Odds.h"
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

Band bandAfter(qint64 games, double chance)
{
    const qint64 guesses = games * Game::Attempts;
    const Odds::Distribution d = Odds::binomial(guesses, chance);
    return {double(d.quantile(ChartGeometry::BandLow)) / double(guesses),
            double(d.quantile(ChartGeometry::BandHigh)) / double(guesses)};
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
    double highest = chance;
    for (qint64 game : bandGames) {
        band.push_back(bandAfter(game, chance));
        highest = std::max(highest, band.back().high);
    }
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
    for (std::size_t i = 0; i < bandGames.size(); ++i)
        g.band << QPointF(x(bandGames[i]), y(band[i].high));
    for (std::size_t i = bandGames.size(); i-- > 0;)
        g.band << QPointF(x(bandGames[i]), y(band[i].low));

    const double step = g.top > WideFrom ? WideShareStep : ShareStep;
    for (int i = 0; i * step <= g.top + 1e-9; ++i)
        g.shareTicks.append({y(i * step), Statistics::percent(i * step)});
    g.gameTicks.append({x(1), u"1"_s});
    if (games > 1)
        g.gameTicks.append({x(games), QString::number(games)});
    return g;
}
