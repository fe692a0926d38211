#pragma once

#include "Board.h"

#include <QImage>
#include <QObject>
#include <QPoint>
#include <array>

class QPainter;

// The result board's persistent image: ten cells, one per attempt, drawn over the empty grid.
// It says when it has changed, so that whatever shows it repaints without being told.
class ResultBoard : public QObject, public Board
{
    Q_OBJECT

public:
    static constexpr int Width = 335;
    static constexpr int Height = 130;
    // Cells stand in two rows of five; the rows are one pixel closer than the columns.
    static constexpr int CellsPerRow = 5;
    static constexpr int ColumnPitch = 68;
    static constexpr int RowPitch = 67;

    ResultBoard();

    // Top left corner of attempt n's square.
    static QPoint cellOrigin(int n);

    void clear() override;
    void drawAttemptStart(int n) override;
    void drawGuess(int n, int picture) override;
    void drawReveal(int n, int picture) override;
    void drawStrike(int n) override;

    const QImage &image() const { return image_; }

    // The board in device pixels for a screen of a fractional `scale` (whole ones only repeat
    // each pixel of image()): the grid lines all alike and the pictures and strokes smooth,
    // so that no line comes out one pixel here and two there.
    QImage imageAt(qreal scale) const;

Q_SIGNALS:
    void changed();

private:
    // What a quadrant shows, for drawing it again at another scale.
    struct Quadrant {
        enum Kind { Empty, XMark, QuestionMark, Guess } kind = Empty;
        int picture = 0;
    };
    struct Cell {
        Quadrant hidden;
        Quadrant guess;
        bool struck = false;
    };

    void paintPicture(const QImage &picture, QPoint at);
    struct DeviceGrid;
    void paintCell(QPainter &painter, const DeviceGrid &grid, int n) const;

    QImage image_;
    std::array<Cell, 10> cells_{};
};
