// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "RecordProblem.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

// What the desktop layer asks of the operating system, and nothing more. Each system has its
// own file, chosen by CMake: posix/Platform.cpp, windows/Platform.cpp. A call that fails leaves
// its reason in errno unless it gives one itself.
namespace Platform
{

// The user's data folder, named after `application`, from the environment alone and byte for
// byte as the system names it: on Linux $XDG_DATA_HOME/<application> when XDG_DATA_HOME is an
// absolute path, else $HOME/.local/share/<application>; `home` is $HOME when the folder is in
// it, which must then be the user's own for anything to be made there. Both empty when they
// cannot be named: Qt would make one up under the root on a system without a home. Windows
// names no home.
struct DataFolder {
    QByteArray home;
    QByteArray path;
};
DataFolder dataFolder(const QByteArray &application);

// A folder opened for the record and its archives: its descriptor where the system has them,
// its path everywhere, and whether anything may be made in it.
struct Folder {
    int fd = -1;
    QByteArray path;
    bool mayCreate = false;
};

// Opens `path` as this user's own real folder, never through a symbolic link at its last name,
// and never blocking. On the way, a link is followed only when this user or root made it
// (ForeignLink otherwise). With `create`, a missing folder is made, and the folders above it
// as needed, each only inside a folder of this user's, and only when `home` (a folder above
// `path`, or empty for none) is this user's own (ForeignFolder otherwise). Without, a missing
// folder is nothing and None. Windows shows no owner: there the folder is made and named,
// never opened.
std::optional<Folder> openOwnFolder(const QByteArray &path, const QByteArray &home, bool create,
                                    RecordFault &fault);
void closeFolder(const Folder &folder);

// The record is opened to be read, or to be read and appended to.
enum class Access { Read, Append };

// Opens `name` in `folder` for this user's own plain file only, never following a link, never
// blocking, and without opening anything else even for a moment. With `create`, a missing file
// is made (exclusively, so that one of two creators makes it) where the folder allows it
// (ForeignFolder otherwise); without, it gives -1 and None. Otherwise -1 and the reason, or the
// descriptor and None. Windows shows no owner or link count to check: there it is the plain
// opening.
int openOwnFile(const Folder &folder, const QByteArray &name, Access access, bool create,
                RecordFault &fault);

// Makes `name` in `folder` anew for writing, never replacing whatever has the name: -1 and
// errno EEXIST when it is taken.
int createNewFile(const Folder &folder, const QByteArray &name);
// Removes `name` from `folder`.
void removeFile(const Folder &folder, const QByteArray &name);

// Opens a file the player chose, to append to it. A missing one is made under that very name,
// never through a link, and `created` says so; an existing one is looked at before it is opened,
// links followed as the player named it, and must be a plain file of this user's. -1 and the
// reason otherwise.
int openChosenFile(const QByteArray &path, RecordFault &fault, bool &created);
// Closes `fd`, a file openChosenFile made, and removes it, when `path` still names it.
void discardChosenFile(const QByteArray &path, int fd);

bool closeFile(int fd);

// The open file's size; nothing when it cannot be told.
std::optional<qint64> fileSize(int fd);
// What tells one state of a file from another: which file it is, its size and when it last
// changed. Equal stamps mean nobody wrote it in between.
struct FileStamp {
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = -1;
    qint64 changed = 0;
    friend bool operator==(const FileStamp &, const FileStamp &) = default;
};
std::optional<FileStamp> fileStamp(int fd);

// Where a program built for windows only was started from a console, its output goes there
// (Windows); elsewhere output goes where it always does.
void useStartingConsole();

// Opens any file the user may read, links followed, for reading only: a regular file, never a
// FIFO, a device or a folder, which could hold the reading up forever (NotAFile). -1 and the
// reason otherwise.
int openToRead(const QByteArray &path, RecordFault &fault);

// Appending and clearing take turns through the file's lock. A copy that holds it for long
// (stopped in a debugger, say) is waited for a fifth of a second at most: then false, and the
// caller leaves the file alone.
bool lockBriefly(int fd);

// Whether `fd` is still the file `name` names in `folder`: clearing may have renamed it.
bool stillNamed(const Folder &folder, int fd, const QByteArray &name);

// Reads on from where the last read stopped, going on after interruptions: the bytes read,
// 0 at the end of the file, -1 on failure.
qint64 readOn(int fd, char *buffer, qint64 size);

// Reads at `offset`: the bytes read, -1 on failure.
qint64 readAt(int fd, char *buffer, qint64 size, qint64 offset);

// Writes `data`, going on after interruptions and partial writes: the bytes written, fewer on
// a failure (a full disk, a quota, a size limit), whose reason errno then holds.
qint64 writeAll(int fd, const QByteArray &data);

// Writes `data` over the bytes at `offset` of a file opened for appending.
bool rewriteAt(int fd, qint64 offset, const QByteArray &data);

// Waits until what was written to the file is on the disk, so that a power cut cannot take it.
bool syncData(int fd);
// The same for the names in a folder: a file made, renamed or removed there; or in the folder
// that holds the file `path`.
bool syncFolder(const Folder &folder);
bool syncFolderOf(const QByteArray &path);

// Cuts the file back to `size` bytes; cutting takes no room on a full disk.
bool cutBack(int fd, qint64 size);

// A file-size limit (ulimit -f) only fails the write that would pass it, with EFBIG, instead of
// ending the program.
void surviveFileSizeLimit();

enum class Rename { Done, NameTaken, Failed };

// Gives `from` in `folder` the name `to`, never replacing what has it (a dangling link
// included), and never copying.
Rename renameWithoutReplacing(const Folder &folder, const QByteArray &from, const QByteArray &to);

// How a text file written for this system's own programs ends its lines.
extern const char LineEnd[];

// Whether a file written by the program may replace whatever `path` names: nothing there, or
// a plain file of this user's, writable by its mode. Looks, never opens.
bool replaceable(const QString &path);

enum class Write { Done, NameTaken, Failed };

// Writes `data` beside `name` in `folder` (which ends in its separator), then gives it the
// name in one step: a reader sees the old file or the new one, never a part, and nothing is
// written through whatever the name led to.
// NameTaken when something that cannot be replaced took the name meanwhile; Failed, with the
// reason in `whyNot`, when nothing can be written there at all.
Write replaceWhole(const QString &folder, const QString &name, const QByteArray &data,
                   QString &whyNot);

// The program that opens files and addresses with the user's own applications, where it is
// one; empty where the system itself does it.
extern const char OpenerName[];

// Starts the desktop's opener for `target` in `workingDirectory`, to outlive the program if
// need be; false, with a warning saying why, when it cannot be started. `gaveUp` is called on
// this thread once the opener has found no program to open the target with.
bool startOpener(const QString &target, const QString &workingDirectory,
                 const std::function<void()> &gaveUp);

} // namespace Platform
