// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Why the record could not be used, as facts the interface puts into words. Whatever is refused
// is left exactly as it was: the games then stay in memory for this run.
enum class RecordProblem {
    None,
    // No folder to keep it in: neither HOME nor an absolute XDG_DATA_HOME is set.
    NoHome,
    // Refused at the record's name: a symbolic link; a folder, a FIFO or a device; a file with
    // a second name (a hard link); another user's file.
    SymbolicLink,
    NotAFile,
    OtherNames,
    OtherOwner,
    // Refused: a file that does not begin with the record's header line is someone else's.
    ForeignFile,
    // Left untouched: a newer version of the program wrote it, in a form this one may not know.
    NewerVersion,
    // Refused: the data folder is a symbolic link, or something else than a folder.
    FolderLink,
    NotAFolder,
    // Refused: the data folder, the folder a missing one would be made in, or the home above
    // it is another user's; nothing is ever created there.
    ForeignFolder,
    // Refused: a symbolic link on the way to the data folder was made by another user, who
    // could lead it anywhere.
    ForeignLink,
    // Another copy of the program holds the record and did not let go in time.
    Busy,
    // The system's reasons, as errno tells them: ENOSPC or EDQUOT, EROFS, EACCES or EPERM, EFBIG.
    NoSpace,
    ReadOnly,
    NoPermission,
    TooLarge,
    // Starting anew: every name for today's archive is taken.
    NoArchiveName,
    // Any other failure of the system.
    Failed,
};

// A problem with the system's error number behind it (an errno value, 0 when none), which the
// log names and the player is told when no problem above says it.
struct RecordFault {
    RecordProblem problem = RecordProblem::None;
    int error = 0;

    bool failed() const { return problem != RecordProblem::None; }
    friend bool operator==(const RecordFault &, const RecordFault &) = default;
};
