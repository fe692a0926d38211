#include "ResultBoard.h"

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

QImage ResultBoard::imageAt(qreal scale) const
{
    const qreal whole = std::round(scale);
    if (std::abs(scale - whole) < 1e-6) {
        QImage repeated = image_.scaled(image_.size() * int(whole), Qt::IgnoreAspectRatio,
                                        Qt::FastTransformation);
        repeated.setDevicePixelRatio(whole);
        return repeated;
    }
    QImage drawn = drawnAt(scale);
    drawn.setDevicePixelRatio(scale);
    return drawn;
}

QImage ResultBoard::drawnAt(qreal scale) const
{
    // A pixel edge at v lands on device pixel m(v); every line is `line` device pixels wide.
    const auto m = [scale](int v) { return qRound(v * scale); };
    const int line = std::max(1, qRound(scale));
    QImage image(m(Width), m(Height), QImage::Format_RGB32);
    // A line on the board's last pixel ends at the image's edge.
    const auto column = [&](int v) { return std::min(m(v), image.width() - line); };
    const auto row = [&](int v) { return std::min(m(v), image.height() - line); };
    image.fill(Pictures::boardBackground().pixel(2, 2));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    constexpr int Lines[] = {0, 31, 62};
    for (int n = 1; n <= 10; ++n) {
        const QPoint o = cellOrigin(n);
        const int left = m(o.x()), top = m(o.y());
        const int right = column(o.x() + 62) + line, bottom = row(o.y() + 62) + line;
        for (int offset : Lines) {
            painter.fillRect(column(o.x() + offset), top, line, bottom - top, Qt::black);
            painter.fillRect(left, row(o.y() + offset), right - left, line, Qt::black);
        }
        const auto quadrant = [&](QPoint corner, const Quadrant &content) {
            const QRect area(QPoint(m(corner.x() - 1) + line, m(corner.y() - 1) + line),
                             QPoint(column(corner.x() + 30) - 1, row(corner.y() + 30) - 1));
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
            // The diagonals 56..68 of the cell, as one band, inside the cell's square.
            QPainterPath band;
            band.addPolygon(QPolygonF{{QPointF(o.x() + 56.0 - 100, o.y() + 100.0),
                                       QPointF(o.x() + 56.0 + 100, o.y() - 100.0),
                                       QPointF(o.x() + 69.0 + 100, o.y() - 100.0),
                                       QPointF(o.x() + 69.0 - 100, o.y() + 100.0)}});
            // Clipped where the cell's lines are on the device, not where they would be.
            QPainterPath square;
            square.addRect(QRect(QPoint(m(o.x() + 1), top), QPoint(right - 1, bottom - 1)));
            painter.save();
            painter.setRenderHint(QPainter::Antialiasing);
            painter.fillPath(QTransform::fromScale(scale, scale).map(band).intersected(square),
                             Qt::black);
            painter.restore();
        }
    }
    return image;
}
