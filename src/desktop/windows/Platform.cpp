// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Platform.h"

#include "DesktopLog.h"
#include "RecordLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <qt_windows.h>
#include <shellapi.h>
#include <sys/stat.h>

namespace Platform
{

namespace
{

QByteArray inFolder(const Folder &folder, const QByteArray &name)
{
    return folder.path + '/' + name;
}

} // namespace

DataFolder dataFolder(const QByteArray &)
{
    return {{},
            QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))};
}

// No owner to check here, and no folder to hold open: it is made and named.
std::optional<Folder> openOwnFolder(const QByteArray &path, const QByteArray &, bool create,
                                    RecordFault &fault)
{
    fault = {};
    const QString name = QFile::decodeName(path);
    if (QFileInfo(name).isDir())
        return Folder{-1, path, true};
    if (create && QDir().mkpath(name))
        return Folder{-1, path, true};
    if (create)
        fault = RecordLog::fromError(EACCES);
    return std::nullopt;
}

void closeFolder(const Folder &) {}

// The C library shows no owner or link count here, and cannot open a name without following
// it: the plain opening is all there is.
int openOwnFile(const Folder &folder, const QByteArray &name, Access access, bool create,
                RecordFault &fault)
{
    const int flags = access == Access::Append ? _O_RDWR | _O_APPEND : _O_RDONLY;
    const int fd = ::_open(inFolder(folder, name).constData(),
                           flags | _O_BINARY | (create ? _O_CREAT : 0), _S_IREAD | _S_IWRITE);
    fault = fd >= 0 || errno == ENOENT ? RecordFault{} : RecordLog::fromError(errno);
    return fd;
}

int createNewFile(const Folder &folder, const QByteArray &name)
{
    return ::_open(inFolder(folder, name).constData(), _O_WRONLY | _O_BINARY | _O_CREAT | _O_EXCL,
                   _S_IREAD | _S_IWRITE);
}

void removeFile(const Folder &folder, const QByteArray &name)
{
    ::_unlink(inFolder(folder, name).constData());
}

int openChosenFile(const QByteArray &path, RecordFault &fault, bool &created)
{
    constexpr int Flags = _O_RDWR | _O_APPEND | _O_BINARY;
    int fd = ::_open(path.constData(), Flags | _O_CREAT | _O_EXCL, _S_IREAD | _S_IWRITE);
    created = fd >= 0;
    if (fd < 0 && errno == EEXIST)
        fd = ::_open(path.constData(), Flags);
    fault = fd >= 0 ? RecordFault{} : RecordLog::fromError(errno);
    return fd;
}

// An open file cannot be removed here, nor replaced meanwhile.
void discardChosenFile(const QByteArray &path, int fd)
{
    ::_close(fd);
    ::_unlink(path.constData());
}

bool closeFile(int fd)
{
    return ::_close(fd) == 0;
}

std::optional<qint64> fileSize(int fd)
{
    struct _stati64 info {
    };
    if (::_fstati64(fd, &info) != 0)
        return std::nullopt;
    return info.st_size;
}

std::optional<FileStamp> fileStamp(int fd)
{
    struct _stati64 info {
    };
    if (::_fstati64(fd, &info) != 0)
        return std::nullopt;
    return FileStamp{quint64(info.st_dev), quint64(info.st_ino), info.st_size,
                     qint64(info.st_mtime)};
}

