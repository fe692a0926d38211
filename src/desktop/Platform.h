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

// The record is opened to be read, or to be read and appended to.
enum class Access { Read, Append };

// Opens `path` for this user's own plain file only, never following a link, never blocking,
// and without opening anything else even for a moment. With `create`, a missing file is made
// (exclusively, so that one of two creators makes it); without, it gives -1 and None.
// Otherwise -1 and the reason, or the descriptor and None. Windows shows no owner or link
// count to check: there it is the plain opening.
int openOwnFile(const QByteArray &path, Access access, bool create, RecordProblem &problem);

bool closeFile(int fd);

// The open file's size; nothing when it cannot be told.
std::optional<qint64> fileSize(int fd);

// Appending and clearing take turns through the file's lock. A copy that holds it for long
// (stopped in a debugger, say) is waited for a fifth of a second at most: then the caller goes
// on without it.
void lockBriefly(int fd);

// Whether `fd` is still the file `path` names: clearing may have renamed it meanwhile.
bool stillNamed(int fd, const QByteArray &path);

// Reads on from where the last read stopped, going on after interruptions: the bytes read,
// 0 at the end of the file, -1 on failure.
qint64 readOn(int fd, char *buffer, qint64 size);

// Reads at `offset`: the bytes read, -1 on failure.
qint64 readAt(int fd, char *buffer, qint64 size, qint64 offset);

// Writes all of `data`, going on after interruptions and partial writes; false on any failure
// (a full disk, a quota).
bool writeWhole(int fd, const QByteArray &data);

enum class Rename { Done, NameTaken, Failed };

// Gives `from` the name `to`, never replacing what has it (a dangling link included), and
// never copying.
Rename renameWithoutReplacing(const QByteArray &from, const QByteArray &to);

// Whether the user's data folder can be named: Qt would make one up under the root on a
// system without a home.
bool dataFolderKnown();

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
