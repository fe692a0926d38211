#include "PictureBox.h"

#include <QPainter>

PictureBox::PictureBox(QSize size, QColor background, QWidget *parent)
    : QWidget(parent), image_(size, QImage::Format_RGB32)
{
    image_.fill(background);
    resize(size);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
}
