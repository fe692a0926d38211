// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Platform.h"

#include "DesktopLog.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QStringList>
#include <QThread>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace Platform
{

namespace
{

RecordProblem vet(const struct stat &info)
{
    if (S_ISLNK(info.st_mode))
        return RecordProblem::SymbolicLink;
    if (!S_ISREG(info.st_mode))
        return RecordProblem::NotAFile;
    if (info.st_nlink != 1)
        return RecordProblem::OtherNames;
    if (info.st_uid != ::geteuid())
        return RecordProblem::OtherOwner;
    return RecordProblem::None;
}

} // namespace

int openOwnFile(const QByteArray &path, Access access, bool create, RecordProblem &problem)
{
    const int flags = access == Access::Append ? O_RDWR | O_APPEND : O_RDONLY;
    constexpr int Safe = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
    // A few rounds, for a name that comes or goes between the look and the opening.
    for (int round = 0; round < 3; ++round) {
        struct stat seen {
        };
        // Looked at first, so that a FIFO or a device is never opened at all.
        if (::lstat(path.constData(), &seen) != 0) {
            problem = errno == ENOENT ? RecordProblem::None : RecordProblem::Failed;
            if (errno != ENOENT || !create)
                return -1;
            const int fd = ::open(path.constData(), flags | O_CREAT | O_EXCL | Safe, 0644);
            if (fd >= 0 || errno != EEXIST) {
                problem = fd >= 0 ? RecordProblem::None : RecordProblem::Failed;
                return fd;
            }
            continue;
        }
        problem = vet(seen);
        if (problem != RecordProblem::None)
            return -1;
        const int fd = ::open(path.constData(), flags | Safe);
        if (fd < 0) {
            if (errno == ENOENT)
                continue;
            problem = errno == ELOOP ? RecordProblem::SymbolicLink : RecordProblem::Failed;
            return -1;
        }
        // What was opened decides, whatever the name showed a moment before.
        struct stat opened {
        };
        problem = ::fstat(fd, &opened) == 0 ? vet(opened) : RecordProblem::Failed;
        if (problem == RecordProblem::None)
            return fd;
        ::close(fd);
        return -1;
    }
    problem = RecordProblem::Failed;
    return -1;
}

bool closeFile(int fd)
{
    return ::close(fd) == 0;
}

std::optional<qint64> fileSize(int fd)
{
    struct stat info {
    };
    if (::fstat(fd, &info) != 0)
        return std::nullopt;
    return info.st_size;
}

void lockBriefly(int fd)
{
    for (int attempt = 0; attempt < 40; ++attempt) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 || (errno != EWOULDBLOCK && errno != EINTR))
            return;
        QThread::msleep(5);
    }
}

bool stillNamed(int fd, const QByteArray &path)
{
    struct stat opened {
    };
    struct stat named {
    };
    return ::fstat(fd, &opened) == 0 && ::lstat(path.constData(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

qint64 readOn(int fd, char *buffer, qint64 size)
{
    for (;;) {
        const auto n = ::read(fd, buffer, std::size_t(size));
        if (n >= 0 || errno != EINTR)
            return n;
    }
}

qint64 readAt(int fd, char *buffer, qint64 size, qint64 offset)
{
    return ::pread(fd, buffer, std::size_t(size), offset);
}

bool writeWhole(int fd, const QByteArray &data)
{
    qsizetype done = 0;
    while (done < data.size()) {
        const auto n = ::write(fd, data.constData() + done, std::size_t(data.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

Rename renameWithoutReplacing(const QByteArray &from, const QByteArray &to)
{
#if defined(Q_OS_LINUX) && defined(RENAME_NOREPLACE)
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return Rename::Done;
    // Only a file system without the flag gets the second way.
    if (errno != EINVAL && errno != ENOSYS)
        return errno == EEXIST ? Rename::NameTaken : Rename::Failed;
#endif
    if (::link(from.constData(), to.constData()) != 0)
        return errno == EEXIST ? Rename::NameTaken : Rename::Failed;
    if (::unlink(from.constData()) != 0)
        return errno == EEXIST ? Rename::NameTaken : Rename::Failed;
    return Rename::Done;
}

bool dataFolderKnown()
{
    return !qEnvironmentVariableIsEmpty("XDG_DATA_HOME") || !qEnvironmentVariableIsEmpty("HOME");
}

const char LineEnd[] = "\n";

bool replaceable(const QString &path)
{
    // The mode is read as well as asked, since access() grants root everything.
    const QByteArray name = QFile::encodeName(path);
    struct stat info {
    };
    if (::lstat(name.constData(), &info) != 0)
        return errno == ENOENT;
    return S_ISREG(info.st_mode) && info.st_nlink == 1 &&
           (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0 &&
           ::access(name.constData(), W_OK) == 0;
}

Write replaceWhole(const QString &folder, const QString &name, const QByteArray &data,
                   QString &whyNot)
{
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 10 && fd < 0; ++attempt) {
        temporary = QFile::encodeName(folder + u"."_s + name + u"."_s +
                                      QString::number(QRandomGenerator::global()->generate(), 16));
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                    0666);
        if (fd < 0 && errno != EEXIST) {
            whyNot = systemError(errno);
            return Write::Failed;
        }
    }
    if (fd < 0) {
        whyNot = u"no free temporary name"_s;
        return Write::Failed;
    }
    const bool complete = writeWhole(fd, data) && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !complete) {
        whyNot = systemError(errno);
        ::unlink(temporary.constData());
        return Write::Failed;
    }
    if (::rename(temporary.constData(), QFile::encodeName(folder + name).constData()) != 0) {
        // Taken meanwhile by something that cannot be replaced, a folder say.
        ::unlink(temporary.constData());
        return Write::NameTaken;
    }
    return Write::Done;
}

bool startOpener(const QString &target, const QString &workingDirectory)
{
    QProcess opener;
#ifdef Q_OS_MACOS
    opener.setProgram(u"open"_s);
#else
    opener.setProgram(u"xdg-open"_s);
#endif
    opener.setArguments({target});
    opener.setWorkingDirectory(workingDirectory);
    if (opener.startDetached())
        return true;
    qCWarning(desktopLog).nospace() << "Could not start " << opener.program() << " for " << target
                                    << ": " << qUtf8Printable(opener.errorString());
    return false;
}

} // namespace Platform
