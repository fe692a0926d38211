// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QStringList>
#include <functional>

class QProcessEnvironment;

// Whether the program has a display to show its window on, asked before Qt is, because Qt
// ends a program without one by aborting with a message that blames the installation.
namespace DisplayCheck
{

// Whether the command line or the environment names a display or a platform for Qt to try:
// "-display", "-platform", QT_QPA_PLATFORM, DISPLAY, WAYLAND_DISPLAY. Empty values name
// nothing.
bool displayNamed(const QStringList &arguments, const QProcessEnvironment &environment);

// The program's own words when no display can be opened, in the user's language, for the
// error output.
QByteArray noDisplayMessage();

// Whether a QT_SCALE_FACTOR value makes sense: finite, and from 0.5 to 8. Qt takes any other
// number as it is, and shows no window or one of tens of thousands of pixels.
bool scaleFactorSensible(const QByteArray &value);

// Unsets a QT_SCALE_FACTOR that makes no sense, with a warning on stderr in the user's
// language; the program goes on at the screen's own scale. Before QApplication exists.
void dropSenselessScaleFactor();

// From now on, a lost connection to the display ends the program with words of its own
// (status 1) instead of Qt's, after `beforeExit`, which Qt leaves no event loop for.
void reportLostDisplay(std::function<void()> beforeExit);

// Until the returned guard goes, a failure to open the display ends the program with
// noDisplayMessage() and exit status 1 instead of an abort.
class FatalGuard
{
public:
    FatalGuard();
    ~FatalGuard();
    FatalGuard(const FatalGuard &) = delete;
    FatalGuard &operator=(const FatalGuard &) = delete;
};

} // namespace DisplayCheck
