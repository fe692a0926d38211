// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ChartGeometry.h"
#include "Level.h"

#include <QWidget>
#include <vector>

class Statistics;

// The running share of right guesses over the games, one panel a level played more than once,
// against the chance line and the band a blind guesser's line stays inside, in 99 lines of 100,
// however long: the line is outside exactly at the games whose verdict stands out or falls
// below luck. Its lines come from ChartGeometry; this only paints them. Reached with Tab, it
// tells a screen reader in words what it shows, with the numbers of the picture.
class StatisticsChart : public QWidget
{
    Q_OBJECT

public:
    explicit StatisticsChart(QWidget *parent = nullptr);

    // Not owned; it must outlive the chart or be replaced first.
    void setStatistics(const Statistics *statistics);
    // The same statistics, with more games.
    void refresh();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Whether any level has a line to draw.
    bool hasPanels() const { return !levels_.empty(); }
    // The words painted on it.
    QStringList texts() const;
    // One level's lines at the current width, for whoever checks them.
    const ChartGeometry *geometry(Level level);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void layOut();
    // What the chart shows, in words: the numbers where each line ends, as drawn.
    QString description() const;
    int panels() const;
    int legendWidth() const;
    void paintPanel(QPainter &painter, Level level, const ChartGeometry &geometry,
                    const QRect &panel) const;
    void paintTicks(QPainter &painter, const ChartGeometry &geometry, const QRect &panel,
                    const QRect &plot) const;
    void paintLegend(QPainter &painter, int y) const;

    const Statistics *statistics_ = nullptr;
    // The levels with a line, one panel each, and their lines at the current width.
    std::vector<Level> levels_;
    std::vector<ChartGeometry> geometry_;
    // The lines are to be worked out again before they are next shown.
    bool stale_ = false;
};
