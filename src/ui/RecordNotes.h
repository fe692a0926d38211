// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "RecordState.h"

#include <QCoreApplication>
#include <QStringList>

// What the player is told about the record, in whole sentences: what happened first, then why,
// and where the record is last: how many games are only in memory, and what was not read.
class RecordNotes
{
    Q_DECLARE_TR_FUNCTIONS(RecordNotes)

public:
    // The cause of a problem, one sentence.
    // What a pronoun for `games` agrees with: one game alone is "it", 21 games are "they".
    static int pronounCount(int games);
    static QString cause(const RecordFault &fault);
    // The statistics window's notes on the record, one paragraph each; none when all is well.
    static QStringList notes(const RecordState &state);
    // The question at the end of the program, while games are only in memory.
    static QString unsavedAtExit(const RecordState &state);
    // The games could not be written to the file the player chose.
    static QString notSavedTo(const QString &path, const RecordFault &fault);
    // The record could not be started anew.
    static QString notCleared(const RecordState &state, const RecordFault &fault);

private:
    // Where the record is, as the last words of a note; nothing when it has no place.
    static QString where(const QString &path);
};
