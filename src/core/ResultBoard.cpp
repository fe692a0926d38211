// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ResultBoard.h"

#include "Pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <map>
#include <tuple>

namespace
{

// Quadrant interiors relative to a cell's corner: the hidden picture's and the guess's.
constexpr QPoint HiddenQuadrant{1, 1};
constexpr QPoint GuessQuadrant{32, 32};

// The strike: seven lines A(i) from (1 + i, 55 + i) to (56 + i, i) and six lines B(i) one
// pixel to the right, each a 45-degree diagonal; together the diagonals 56..68 of the cell.
constexpr int StrikeLinesA = 7;
constexpr QPoint StrikeAStart{1, 55};
constexpr QPoint StrikeAEnd{56, 0};
constexpr QPoint StrikeBStart{2, 55};
constexpr QPoint StrikeBEnd{56, 1};

// A cell's frame and cross lines, as offsets from its corner, across and down.
constexpr int GridLines[] = {0, 31, 62};
// The cell's last line, and the width of its square.
constexpr int LastLine = 62;

// A picture at the size of the device area it fills, scaled once per size. At 1x this is the
// guess picture reduced to 30 x 30, and the marks unscaled.
const QImage &fitted(const QImage &picture, QSize size)
{
    static std::map<std::tuple<qint64, int, int>, QImage> cache;
    const auto key = std::tuple(picture.cacheKey(), size.width(), size.height());
    auto found = cache.find(key);
    if (found == cache.end())
        found =
            cache
                .emplace(key, picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation))
                .first;
    return found->second;
}

const QImage *hiddenPicture(const Board::Cell &cell)
{
    if (cell.revealed && cell.hidden != Board::NoPicture)
        return &Pictures::guess(cell.hidden);
    return cell.begun ? &Pictures::xMark() : nullptr;
}

const QImage *guessPicture(const Board::Cell &cell)
{
    if (cell.guessed != Board::NoPicture)
        return &Pictures::guess(cell.guessed);
    return cell.begun ? &Pictures::questionMark() : nullptr;
}

// Where the board's pixel edges land on a device of any scale, with every line the same whole
// number of device pixels wide.
struct DeviceGrid {
    qreal scale;
    int line;
    QSize size;

    explicit DeviceGrid(qreal s)
        : scale(s), line(std::max(1, qRound(s))),
          size(qRound(ResultBoard::Width * s), qRound(ResultBoard::Height * s))
    {
    }
    int at(int v) const { return qRound(v * scale); }
    // A line on the board's last pixel ends at the image's edge.
    int column(int v) const { return std::min(at(v), size.width() - line); }
    int row(int v) const { return std::min(at(v), size.height() - line); }
};

// The cell's grid lines, each the same whole number of device pixels wide.
void paintLines(QPainter &painter, const DeviceGrid &grid, QPoint o)
{
    const int left = grid.at(o.x()), top = grid.at(o.y());
    const int right = grid.column(o.x() + LastLine) + grid.line;
    const int bottom = grid.row(o.y() + LastLine) + grid.line;
    for (int offset : GridLines) {
        painter.fillRect(grid.column(o.x() + offset), top, grid.line, bottom - top, Qt::black);
        painter.fillRect(left, grid.row(o.y() + offset), right - left, grid.line, Qt::black);
    }
}

// A picture filling the quadrant whose inner corner is `corner`, between its lines.
void paintQuadrant(QPainter &painter, const DeviceGrid &grid, QPoint corner, const QImage *picture)
{
    if (!picture)
        return;
    const QRect area(
        QPoint(grid.at(corner.x() - 1) + grid.line, grid.at(corner.y() - 1) + grid.line),
        QPoint(grid.column(corner.x() + Pictures::MarkSize) - 1,
               grid.row(corner.y() + Pictures::MarkSize) - 1));
    painter.drawImage(area.topLeft(), fitted(*picture, area.size()));
}

// The same 13 lines at every scale, A(i) then B(i).
QPainterPath strikeLines(QPoint o)
{
    QPainterPath lines;
    for (int i = 0; i < StrikeLinesA; ++i) {
        const QPoint step(i, i);
        lines.moveTo(o + StrikeAStart + step);
        lines.lineTo(o + StrikeAEnd + step);
        if (i < StrikeLinesA - 1) {
            lines.moveTo(o + StrikeBStart + step);
            lines.lineTo(o + StrikeBEnd + step);
        }
    }
    return lines;
}

void paintStrike(QPainter &painter, const DeviceGrid &grid, QPoint o)
{
    painter.save();
    // Clipped where the cell's lines are on the device, not where they would be.
    painter.setClipRect(QRect(QPoint(grid.at(o.x() + 1), grid.at(o.y())),
                              QPoint(grid.column(o.x() + LastLine) + grid.line - 1,
                                     grid.row(o.y() + LastLine) + grid.line - 1)));
    painter.scale(grid.scale, grid.scale);
    const QPen pen(Qt::black, 1);
    if (grid.scale == std::round(grid.scale)) {
        // The lines' very pixels.
        painter.setPen(pen);
        painter.drawPath(strikeLines(o));
    } else {
        // Smooth, through the centres of the same pixels, as one outline so that the lines
        // overlap without seams.
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(0.5, 0.5);
        painter.fillPath(QPainterPathStroker(pen).createStroke(strikeLines(o)), Qt::black);
    }
    painter.restore();
}

} // namespace

QPoint ResultBoard::cellOrigin(int n)
{
    const int column = (n - 1) % CellsPerRow;
    const int row = (n - 1) / CellsPerRow;
    return {ColumnPitch * column, RowPitch * row};
}

void ResultBoard::cellsChanged()
{
    image_ = {};
    Q_EMIT changed();
}

const QImage &ResultBoard::image() const
{
    if (image_.isNull())
        image_ = imageAt(1);
    return image_;
}

QImage ResultBoard::imageAt(qreal scale) const
{
    // At 1x the empty grid is the background picture itself: shared rather than drawn again, so
    // that a board with nothing on it costs no image of its own.
    bool empty = true;
    for (int n = 1; n <= Cells; ++n)
        empty = empty && !hiddenPicture(cell(n)) && !guessPicture(cell(n)) && !cell(n).struck;
    if (scale == 1 && empty)
        return Pictures::boardBackground();
    const DeviceGrid grid(scale);
    QImage image(grid.size, QImage::Format_RGB32);
    image.fill(Pictures::boardBackground().pixel(HiddenQuadrant));
    QPainter painter(&image);
    for (int n = 1; n <= Cells; ++n) {
        const QPoint o = cellOrigin(n);
        paintLines(painter, grid, o);
        paintQuadrant(painter, grid, o + HiddenQuadrant, hiddenPicture(cell(n)));
        paintQuadrant(painter, grid, o + GuessQuadrant, guessPicture(cell(n)));
        if (cell(n).struck)
            paintStrike(painter, grid, o);
    }
    return image;
}