void useStartingConsole()
{
    // Output already led elsewhere, to a file or a pipe, stays there.
    if (!AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    if (_fileno(stdout) < 0 || _get_osfhandle(_fileno(stdout)) < 0)
        std::freopen("CONOUT$", "w", stdout);
    if (_fileno(stderr) < 0 || _get_osfhandle(_fileno(stderr)) < 0)
        std::freopen("CONOUT$", "w", stderr);
}

int openToRead(const QByteArray &path, RecordFault &fault)
{
    const int fd = ::_open(path.constData(), _O_RDONLY | _O_BINARY);
    if (fd < 0) {
        fault = RecordLog::fromError(errno);
        return -1;
    }
    struct _stati64 info {
    };
    if (::_fstati64(fd, &info) != 0 || (info.st_mode & _S_IFMT) != _S_IFREG) {
        fault = {RecordProblem::NotAFile, 0};
        ::_close(fd);
        return -1;
    }
    return fd;
}

// Neither is needed here: a file the C library holds open cannot be renamed away, so
// clearing cannot slip between an appender's opening and its write.
bool lockBriefly(int)
{
    return true;
}

bool stillNamed(const Folder &, int, const QByteArray &)
{
    return true;
}

qint64 readOn(int fd, char *buffer, qint64 size)
{
    return ::_read(fd, buffer, unsigned(size));
}

qint64 readAt(int fd, char *buffer, qint64 size, qint64 offset)
{
    if (::_lseeki64(fd, offset, SEEK_SET) != offset)
        return -1;
    return ::_read(fd, buffer, unsigned(size));
}

bool rewriteAt(int fd, qint64 offset, const QByteArray &data)
{
    // Below the C library, whose appending would move the write to the end.
    const auto file = reinterpret_cast<HANDLE>(::_get_osfhandle(fd));
    OVERLAPPED at{};
    at.Offset = DWORD(offset);
    at.OffsetHigh = DWORD(offset >> 32);
    DWORD written = 0;
    if (file == INVALID_HANDLE_VALUE ||
        !::WriteFile(file, data.constData(), DWORD(data.size()), &written, &at)) {
        errno = EIO;
        return false;
    }
    return written == DWORD(data.size());
}

qint64 writeAll(int fd, const QByteArray &data)
{
    qsizetype done = 0;
    while (done < data.size()) {
        const auto n = ::_write(fd, data.constData() + done, unsigned(data.size() - done));
        if (n <= 0)
            break;
        done += n;
    }
    return done;
}

bool syncData(int fd)
{
    return ::_commit(fd) == 0;
}

// The system keeps a folder's names itself.
bool syncFolder(const Folder &)
{
    return true;
}

bool syncFolderOf(const QByteArray &)
{
    return true;
}

bool cutBack(int fd, qint64 size)
{
    return ::_chsize_s(fd, size) == 0;
}

// There is no such signal here.
void surviveFileSizeLimit() {}

// Windows' rename never replaces an existing name.
Rename renameWithoutReplacing(const Folder &folder, const QByteArray &from, const QByteArray &to)
{
    if (std::rename(inFolder(folder, from).constData(), inFolder(folder, to).constData()) == 0)
        return Rename::Done;
    return errno == EEXIST ? Rename::NameTaken : Rename::Failed;
}

// As Windows' own text files end them.
const char LineEnd[] = "\r\n";

// The number of hard links is not checked here; the rename leaves a linked file alone anyway.
bool replaceable(const QString &path)
{
    const QFileInfo info(path);
    return !info.isSymLink() && (!info.exists() || (info.isFile() && info.isWritable()));
}

// QSaveFile writes beside the name and renames on commit.
Write replaceWhole(const QString &folder, const QString &name, const QByteArray &data,
                   QString &whyNot)
{
    QSaveFile file(folder + name);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly)) {
        whyNot = file.errorString();
        return Write::Failed;
    }
    if (file.write(data) != data.size())
        file.cancelWriting();
    if (file.commit())
        return Write::Done;
    whyNot = file.errorString();
    return Write::Failed;
}

const char OpenerName[] = "";

bool startOpener(const QString &target, const QString &workingDirectory,
                 const std::function<void()> &gaveUp)
{
    // The wide call: "Справка.html" does not survive a code page without Cyrillic.
    const auto result =
        ShellExecuteW(nullptr, L"Open", reinterpret_cast<LPCWSTR>(target.utf16()), nullptr,
                      reinterpret_cast<LPCWSTR>(workingDirectory.utf16()), SW_SHOWNORMAL);
    const auto code = reinterpret_cast<INT_PTR>(result);
    if (code > 32)
        return true;
    qCWarning(desktopLog).nospace()
        << "ShellExecute could not open " << target << ": error " << qint64(code);
    // The shell itself is always there: it may lack a program for the target.
    if ((code == SE_ERR_NOASSOC || code == SE_ERR_ASSOCINCOMPLETE) && gaveUp)
        gaveUp();
    return true;
}

} // namespace Platform
