#include "BoardView.h"

#include "ResultBoard.h"

#include <QPainter>
#include <cmath>

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
    const qreal scale = devicePixelRatioF();
    // Whole scales repeat each pixel, as Qt does by itself.
    if (scale == std::round(scale))
        painter.drawImage(0, 0, board_->image());
    else {
        // One image pixel to one device pixel, unscaled.
        QImage device = board_->imageAt(scale);
        device.setDevicePixelRatio(1);
        painter.save();
        painter.scale(1 / scale, 1 / scale);
        painter.drawImage(0, 0, device);
        painter.restore();
    }
    if (hasFocus()) {
        // Keyboard users need to see where Tab went; the grid's own corner stays readable.
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}
