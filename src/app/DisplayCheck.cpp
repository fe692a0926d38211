// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DisplayCheck.h"

#include <QCoreApplication>
#include <QProcessEnvironment>
#include <QThread>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <utility>

using namespace Qt::StringLiterals;

namespace DisplayCheck
{

const char NoDisplayMessage[] =
    "Чуйкомер: не удалось открыть графический дисплей (проверьте DISPLAY или WAYLAND_DISPLAY).\n"
    "Chuikomer: could not open a graphical display (check DISPLAY or WAYLAND_DISPLAY).\n";

const char LostDisplayMessage[] =
    "Чуйкомер: связь с графическим дисплеем потеряна, программа завершается.\n"
    "Chuikomer: the connection to the graphical display was lost; the program ends.\n";

namespace
{

constexpr double SmallestScale = 0.5;
constexpr double LargestScale = 8.0;

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

QtMessageHandler beforeLostDisplay = nullptr;
std::function<void()> lastWords;

// The display plugins say so in a warning and end the program themselves: X11 "The X11
// connection broke", Wayland "The Wayland connection broke". X11 says it on the main thread,
// where whatever the program still has to do can be done.
void exitOnLostDisplay(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message.contains(u"connection broke"_s)) {
        std::fputs(LostDisplayMessage, stderr);
        if (lastWords && QThread::currentThread() == QCoreApplication::instance()->thread())
            std::exchange(lastWords, nullptr)();
        std::_Exit(EXIT_FAILURE);
    }
    if (beforeLostDisplay)
        beforeLostDisplay(type, context, message);
}

} // namespace

bool scaleFactorSensible(const QByteArray &value)
{
    bool number = false;
    // As Qt reads it.
    const double factor = QString::fromLatin1(value).toDouble(&number);
    return number && std::isfinite(factor) && factor >= SmallestScale && factor <= LargestScale;
}

void dropSenselessScaleFactor()
{
    if (qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR"))
        return;
    const QByteArray value = qgetenv("QT_SCALE_FACTOR");
    if (scaleFactorSensible(value))
        return;
    std::fprintf(stderr,
                 "Чуйкомер: QT_SCALE_FACTOR=%.40s не число от 0,5 до 8, оно не учитывается.\n"
                 "Chuikomer: QT_SCALE_FACTOR=%.40s is not a number from 0.5 to 8; ignored.\n",
                 value.constData(), value.constData());
    qunsetenv("QT_SCALE_FACTOR");
}

void reportLostDisplay(std::function<void()> beforeExit)
{
    lastWords = std::move(beforeExit);
    beforeLostDisplay = qInstallMessageHandler(exitOnLostDisplay);
}

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
