#pragma once

#include <QWidget>

// Places a top-level window, at its final size, in the middle of its screen. Under a window
// manager the frame is only known once the window is shown: the window is centred again, as
// a whole frame, as soon as it is.
void centreOnScreen(QWidget &window);
// The same over another window's frame; on the screen when `other` is null.
void centreOver(QWidget &window, const QWidget *other);
