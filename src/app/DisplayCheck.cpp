// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DisplayCheck.h"

#include "DisplayTexts.h"

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
// Made while the program can still make them: a fatal message is no place to translate.
QByteArray noDisplay;
QByteArray lostDisplay;

void exitOnFatal(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtFatalMsg) {
        previousHandler(type, context, message);
        return;
    }
    std::fputs(noDisplay.constData(), stderr);
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
        std::fputs(lostDisplay.constData(), stderr);
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
    std::fputs(DisplayTexts::senselessScaleFactor(value).toLocal8Bit().constData(), stderr);
    qunsetenv("QT_SCALE_FACTOR");
}

QByteArray noDisplayMessage()
{
    return DisplayTexts::noDisplay().toLocal8Bit();
}

void reportLostDisplay(std::function<void()> beforeExit)
{
    lastWords = std::move(beforeExit);
    lostDisplay = DisplayTexts::lostDisplay().toLocal8Bit();
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
    noDisplay = noDisplayMessage();
    previousHandler = qInstallMessageHandler(exitOnFatal);
}

FatalGuard::~FatalGuard()
{
    qInstallMessageHandler(previousHandler);
}

} // namespace DisplayCheck
