// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "RecordProblem.h"

#include <QString>

// What went wrong with the record, in a developer's words for the log (chuikomer.record).
namespace RecordLog
{

// The problem an errno value stands for: a full disk, a read-only file system, no permission,
// a file-size limit, or any other failure.
RecordFault fromError(int error);

// The fault in words: a refusal says what stood in the way, a failure gives the system's
// reason.
QString describe(const RecordFault &fault);

// Logs that `what` ("Appending to", say) the record at `path` ran into `fault`.
void warn(const char *what, const QString &path, const RecordFault &fault);

} // namespace RecordLog
