// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Platform.h"

#include "DesktopLog.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
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

// What a page of the program's may replace: this user's own plain file with no other name,
// writable by its mode. The mode is read rather than asked, since access() grants root
// everything, and the owner checked, since root may write any user's file.
bool ownPage(const struct stat &info)
{
    return S_ISREG(info.st_mode) && info.st_nlink == 1 && info.st_uid == ::geteuid() &&
           (info.st_mode & S_IWUSR) != 0;
}

// Gives the written file its name. A free name is taken without replacing whatever comes
// meanwhile; the program's own old page is swapped out in one step, and should something else
// have taken its place since it was looked at, that is swapped straight back and kept.
Write giveName(const QByteArray &temporary, const QByteArray &name)
{
#if defined(Q_OS_LINUX) && defined(RENAME_NOREPLACE) && defined(RENAME_EXCHANGE)
    if (::renameat2(AT_FDCWD, temporary.constData(), AT_FDCWD, name.constData(),
                    RENAME_NOREPLACE) == 0)
        return Write::Done;
    if (errno == EEXIST && ::renameat2(AT_FDCWD, temporary.constData(), AT_FDCWD, name.constData(),
                                       RENAME_EXCHANGE) == 0) {
        struct stat old {
        };
        if (::lstat(temporary.constData(), &old) == 0 && ownPage(old)) {
            ::unlink(temporary.constData());
            return Write::Done;
        }
        ::renameat2(AT_FDCWD, temporary.constData(), AT_FDCWD, name.constData(), RENAME_EXCHANGE);
        ::unlink(temporary.constData());
        return Write::NameTaken;
    }
    // Only a file system without the flags gets the plain rename.
    if (errno != EINVAL && errno != ENOSYS) {
        ::unlink(temporary.constData());
        return Write::NameTaken;
    }
#endif
    if (::rename(temporary.constData(), name.constData()) == 0)
        return Write::Done;
    // Taken meanwhile by something that cannot be replaced, a folder say.
    ::unlink(temporary.constData());
    return Write::NameTaken;
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
    const QByteArray name = QFile::encodeName(path);
    struct stat info {
    };
    if (::lstat(name.constData(), &info) != 0)
        return errno == ENOENT;
    return ownPage(info) && ::access(name.constData(), W_OK) == 0;
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
    return giveName(temporary, QFile::encodeName(folder + name));
}

const char OpenerName[] =
#ifdef Q_OS_MACOS
    "open";
#else
    "xdg-open";
#endif

bool startOpener(const QString &target, const QString &workingDirectory,
                 const std::function<void()> &gaveUp)
{
    // Never deleted while it runs, so that quitting the game does not stop it, nor the browser
    // it may wait for; kept in a list, so that nothing counts it as lost.
    static QSet<QProcess *> running;
    auto *opener = new QProcess;
    opener->setProgram(QString::fromLatin1(OpenerName));
    opener->setArguments({target});
    opener->setWorkingDirectory(workingDirectory);
    // No pipes: a browser that outlives the game must not write into a closed one.
    opener->setProcessChannelMode(QProcess::ForwardedChannels);
    opener->setStandardInputFile(QProcess::nullDevice());
    QObject::connect(opener, &QProcess::finished, opener,
                     [opener, gaveUp](int code, QProcess::ExitStatus status) {
                         running.remove(opener);
                         opener->deleteLater();
                         // xdg-open: 3, nothing to open it with; 4, what it found failed.
                         if (status == QProcess::NormalExit && (code == 3 || code == 4) && gaveUp)
                             gaveUp();
                     });
    opener->start();
    if (opener->waitForStarted()) {
        running.insert(opener);
        return true;
    }
    qCWarning(desktopLog).nospace() << "Could not start " << opener->program() << " for " << target
                                    << ": " << qUtf8Printable(opener->errorString());
    delete opener;
    return false;
}

} // namespace Platform
