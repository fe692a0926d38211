#include "ResultBoard.h"

#include "Pictures.h"

#include <QPainter>
#include <array>

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
    Q_EMIT changed();
}

void ResultBoard::drawAttemptStart(int n)
{
    const QPoint origin = cellOrigin(n);
    paintPicture(Pictures::xMark(), origin + HiddenQuadrant);
    paintPicture(Pictures::questionMark(), origin + GuessQuadrant);
}

void ResultBoard::drawGuess(int n, int picture)
{
    paintPicture(reducedGuess(picture), cellOrigin(n) + GuessQuadrant);
}

void ResultBoard::drawReveal(int n, int picture)
{
    paintPicture(reducedGuess(picture), cellOrigin(n) + HiddenQuadrant);
}

void ResultBoard::drawStrike(int n)
{
    const QPoint o = cellOrigin(n);
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
