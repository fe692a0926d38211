// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Board.h"

#include <QImage>
#include <QObject>
#include <QPoint>

class QPainter;

// The result board drawn: ten cells, one per attempt, over the empty grid, at any device scale
// from the one set of cells. It says when it has changed, so that whatever shows it repaints
// without being told.
class ResultBoard : public QObject, public Board
{
    Q_OBJECT

public:
    static constexpr int Width = 335;
    static constexpr int Height = 130;
    // Cells stand in two rows of five; the rows are one pixel closer than the columns.
    static constexpr int CellsPerRow = 5;
    static_assert(2 * CellsPerRow == Cells, "the grid's two rows hold a cell per attempt");
    static constexpr int ColumnPitch = 68;
    static constexpr int RowPitch = 67;

    // Top left corner of attempt n's square.
    static QPoint cellOrigin(int n);

    // The board at its own size, one image pixel to a board pixel.
    const QImage &image() const;

    // The board in device pixels for a screen of `scale`: the grid lines all alike, and at a
    // fractional scale the pictures and strokes smooth, so that no line comes out one pixel
    // here and two there. At 1 it is image().
    QImage imageAt(qreal scale) const;

Q_SIGNALS:
    void changed();

private:
    void cellsChanged() override;

    // Drawn again from the cells after each change, when next asked for.
    mutable QImage image_;
};
