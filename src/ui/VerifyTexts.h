// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "RecordCheck.h"

#include <QCoreApplication>
#include <QString>

// What checking a record from the command line prints, one line each.
class VerifyTexts
{
    Q_DECLARE_TR_FUNCTIONS(VerifyTexts)

public:
    // Why a line of the record fails its check.
    static QString failure(const RecordCheck::Line &line);
    // The end of the report: `games` read, `failed` of them failing.
    static QString summary(int games, int failed, int unreadable);
    // The record at `path` could not be checked, with the cause.
    static QString notChecked(const QString &path, const QString &cause);
    // How the command is used.
    static QString usage(const QString &program);
};
