// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "RecordProblem.h"

#include <QList>
#include <QString>

// What the player is to be told about the record: where it is, how many games of this run it
// could not keep, and why, and what of it could not be read.
struct RecordState {
    // The record's file as the player reads its name; empty when there is no data folder.
    QString path;
    // Games of this run kept only in memory, and why the last attempt to write them failed.
    int unsaved = 0;
    RecordFault notSaved;
    // Why the last reading could not show the whole record: it could not be opened or read,
    // it is someone else's, or a newer version wrote it (then what this one understands shows).
    RecordFault unreadable;
    // Lines of the record that hold no game this version reads, at the last reading.
    int unreadableLines = 0;
    // Games of the record that fail their check (RecordCheck), left out of the statistics, and
    // the first of their lines, numbered as an editor numbers them.
    int failedGames = 0;
    QList<qint64> failedLines;
};
