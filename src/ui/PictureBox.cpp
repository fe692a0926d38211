// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PictureBox.h"

#include <QAccessibleWidget>
#include <QPainter>

namespace
{

QAccessibleInterface *imageRole(const QString &, QObject *object)
{
    if (auto *box = dynamic_cast<PictureBox *>(object))
        return new QAccessibleWidget(box, QAccessible::Graphic);
    return nullptr;
}

} // namespace

PictureBox::PictureBox(QSize size, QColor background, QWidget *parent)
    : QWidget(parent), image_(size, QImage::Format_RGB32)
{
    // Before anything asks this box for its accessible side, which is made only once.
    static const bool installed = (QAccessible::installFactory(imageRole), true);
    Q_UNUSED(installed);
    image_.fill(background);
    resize(size);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
}
