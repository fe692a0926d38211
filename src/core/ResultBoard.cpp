#include "ResultBoard.h"

#include "Game.h"
#include "Pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <array>
#include <cmath>

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
constexpr int StrikeFirstDiagonal = 56;
constexpr int StrikeLastDiagonal = 68;

// A cell's frame and cross lines, as offsets from its corner, across and down.
constexpr int GridLines[] = {0, 31, 62};
// The cell's last line, and the width of its square.
constexpr int LastLine = 62;

// Guess pictures as the board shows them, reduced once.
const QImage &reducedGuess(int index)
{
    static const auto images = [] {
        std::array<QImage, Pictures::GuessCount> all;
        for (int i = 0; i < Pictures::GuessCount; ++i)
            all[i] = Pictures::guess(i).scaled(Pictures::MarkSize, Pictures::MarkSize,
                                               Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        return all;
    }();
    return images.at(index);
}

} // namespace

ResultBoard::ResultBoard() : image_(Pictures::boardBackground()) {}

QPoint ResultBoard::cellOrigin(int n)
{
    const int column = (n - 1) % CellsPerRow;
    const int row = (n - 1) / CellsPerRow;
    return {ColumnPitch * column, RowPitch * row};
}

void ResultBoard::paintPicture(const QImage &picture, QPoint at)
{
    QPainter painter(&image_);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(at, picture);
    painter.end();
    Q_EMIT changed();
}

void ResultBoard::clear()
{
    image_ = Pictures::boardBackground();
    cells_ = {};
    Q_EMIT changed();
}

void ResultBoard::drawAttemptStart(int n)
{
    const QPoint origin = cellOrigin(n);
    cells_.at(n - 1).hidden = {Quadrant::XMark};
    cells_.at(n - 1).guess = {Quadrant::QuestionMark};
    paintPicture(Pictures::xMark(), origin + HiddenQuadrant);
    paintPicture(Pictures::questionMark(), origin + GuessQuadrant);
}

void ResultBoard::drawGuess(int n, int picture)
{
    cells_.at(n - 1).guess = {Quadrant::Guess, picture};
    paintPicture(reducedGuess(picture), cellOrigin(n) + GuessQuadrant);
}

void ResultBoard::drawReveal(int n, int picture)
{
    cells_.at(n - 1).hidden = {Quadrant::Guess, picture};
    paintPicture(reducedGuess(picture), cellOrigin(n) + HiddenQuadrant);
}

void ResultBoard::drawStrike(int n)
{
    const QPoint o = cellOrigin(n);
    cells_.at(n - 1).struck = true;
    QPainter painter(&image_);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::black, 1));
    // A(i) then B(i), as the stroke has always been drawn.
    for (int i = 0; i < StrikeLinesA; ++i) {
        const QPoint step(i, i);
        painter.drawLine(o + StrikeAStart + step, o + StrikeAEnd + step);
        if (i < StrikeLinesA - 1)
            painter.drawLine(o + StrikeBStart + step, o + StrikeBEnd + step);
    }
    painter.end();
    Q_EMIT changed();
}

namespace
{

// The diagonals of a cell that the stroke covers, as one band, clipped to `square`.
QPainterPath strikeBand(QPoint o, qreal scale, const QRect &square)
{
    constexpr qreal Far = 100;
    const qreal from = StrikeFirstDiagonal, to = StrikeLastDiagonal + 1;
    QPainterPath band;
    band.addPolygon(QPolygonF{
        {QPointF(o.x() + from - Far, o.y() + Far), QPointF(o.x() + from + Far, o.y() - Far),
         QPointF(o.x() + to + Far, o.y() - Far), QPointF(o.x() + to - Far, o.y() + Far)}});
    QPainterPath clip;
    clip.addRect(square);
    return QTransform::fromScale(scale, scale).map(band).intersected(clip);
}

} // namespace

// Where the board's pixel edges land on a device of a fractional scale, with every line the
// same whole number of device pixels wide.
struct ResultBoard::DeviceGrid {
    qreal scale;
    int line;
    QSize size;

    explicit DeviceGrid(qreal s)
        : scale(s), line(std::max(1, qRound(s))), size(qRound(Width * s), qRound(Height * s))
    {
    }
    int at(int v) const { return qRound(v * scale); }
    // A line on the board's last pixel ends at the image's edge.
    int column(int v) const { return std::min(at(v), size.width() - line); }
    int row(int v) const { return std::min(at(v), size.height() - line); }
};

QImage ResultBoard::imageAt(qreal scale) const
{
    const DeviceGrid grid(scale);
    QImage image(grid.size, QImage::Format_RGB32);
    image.fill(Pictures::boardBackground().pixel(HiddenQuadrant));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int n = 1; n <= Game::Attempts; ++n)
        paintCell(painter, grid, n);
    return image;
}

void ResultBoard::paintCell(QPainter &painter, const DeviceGrid &grid, int n) const
{
    const QPoint o = cellOrigin(n);
    const int left = grid.at(o.x()), top = grid.at(o.y());
    const int right = grid.column(o.x() + LastLine) + grid.line;
    const int bottom = grid.row(o.y() + LastLine) + grid.line;
    for (int offset : GridLines) {
        painter.fillRect(grid.column(o.x() + offset), top, grid.line, bottom - top, Qt::black);
        painter.fillRect(left, grid.row(o.y() + offset), right - left, grid.line, Qt::black);
    }
    const auto quadrant = [&](QPoint corner, const Quadrant &content) {
        const QRect area(
            QPoint(grid.at(corner.x() - 1) + grid.line, grid.at(corner.y() - 1) + grid.line),
            QPoint(grid.column(corner.x() + Pictures::MarkSize) - 1,
                   grid.row(corner.y() + Pictures::MarkSize) - 1));
        switch (content.kind) {
        case Quadrant::Empty:
            break;
        case Quadrant::XMark:
            painter.drawImage(area, Pictures::xMark());
            break;
        case Quadrant::QuestionMark:
            painter.drawImage(area, Pictures::questionMark());
            break;
        case Quadrant::Guess:
            painter.drawImage(area, Pictures::guess(content.picture));
            break;
        }
    };
    const Cell &cell = cells_[n - 1];
    quadrant(o + HiddenQuadrant, cell.hidden);
    quadrant(o + GuessQuadrant, cell.guess);
    if (cell.struck) {
        // Clipped where the cell's lines are on the device, not where they would be.
        const QRect square(QPoint(grid.at(o.x() + 1), top), QPoint(right - 1, bottom - 1));
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillPath(strikeBand(o, grid.scale, square), Qt::black);
        painter.restore();
    }
}
