// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Statistics.h"
#include "StatisticsTexts.h"

#include <QWidget>
#include <vector>

// The statistics at a glance: how many games, then for each line of play its verdict under a
// mark that is a shape as well as a colour, what to do next, the numbers behind it, and for a
// level its range of shares drawn against the chance on one scale for all, beside what follows
// from the verdict; then what the drawing's marks mean, and last what the verdicts promise. Reached
// with Tab, and first in its window: a screen reader says all of it, in that order, on focus.
class StatisticsSummary : public QWidget
{
    Q_OBJECT

public:
    struct Line {
        Statistics::Finding finding = Statistics::Finding::Unclear;
        QString verdict;
        QString action;
        QString numbers;
        QString detail;
        // A level's shares as shown, its range drawn with them, and how to read it; the
        // total draws none.
        std::optional<StatisticsTexts::Shown> shares;
        QString tip;
    };
    // Where a range drawn `width` pixels wide puts its marks, from its left end: the shares as
    // shown on an axis from 0 to `top`, the range apart from the chance, or from the strong
    // share, where the finding puts it, by a pixel at least.
    struct Marks {
        double top = 1;
        int low = 0;
        int high = 0;
        int share = 0;
        int chance = 0;
        int strong = 0;
    };
    static Marks marks(const StatisticsTexts::Shown &shares, Statistics::Finding finding, int width,
                       double top);
    // The axis's end for all the ranges: a round share a little past the highest of them and
    // of the strong shares.
    static double axisTop(const std::vector<Line> &lines);
    // What the drawing's marks mean, in the order drawn.
    static QStringList legend();

    explicit StatisticsSummary(QWidget *parent = nullptr);

    // `games` leads; `note`, if any, follows the last line, `guarantee` closes.
    void setContents(const QString &games, const std::vector<Line> &lines, const QString &note,
                     const QString &guarantee);
    // Every text shown, in reading order.
    QStringList texts() const;
    // The width it asks for, which the chart takes too.
    static constexpr int PreferredWidth = 480;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    enum class Kind { Games, Verdict, Action, Numbers, Detail, Legend, Note, Guarantee };
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
    void paintArrow(QPainter &painter, const QRect &box) const;
    void paintRange(QPainter &painter, const QRect &box, const Line &line) const;
    // Laid out in rows as wide as `width` allows; paints them where `painter` is given.
    int paintLegend(QPainter *painter, const QRect &box) const;
    int rangeHeight() const;

    QString games_;
    std::vector<Line> lines_;
    QString note_;
    QString guarantee_;
    double top_ = 1;
    mutable std::vector<std::pair<int, std::vector<Piece>>> laidOut_;
};
