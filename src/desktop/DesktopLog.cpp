// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DesktopLog.h"

#include <cstring>

Q_LOGGING_CATEGORY(recordLog, "chuikomer.record")
Q_LOGGING_CATEGORY(desktopLog, "chuikomer.desktop")

QString systemError(int error)
{
    // qt_error_string would read an errno value as a Windows error code there.
    return QString::fromLocal8Bit(std::strerror(error));
}
