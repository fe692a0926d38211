// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Why the record could not be used. A name that is refused is left exactly as it was: the
// games then stay in memory for this run.
enum class RecordProblem {
    None,
    // No folder to keep it in: neither HOME nor XDG_DATA_HOME is set.
    NoHome,
    // Refused: whatever a link led to is not the record's to change.
    SymbolicLink,
    // Refused: a folder, a FIFO, a device.
    NotAFile,
    // Refused: a file with a second name (a hard link) belongs elsewhere too.
    OtherNames,
    // Refused: another user's file.
    OtherOwner,
    // It cannot be created, read or written: no permission, a full disk, a missing folder.
    Failed,
};

namespace RecordProblems
{

// The problem in a developer's words, for the log: a refusal says what stood at the name,
// a failure gives the system's reason for `error` (an errno value).
QString describe(RecordProblem problem, int error);

// Logs that `what` ("Appending to", say) the record at `path` ran into `problem`.
void warn(const char *what, const QString &path, RecordProblem problem, int error);

} // namespace RecordProblems
