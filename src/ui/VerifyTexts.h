// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "RecordCheck.h"
#include "RecordProblem.h"

#include <QCoreApplication>
#include <QString>

// What checking a record from the command line prints, one line each.
class VerifyTexts
{
    Q_DECLARE_TR_FUNCTIONS(VerifyTexts)

public:
    // The lines of a record as the check settles them, counted.
    struct Tally {
        int games = 0;
        int failed = 0;
        int unreadable = 0;
        int cutOff = 0;
        // What to print about the line, if anything.
        QString add(const RecordCheck::Line &line);
        // Whether the record passes: it holds games, every one holds, and no line among them is
        // unreadable; a line a stopped copy marked as cut off is no fault of the record.
        bool holds() const { return games > 0 && failed == 0 && unreadable == 0; }
    };

    // Why a line of the record fails its check.
    static QString failure(const RecordCheck::Line &line);
    // The end of the report.
    static QString summary(const Tally &tally);
    // The record's head after the game on line `line`, in groups of four digits.
    static QString head(const QByteArray &head, qint64 line);
    // The record at `path` could not be checked, with the cause.
    static QString notChecked(const QString &path, const QString &cause);
    // Why a file could not be checked.
    static QString cause(const RecordFault &fault);
    // How the command is used.
    static QString usage(const QString &program);
    // "6c40 d874 …": hex in groups of four, as it is read out and noted by hand.
    static QString grouped(QByteArrayView hex);
};
