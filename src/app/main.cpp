// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Application.h"
#include "ApplicationFolder.h"
#include "DisplayCheck.h"
#include "Language.h"
#include "Platform.h"
#include "ProgramInfo.h"
#include "SealedDraw.h"
#include "Sha256.h"
#include "SystemHash.h"
#include "SystemRandom.h"
#include "VerifyCommand.h"

#include <QApplication>
#include <QProcessEnvironment>
#include <cstdio>
#include <cstdlib>
#include <memory>

int main(int argc, char *argv[])
{
    Sha256::useEngine(&SystemHash::sha256);
    // A check of a record needs no display, and shows no window.
    if (VerifyCommand::asked(argc, argv)) {
        Platform::useStartingConsole();
        QCoreApplication application(argc, argv);
        Language::installForUser();
        QTextStream out(stdout);
        QTextStream errors(stderr);
        // The file's name byte for byte, as the system has it, whatever its encoding.
        return VerifyCommand::run(QList<QByteArray>(argv, argv + argc), out, errors);
    }
    DisplayCheck::dropSenselessScaleFactor();
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (!DisplayCheck::displayNamed(arguments, QProcessEnvironment::systemEnvironment())) {
        std::fputs(DisplayCheck::noDisplayMessage().constData(), stderr);
        return EXIT_FAILURE;
    }
    auto guard = std::make_unique<DisplayCheck::FatalGuard>();
#endif
    // The application id names the window's class and the desktop entry alike, so that task
    // bars know the window as the program they started.
    QApplication::setApplicationName(QString::fromUtf16(ProgramInfo::AppId));
    QApplication::setDesktopFileName(QString::fromUtf16(ProgramInfo::AppId));
    QApplication application(argc, argv);
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    guard.reset();
#endif
    Language::installForUser();
    // The folder is known before any window exists, and never changes afterwards.
    Application program(Desktop(ApplicationFolder::find()),
                        SealedDraw(SystemRandom::fill).random());
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    DisplayCheck::reportLostDisplay([&program] {
        program.endUnattended(QStringLiteral("the display was lost"), EXIT_FAILURE);
    });
#endif
    program.start();
    return QApplication::exec();
}
