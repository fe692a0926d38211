#pragma once

#include "Board.h"

#include <QImage>
#include <QObject>
#include <QPoint>

// The result board's persistent image: ten cells, one per attempt, drawn over the empty grid.
// It says when it has changed, so that whatever shows it repaints without being told.
class ResultBoard : public QObject, public Board
{
    Q_OBJECT

public:
    static constexpr int Width = 335;
    static constexpr int Height = 130;
    static constexpr int CellSize = 63;
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

Q_SIGNALS:
    void changed();

private:
    void paintPicture(const QImage &picture, QPoint at);

    QImage image_;
};
