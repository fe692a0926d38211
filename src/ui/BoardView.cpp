#include "BoardView.h"

#include "ResultBoard.h"

#include <QPainter>

BoardView::BoardView(const ResultBoard &board, QWidget *parent) : QWidget(parent), board_(&board)
{
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&board, &ResultBoard::changed, this, qOverload<>(&QWidget::update));
}

QSize BoardView::sizeHint() const
{
    return {ResultBoard::Width, ResultBoard::Height};
}

void BoardView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!board_) {
        painter.fillRect(rect(), palette().window());
        return;
    }
    painter.drawImage(0, 0, board_->image());
    if (hasFocus()) {
        // Keyboard users need to see where Tab went; the grid's own corner stays readable.
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}
