// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "OpenFailureNotice.h"

#include "GameTexts.h"

#include <QCoreApplication>
#include <QMessageBox>

using namespace Qt::StringLiterals;

namespace OpenFailureNotice
{

QString text(const OpenFailure &failure)
{
    const bool help = failure.request == OpenFailure::Request::Help;
    if (failure.reason == OpenFailure::Reason::NoViewer || failure.opener.isEmpty())
        return help ? QCoreApplication::translate(
                          "OpenFailureNotice",
                          "Справка не открылась: в системе нет браузера, чтобы её показать.")
                    : QCoreApplication::translate(
                          "OpenFailureNotice",
                          "Сайт не открылся: в системе нет браузера, чтобы его показать.");
    return (help ? QCoreApplication::translate("OpenFailureNotice",
                                               "Справка не открылась: в системе нет программы %1 "
                                               "из пакета xdg-utils, которая передаёт документы "
                                               "браузеру.")
                 : QCoreApplication::translate("OpenFailureNotice",
                                               "Сайт не открылся: в системе нет программы %1 из "
                                               "пакета xdg-utils, которая передаёт ссылки "
                                               "браузеру."))
        .arg(failure.opener);
}

void show(QWidget *window, const OpenFailure &failure)
{
    auto *notice = new QMessageBox(QMessageBox::Information, GameTexts::title(), text(failure),
                                   QMessageBox::Ok, window);
    notice->setObjectName(u"OpenFailureNotice"_s);
    notice->setAttribute(Qt::WA_DeleteOnClose);
    // Modal to its window only, and without a loop of its own: the game's events go on.
    notice->open();
}

} // namespace OpenFailureNotice
