// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BoardView.h"

#include "ResultBoard.h"

#include <QFocusEvent>
#include <QPainter>
#include <QToolTip>
#include <cmath>

BoardView::BoardView(const ResultBoard &board, QWidget *parent) : QWidget(parent), board_(&board)
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
    if (!board_) {
        painter.fillRect(rect(), palette().window());
        return;
    }
    const qreal scale = devicePixelRatioF();
    // Whole scales repeat each pixel, as Qt does by itself. At others the board comes drawn
    // for the device, and goes on it one image pixel to one device pixel.
    const bool whole = scale == std::round(scale);
    const QImage image = whole ? board_->image() : board_->imageAt(scale);
    if (!whole)
        painter.scale(1 / scale, 1 / scale);
    painter.drawImage(0, 0, image);
    if (hasFocus()) {
        // Keyboard users need to see where Tab went; the grid's own corner stays readable.
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawRect(image.rect().adjusted(0, 0, -1, -1));
    }
}

void BoardView::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    if (event->reason() == Qt::MouseFocusReason || toolTip().isEmpty())
        return;
    // Once the focus has settled, since a tool tip goes with any further focus change; under
    // the board, where it hides none of the controls a keyboard player is using.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (hasFocus())
                QToolTip::showText(mapToGlobal(QPoint(0, height())), toolTip(), this);
        },
        Qt::QueuedConnection);
}

void BoardView::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    QToolTip::hideText();
}
