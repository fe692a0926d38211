#pragma once

#include <QStringList>

class QProcessEnvironment;

// Whether the program has a display to show its window on, asked before Qt is, because Qt
// ends a program without one by aborting with a message that blames the installation.
namespace DisplayCheck
{

// Whether the command line or the environment names a display or a platform for Qt to try:
// "-display", "-platform", QT_QPA_PLATFORM, DISPLAY, WAYLAND_DISPLAY. Empty values name
// nothing.
bool displayNamed(const QStringList &arguments, const QProcessEnvironment &environment);

// The program's own words when no display can be opened, in Russian and English.
extern const char NoDisplayMessage[];

// Until the returned guard goes, a failure to open the display ends the program with
// NoDisplayMessage and exit status 1 instead of an abort.
class FatalGuard
{
public:
    FatalGuard();
    ~FatalGuard();
    FatalGuard(const FatalGuard &) = delete;
    FatalGuard &operator=(const FatalGuard &) = delete;
};

} // namespace DisplayCheck
