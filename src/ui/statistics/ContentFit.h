// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSize>

class QDialog;
class QLabel;
class QScrollArea;
class QWidget;

// A window whose content scrolls while its buttons stay: it asks room for all of its content,
// no more, and is then cut down to the screen where it stands. Once shown it keeps to its
// content: larger with more to show, smaller with less.
class ContentFit
{
public:
    // `notes` take a line each where the window is no wider for it than `widest` makes it.
    ContentFit(QDialog &window, QScrollArea &scroll, const QLabel &notes, const QWidget &widest);

    QSize sizeHint() const;
    // The first showing: beside `other`.
    void place(const QWidget *other);
    bool placed() const { return placed_; }
    // Once placed and shown, to the size the content asks for now, if it asks for another.
    void follow();

private:
    QDialog &window_;
    QScrollArea &scroll_;
    const QLabel &notes_;
    const QWidget &widest_;
    bool placed_ = false;
    // The size the content asked for when the window was last sized to it.
    QSize fitted_;
};
