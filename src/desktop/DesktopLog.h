// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLoggingCategory>
#include <QString>

// Where the desktop layer says what went wrong, for whoever runs the program from a terminal:
// QT_LOGGING_RULES="chuikomer.*=false" silences it. The game itself goes on either way.
Q_DECLARE_LOGGING_CATEGORY(recordLog)
Q_DECLARE_LOGGING_CATEGORY(desktopLog)

// The system's words for an errno value, taken at once, before logging can change errno.
QString systemError(int error);
