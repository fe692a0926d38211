#pragma once

#include <QByteArray>

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

// Opens `path` with `flags` for this user's own plain file only, never following a link,
// never blocking, and without opening anything else even for a moment. With `create`, a
// missing file is made (with O_EXCL, so that one of two creators makes it); without, it gives
// -1 and None. Otherwise -1 and the reason, or the descriptor and None.
int openOwnFile(const QByteArray &path, int flags, bool create, RecordProblem &problem);

} // namespace RecordProblems
