// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLineF>
#include <QList>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <vector>

// Where one level's chart lines lie in its plot area: the running share of right guesses
// over the games, the chance line, and the band where a blind guesser's running share stays
// for the whole line at once, with the certainty of the conclusions (Evidence::edges): the
// line leaves it exactly when the conclusion stops saying luck. No widget: a test checks it
// against a known series.
struct ChartGeometry {
    struct Tick {
        double at = 0;
        QString label;
    };

    // The share at the plot's top edge.
    double top = 0;
    QPolygonF series;
    QLineF chance;
    // Closed: the upper edge from left to right, then the lower edge back; clipped to the plot
    // where no count at all would stand out.
    QPolygonF band;
    QList<Tick> shareTicks;
    QList<Tick> gameTicks;

    // `runningHits` as Statistics keeps them, ten guesses a game, each right with `chance`.
    static ChartGeometry compute(const std::vector<qint32> &runningHits, double chance,
                                 const QRectF &plot);
};
