#include "Application.h"
#include "ApplicationFolder.h"
#include "ProgramInfo.h"
#include "TimeSeededDraw.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    // Qt aborts without a display; say plainly what is missing instead.
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") &&
        !std::getenv("QT_QPA_PLATFORM")) {
        std::fputs(
            "Чуйкомер: нет графического дисплея (не заданы DISPLAY и WAYLAND_DISPLAY).\n"
            "Chuikomer: no graphical display (neither DISPLAY nor WAYLAND_DISPLAY is set).\n",
            stderr);
        return EXIT_FAILURE;
    }
#endif
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf16(ProgramInfo::Title));
    // The folder is known before any window exists, and never changes afterwards.
    Application program(Desktop(ApplicationFolder::find()), TimeSeededDraw{});
    program.start();
    return QApplication::exec();
}
