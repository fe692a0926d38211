// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QWidget>

// A borderless picture box that keeps what is drawn on it and repaints it by itself. Screen
// readers take it for an image.
class PictureBox : public QWidget
{
public:
    PictureBox(QSize size, QColor background, QWidget *parent);

    // Draw here, then update().
    QImage &image() { return image_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage image_;
};
