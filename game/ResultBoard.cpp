#include "ResultBoard.h"

#include "Pictures.h"

#include <QPainter>
#include <array>

namespace
{

// Quadrant interiors relative to a cell's corner.
constexpr QPoint UpperLeft{1, 1};
constexpr QPoint LowerRight{32, 32};
constexpr int Reduced = 30;

// Guess pictures as the board shows them, reduced once.
const QImage &reducedGuess(int index)
{
    static const auto images = [] {
        std::array<QImage, Pictures::GuessCount> all;
        for (int i = 0; i < Pictures::GuessCount; ++i)
            all[i] = Pictures::guess(i).scaled(Reduced, Reduced, Qt::IgnoreAspectRatio,
                                               Qt::SmoothTransformation);
        return all;
    }();
    return images.at(index);
}

} // namespace

ResultBoard::ResultBoard() : image_(Pictures::boardBackground()) {}

QPoint ResultBoard::cellOrigin(int n)
{
    const int column = (n - 1) % 5;
    const int row = (n - 1) / 5;
    return {68 * column, 67 * row};
}

void ResultBoard::paintPicture(const QImage &picture, QPoint at)
{
    QPainter painter(&image_);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(at, picture);
}

void ResultBoard::ClearBoard()
{
    image_ = Pictures::boardBackground();
}

void ResultBoard::DrawAttemptStart(int n)
{
    const QPoint origin = cellOrigin(n);
    paintPicture(Pictures::xMark(), origin + UpperLeft);
    paintPicture(Pictures::questionMark(), origin + LowerRight);
}

void ResultBoard::DrawGuess(int n, int picture)
{
    paintPicture(reducedGuess(picture), cellOrigin(n) + LowerRight);
}

void ResultBoard::DrawReveal(int n, int picture)
{
    paintPicture(reducedGuess(picture), cellOrigin(n) + UpperLeft);
}

void ResultBoard::DrawStrike(int n)
{
    const QPoint o = cellOrigin(n);
    QPainter painter(&image_);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::black, 1));
    // Thirteen neighbouring 45-degree diagonals, A(i) then B(i), make one solid stroke.
    for (int i = 0; i <= 6; ++i) {
        painter.drawLine(o + QPoint(1 + i, 55 + i), o + QPoint(56 + i, i));
        if (i < 6)
            painter.drawLine(o + QPoint(2 + i, 55 + i), o + QPoint(56 + i, 1 + i));
    }
}
