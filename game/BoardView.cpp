#include "BoardView.h"

#include "ResultBoard.h"

#include <QPainter>

BoardView::BoardView(const ResultBoard &board, QWidget *parent) : QWidget(parent), board_(board)
{
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize BoardView::sizeHint() const
{
    return {ResultBoard::Width, ResultBoard::Height};
}

void BoardView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, board_.image());
    if (hasFocus()) {
        // Keyboard users need to see where Tab went; the grid's own corner stays readable.
        QPen pen(Qt::black, 1, Qt::DotLine);
        painter.setPen(pen);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}
