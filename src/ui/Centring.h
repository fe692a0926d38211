#pragma once

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

// Places a top-level window, at its final size, in the middle of its screen.
inline void centreOnScreen(QWidget &window)
{
    window.adjustSize();
    const QScreen *screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}
