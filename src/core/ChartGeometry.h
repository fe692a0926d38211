// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLineF>
#include <QPolygonF>
#include <QRectF>
#include <vector>

// Where one level's chart lies in its plot area: the running share of right guesses over the
// games, the chance line, and the band where a blind guesser's running share stays for the
// whole line at once, with the certainty of the findings (Evidence::edges). At every game the
// line is outside the band exactly when that game's finding stands out or falls below luck.
// No widget and no words: a test holds it against the findings, the chart paints it.
struct ChartGeometry {
    // The games drawn at one place across the plot: each game on its own while every game has
    // a pixel column, else as many as share one; the last game always alone, so that the
    // line ends where the record does. Shares, not pixels.
    struct Column {
        qint64 firstGame = 0;
        qint64 lastGame = 0;
        double x = 0;
        // The running share's extremes over these games.
        double lowestShare = 0;
        double highestShare = 0;
        // The band here: the line is drawn above bandHigh exactly when it leaves the band
        // upwards at one of these games at least, and below bandLow likewise. Where no count
        // would stand out, 0 or 1.
        double bandLow = 0;
        double bandHigh = 1;
    };

    QRectF plot;
    // The share at the plot's top edge.
    double top = 0;
    std::vector<Column> columns;

    // In pixels: the line through every column's extremes, the band closed (its upper edge
    // from left to right, then its lower edge back, clipped to the plot) and the chance line.
    QPolygonF series;
    QPolygonF band;
    QLineF chanceLine;
    // Round shares for the axis, from 0 to the top.
    std::vector<double> shareTicks;

    double y(double share) const { return plot.bottom() - plot.height() * share / top; }
    double share(double y) const { return (plot.bottom() - y) / plot.height() * top; }

    // `runningHits` as Statistics keeps them, ten guesses a game, each right with `chance`.
    static ChartGeometry compute(const std::vector<qint32> &runningHits, double chance,
                                 const QRectF &plot);
    // The last game's column, as compute() draws it at the right edge, at any width.
    static Column last(const std::vector<qint32> &runningHits, double chance);
};
