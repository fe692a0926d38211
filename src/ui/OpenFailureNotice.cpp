// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "OpenFailureNotice.h"

#include "GameTexts.h"
#include "HelpWindow.h"

#include <QCoreApplication>
#include <QMessageBox>

using namespace Qt::StringLiterals;

namespace OpenFailureNotice
{

namespace
{

QString translated(const char *source)
{
    return QCoreApplication::translate("OpenFailureNotice", source);
}

// Why it did not open: no browser, or not even the program that hands it one.
QString why(const OpenFailure &failure)
{
    const bool help = failure.request == OpenFailure::Request::Help;
    if (failure.reason == OpenFailure::Reason::NoViewer || failure.opener.isEmpty())
        return help ? translated(QT_TRANSLATE_NOOP("OpenFailureNotice",
                                                   "Справка не открылась в браузере: в системе "
                                                   "нет браузера, чтобы её показать."))
                    : translated(QT_TRANSLATE_NOOP("OpenFailureNotice",
                                                   "Сайт не открылся: в системе нет "
                                                   "браузера, чтобы его показать."));
    return (help ? translated(QT_TRANSLATE_NOOP("OpenFailureNotice",
                                                "Справка не открылась в браузере: в системе нет "
                                                "программы %1 из пакета xdg-utils, которая "
                                                "передаёт документы браузеру."))
                 : translated(QT_TRANSLATE_NOOP("OpenFailureNotice",
                                                "Сайт не открылся: в системе нет программы %1 из "
                                                "пакета xdg-utils, которая передаёт ссылки "
                                                "браузеру.")))
        .arg(failure.opener);
}

} // namespace

QString text(const OpenFailure &failure, bool shownInstead)
{
    if (!shownInstead)
        return why(failure);
    return QCoreApplication::translate("OpenFailureNotice", "%1\n%2",
                                       "why the browser did not show it, then where it is")
        .arg(why(failure),
             translated(QT_TRANSLATE_NOOP("OpenFailureNotice",
                                          "Вместо этого справка открыта в окне программы.")));
}

void show(QWidget *window, const OpenFailure &failure, const QString &helpDocument)
{
    const bool instead =
        failure.request == OpenFailure::Request::Help && !helpDocument.isEmpty() && window;
    if (instead)
        window = HelpWindow::showDocument(window, helpDocument);
    auto *notice = new QMessageBox(QMessageBox::Information, GameTexts::title(),
                                   text(failure, instead), QMessageBox::Ok, window);
    notice->setObjectName(u"OpenFailureNotice"_s);
    notice->setAttribute(Qt::WA_DeleteOnClose);
    // Modal to its window only, and without a loop of its own: the game's events go on. Over
    // the help window, the focus comes back to the help once the notice is read.
    notice->open();
}

} // namespace OpenFailureNotice
