// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Statistics.h"

#include <QWidget>
#include <vector>

// The statistics at a glance: how many games, then for each line of play its verdict under a
// mark that is a shape as well as a colour, the numbers behind it, and a gauge of the evidence
// filling toward the point where the verdict changes; last, what the verdicts promise. Reached
// with Tab, and first in its window: a screen reader says all of it, in that order, on focus.
class StatisticsSummary : public QWidget
{
    Q_OBJECT

public:
    struct Line {
        Statistics::Finding finding = Statistics::Finding::TooEarly;
        QString verdict;
        QString numbers;
        QString evidence;
        // The evidence figure, exact, for the tool tip.
        double figure = 1;
    };

    explicit StatisticsSummary(QWidget *parent = nullptr);

    // `games` leads; `note`, if any, follows the last line, `guarantee` closes.
    void setContents(const QString &games, const std::vector<Line> &lines, const QString &note,
                     const QString &guarantee);
    // Every text shown, in reading order.
    QStringList texts() const;
    // Where the gauge of a finding with this figure stands: -1 as good as luck, 0 even, 1 the
    // end where a result stands out or falls below; short of either end until it is reached.
    static double gauge(double figure, Statistics::Finding finding);

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    enum class Kind { Games, Verdict, Numbers, Evidence, Note, Guarantee };
    struct Piece {
        Kind kind;
        QRect rect;
        QString text;
        // The line it belongs to, or -1.
        int line;
    };
    // Where every text goes at `width`; the last two widths asked for are kept until the
    // contents change, as the window asks several times a game.
    const std::vector<Piece> &layOut(int width) const;
    QFont fontFor(Kind kind) const;
    void paintMark(QPainter &painter, const QRect &box, Statistics::Finding finding) const;
    void paintGauge(QPainter &painter, const QRect &box, const Line &line) const;

    QString games_;
    std::vector<Line> lines_;
    QString note_;
    QString guarantee_;
    mutable std::vector<std::pair<int, std::vector<Piece>>> laidOut_;
};
