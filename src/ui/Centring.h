// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

// Places a top-level window, at its final size, in the middle of its screen. Under a window
// manager the frame is only known once the window is shown: the window is placed again, as
// a whole frame, as soon as it is. A window is always kept whole on the screen's available
// area, its frame included, however near an edge the window it is centred over stands.
void centreOnScreen(QWidget &window);
// For a window that can be resized: as large as its size hint asks, as far as the screen's
// available area allows with the frame, then beside `other`'s frame, its tops level: to the right
// where the screen has room for the whole frame, else to the left; with room on neither side,
// against the screen's edge on the roomier side, so that it hides as little of `other` as it can,
// and below `other`'s title bar, lower where it must, so that `other` can still be moved and
// closed.
void fitBeside(QWidget &window, const QWidget *other);
// A shown window grown or shrunk to its size hint where it stands, as far as its screen
// allows, and moved no further than it takes to keep it whole there; never over the title bar
// of the window it belongs to.
void refit(QWidget &window);
