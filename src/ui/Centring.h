// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

// Places a top-level window, at its final size, in the middle of its screen. Under a window
// manager the frame is only known once the window is shown: the window is placed again, as
// a whole frame, as soon as it is. A window is always kept whole on the screen's available
// area, its frame included, however near an edge the window it is centred over stands.
void centreOnScreen(QWidget &window);
// The same over another window's frame; on the screen when `other` is null.
void centreOver(QWidget &window, const QWidget *other);
// For a window that can be resized: as large as its size hint asks, as far as the screen's
// available area allows with the frame, then centred over `other` as above.
void fitOver(QWidget &window, const QWidget *other);
