#pragma once

#include "Board.h"

#include <QImage>
#include <QPoint>

// The result board's persistent image: ten cells, one per attempt, drawn over the empty grid.
class ResultBoard : public Board
{
public:
    static constexpr int Width = 335;
    static constexpr int Height = 130;
    static constexpr int CellSize = 63;

    ResultBoard();

    // Top left corner of attempt n's square.
    static QPoint cellOrigin(int n);

    void ClearBoard() override;
    void DrawAttemptStart(int n) override;
    void DrawGuess(int n, int picture) override;
    void DrawReveal(int n, int picture) override;
    void DrawStrike(int n) override;

    const QImage &image() const { return image_; }

private:
    void paintPicture(const QImage &picture, QPoint at);

    QImage image_;
};
