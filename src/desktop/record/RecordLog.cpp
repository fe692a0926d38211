// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RecordLog.h"

#include "DesktopLog.h"

#include <cerrno>

using namespace Qt::StringLiterals;

namespace RecordLog
{

RecordFault fromError(int error)
{
    switch (error) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return {RecordProblem::NoSpace, error};
    case EROFS:
        return {RecordProblem::ReadOnly, error};
    case EACCES:
    case EPERM:
        return {RecordProblem::NoPermission, error};
    case EFBIG:
        return {RecordProblem::TooLarge, error};
    }
    return {RecordProblem::Failed, error};
}

QString describe(const RecordFault &fault)
{
    switch (fault.problem) {
    case RecordProblem::None:
        break;
    case RecordProblem::NoHome:
        return u"neither HOME nor an absolute XDG_DATA_HOME is set"_s;
    case RecordProblem::SymbolicLink:
        return u"refused, a symbolic link"_s;
    case RecordProblem::NotAFile:
        return u"refused, not a plain file"_s;
    case RecordProblem::OtherNames:
        return u"refused, the file has other names (hard links)"_s;
    case RecordProblem::OtherOwner:
        return u"refused, another user's file"_s;
    case RecordProblem::ForeignFile:
        return u"refused, the file does not begin with the record's header"_s;
    case RecordProblem::NewerVersion:
        return u"left alone, a newer version of the program wrote it"_s;
    case RecordProblem::FolderLink:
        return u"refused, the data folder is a symbolic link"_s;
    case RecordProblem::NotAFolder:
        return u"refused, the data folder is not a folder"_s;
    case RecordProblem::ForeignFolder:
        return u"refused, the data folder, the folder it would be made in or the home is "
               u"another user's"_s;
    case RecordProblem::ForeignLink:
        return u"refused, a symbolic link on the way to the data folder is another user's"_s;
    case RecordProblem::Busy:
        return u"another copy of the program holds the record's lock"_s;
    case RecordProblem::NoArchiveName:
        return u"every name for today's archive is taken"_s;
    case RecordProblem::NoSpace:
    case RecordProblem::ReadOnly:
    case RecordProblem::NoPermission:
    case RecordProblem::TooLarge:
    case RecordProblem::Failed:
        return systemError(fault.error);
    }
    return {};
}

void warn(const char *what, const QString &path, const RecordFault &fault)
{
    qCWarning(recordLog).nospace()
        << what << " the record " << path << " failed: " << qUtf8Printable(describe(fault));
}

} // namespace RecordLog
