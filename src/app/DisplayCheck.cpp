#include "DisplayCheck.h"

#include <QProcessEnvironment>
#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace DisplayCheck
{

const char NoDisplayMessage[] =
    "Чуйкомер: не удалось открыть графический дисплей (проверьте DISPLAY или WAYLAND_DISPLAY).\n"
    "Chuikomer: could not open a graphical display (check DISPLAY or WAYLAND_DISPLAY).\n";

namespace
{

QString optionValue(const QStringList &arguments, const QString &option)
{
    const qsizetype at = arguments.indexOf(option);
    return at >= 0 && at + 1 < arguments.size() ? arguments[at + 1] : QString();
}

QtMessageHandler previousHandler = nullptr;

void exitOnFatal(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtFatalMsg) {
        previousHandler(type, context, message);
        return;
    }
    std::fputs(NoDisplayMessage, stderr);
    std::_Exit(EXIT_FAILURE);
}

} // namespace

bool displayNamed(const QStringList &arguments, const QProcessEnvironment &environment)
{
    QString platform = optionValue(arguments, u"-platform"_s);
    if (platform.isEmpty())
        platform = environment.value(u"QT_QPA_PLATFORM"_s);
    const QString display = optionValue(arguments, u"-display"_s);
    if (!platform.isEmpty()) {
        // Only the X11 plugin needs a display named; the others find theirs themselves.
        const QString name = platform.section(u':', 0, 0);
        if (name != u"xcb"_s)
            return true;
        if (platform.section(u':', 1).contains(u"display="_s))
            return true;
        return !display.isEmpty() || !environment.value(u"DISPLAY"_s).isEmpty();
    }
    return !display.isEmpty() || !environment.value(u"DISPLAY"_s).isEmpty() ||
           !environment.value(u"WAYLAND_DISPLAY"_s).isEmpty();
}

FatalGuard::FatalGuard()
{
    previousHandler = qInstallMessageHandler(exitOnFatal);
}

FatalGuard::~FatalGuard()
{
    qInstallMessageHandler(previousHandler);
}

} // namespace DisplayCheck
