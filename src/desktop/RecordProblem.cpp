// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RecordProblem.h"

#include "DesktopLog.h"

using namespace Qt::StringLiterals;

namespace RecordProblems
{

QString describe(RecordProblem problem, int error)
{
    switch (problem) {
    case RecordProblem::None:
        break;
    case RecordProblem::NoHome:
        return u"neither HOME nor XDG_DATA_HOME is set"_s;
    case RecordProblem::SymbolicLink:
        return u"refused, a symbolic link"_s;
    case RecordProblem::NotAFile:
        return u"refused, not a plain file"_s;
    case RecordProblem::OtherNames:
        return u"refused, the file has other names (hard links)"_s;
    case RecordProblem::OtherOwner:
        return u"refused, another user's file"_s;
    case RecordProblem::Failed:
        return systemError(error);
    }
    return {};
}

void warn(const char *what, const QString &path, RecordProblem problem, int error)
{
    qCWarning(recordLog).nospace() << what << " the record " << path
                                   << " failed: " << qUtf8Printable(describe(problem, error));
}

} // namespace RecordProblems
