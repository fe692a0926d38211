#pragma once

#include <QLineF>
#include <QList>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <vector>

// Where one level's chart lines lie in its plot area: the running share of right guesses
// over the games, the chance line, and the band a blind guesser stays inside 95% of the time
// after as many guesses. No widget: a test checks it against a known series.
struct ChartGeometry {
    // The band: from this share of blind guessers to that one, 95% of them between.
    static constexpr double BandLow = 0.025;
    static constexpr double BandHigh = 0.975;

    struct Tick {
        double at = 0;
        QString label;
    };

    // The share at the plot's top edge.
    double top = 0;
    QPolygonF series;
    QLineF chance;
    // Closed: the upper edge from left to right, then the lower edge back.
    QPolygonF band;
    QList<Tick> shareTicks;
    QList<Tick> gameTicks;

    // `runningHits` as Statistics keeps them, ten guesses a game, each right with `chance`.
    static ChartGeometry compute(const std::vector<qint32> &runningHits, double chance,
                                 const QRectF &plot);
};
