// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Platform.h"

#include "DesktopLog.h"
#include "RecordLog.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QStringList>
#include <QThread>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
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

constexpr int NoFollow = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
constexpr int FolderFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;

RecordFault systemFault()
{
    return RecordLog::fromError(errno);
}

// Whether a file is this user's own plain file, with no other name where `alone`.
RecordProblem vet(const struct stat &info, bool alone = true)
{
    if (S_ISLNK(info.st_mode))
        return RecordProblem::SymbolicLink;
    if (!S_ISREG(info.st_mode))
        return RecordProblem::NotAFile;
    if (alone && info.st_nlink != 1)
        return RecordProblem::OtherNames;
    if (info.st_uid != ::geteuid())
        return RecordProblem::OtherOwner;
    return RecordProblem::None;
}

bool ownedByMe(int fd)
{
    struct stat info {
    };
    return ::fstat(fd, &info) == 0 && info.st_uid == ::geteuid();
}

// `name` made in the folder `parent` and opened, only when that folder is this user's.
int makeFolderIn(int parent, const QByteArray &name, RecordFault &fault)
{
    if (!ownedByMe(parent)) {
        fault = {RecordProblem::ForeignFolder, 0};
        return -1;
    }
    // As the XDG base directory rules ask.
    if (::mkdirat(parent, name.constData(), 0700) != 0 && errno != EEXIST) {
        fault = systemFault();
        return -1;
    }
    const int fd = ::openat(parent, name.constData(), FolderFlags | O_NOFOLLOW);
    if (fd < 0)
        fault = systemFault();
    return fd;
}

std::pair<QByteArray, QByteArray> splitLast(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return {slash == 0 ? QByteArray("/") : path.left(slash), path.mid(slash + 1)};
}

// As the system counts the links on one path before it gives up.
constexpr int MostLinks = 40;

// Where the link `name` in `parent` leads, when this user or root made it: nobody else may lead
// the program into a folder of their choosing, root's own ones least of all. The link is
// opened itself, so that what is read is the link that was looked at.
std::optional<QByteArray> trustedLink(int parent, const QByteArray &name, RecordFault &fault)
{
    struct stat info {
    };
    QByteArray target(PATH_MAX, Qt::Uninitialized);
#ifdef O_PATH
    const int link = ::openat(parent, name.constData(), O_PATH | O_NOFOLLOW | O_CLOEXEC);
    const bool looked = link >= 0 && ::fstatat(link, "", &info, AT_EMPTY_PATH) == 0;
    const auto read = [&] { return ::readlinkat(link, "", target.data(), std::size_t(PATH_MAX)); };
#else
    const int link = -1;
    const bool looked = ::fstatat(parent, name.constData(), &info, AT_SYMLINK_NOFOLLOW) == 0;
    const auto read = [&] {
        return ::readlinkat(parent, name.constData(), target.data(), std::size_t(PATH_MAX));
    };
#endif
    ssize_t length = -1;
    if (looked && S_ISLNK(info.st_mode)) {
        if (info.st_uid == ::geteuid() || info.st_uid == 0)
            length = read();
        else
            fault = {RecordProblem::ForeignLink, 0};
    } else {
        fault = {RecordProblem::NotAFolder, ENOTDIR};
    }
    if (link >= 0)
        ::close(link);
    if (length <= 0 || length >= PATH_MAX) {
        if (!fault.failed())
            fault = {RecordProblem::Failed, length < 0 ? errno : ENAMETOOLONG};
        return std::nullopt;
    }
    target.truncate(length);
    return target;
}

// The folder `path` names, from the folder `from` (or the root, for an absolute path), one name
// at a time: a new descriptor, or -1 with the fault (None when a name is missing and not to be
// made). Links on the way are followed only as trustedLink allows; with `create`, a missing
// folder is made, only inside a folder of this user's.
int walk(int from, const QByteArray &path, bool create, RecordFault &fault)
{
    QByteArrayList names = path.split('/');
    std::reverse(names.begin(), names.end());
    int at = path.startsWith('/') ? ::open("/", FolderFlags) : ::fcntl(from, F_DUPFD_CLOEXEC, 0);
    int links = 0;
    while (at >= 0 && !names.isEmpty()) {
        const QByteArray name = names.takeLast();
        if (name.isEmpty() || name == ".")
            continue;
        int next = ::openat(at, name.constData(), FolderFlags | O_NOFOLLOW | O_NONBLOCK);
        if (next < 0 && errno == ENOENT && create) {
            next = makeFolderIn(at, name, fault);
        } else if (next < 0 && (errno == ELOOP || errno == ENOTDIR)) {
            const auto target = ++links > MostLinks ? std::nullopt : trustedLink(at, name, fault);
            if (target) {
                QByteArrayList more = target->split('/');
                std::reverse(more.begin(), more.end());
                names += more;
                if (target->startsWith('/')) {
                    ::close(at);
                    at = ::open("/", FolderFlags);
                }
                continue;
            }
            if (!fault.failed())
                fault = {RecordProblem::Failed, ELOOP};
        } else if (next < 0) {
            fault = errno == ENOENT ? RecordFault{} : systemFault();
        }
        ::close(at);
        at = next;
    }
    return at;
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

DataFolder dataFolder(const QByteArray &application)
{
    const auto tidy = [](const QByteArray &path) {
        QByteArray tidied;
        for (const QByteArray &part : path.split('/'))
            if (!part.isEmpty() && part != ".")
                tidied += '/' + part;
        return tidied;
    };
    QByteArray base = qgetenv("XDG_DATA_HOME");
    const QByteArray home = qgetenv("HOME").startsWith('/') ? tidy(qgetenv("HOME")) : QByteArray();
    // The XDG base directory rules: a relative path is ignored.
    if (!base.startsWith('/')) {
        if (home.isEmpty())
            return {};
        base = home + "/.local/share";
    }
    const QByteArray path = tidy(base + '/' + application);
    return {path.startsWith(home + '/') ? home : QByteArray(), path};
}

std::optional<Folder> openOwnFolder(const QByteArray &path, const QByteArray &home, bool create,
                                    RecordFault &fault)
{
    fault = {};
    const auto [parentPath, name] = splitLast(path);
    if (name.isEmpty() || name == "..") {
        fault = {RecordProblem::NotAFolder, 0};
        return std::nullopt;
    }
    // Below another user's home nothing is made, whatever may stand there.
    int base = ::open("/", FolderFlags);
    QByteArray rest = parentPath;
    bool mayCreate = create;
    if (!home.isEmpty() && path.startsWith(home + '/')) {
        const int homeFolder = walk(base, home, false, fault);
        ::close(base);
        // No home, nothing made for it: not even as root, who could.
        if (homeFolder < 0 && create && !fault.failed())
            fault = {RecordProblem::Failed, ENOENT};
        if (homeFolder < 0)
            return std::nullopt;
        base = homeFolder;
        rest = parentPath.sliced(home.size());
        mayCreate = create && ownedByMe(base);
    }
    const int parent = walk(base, rest.startsWith('/') ? rest.sliced(1) : rest, mayCreate, fault);
    ::close(base);
    if (parent < 0) {
        if (create && !mayCreate && !fault.failed())
            fault = {RecordProblem::ForeignFolder, 0};
        return std::nullopt;
    }
    int fd = ::openat(parent, name.constData(), FolderFlags | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0 && errno == ENOENT && mayCreate) {
        fd = makeFolderIn(parent, name, fault);
    } else if (fd < 0 && errno == ENOENT && create) {
        fault = {RecordProblem::ForeignFolder, 0};
    } else if (fd < 0 && errno == ENOTDIR) {
        // A link to a folder is refused as not a folder too: which is it?
        struct stat seen {
        };
        const bool link = ::fstatat(parent, name.constData(), &seen, AT_SYMLINK_NOFOLLOW) == 0 &&
                          S_ISLNK(seen.st_mode);
        fault = {link ? RecordProblem::FolderLink : RecordProblem::NotAFolder, ENOTDIR};
    } else if (fd < 0) {
        if (errno == ELOOP)
            fault = {RecordProblem::FolderLink, errno};
        else if (errno != ENOENT)
            fault = systemFault();
    }
    ::close(parent);
    if (fd < 0)
        return std::nullopt;
    if (!ownedByMe(fd)) {
        ::close(fd);
        fault = {RecordProblem::ForeignFolder, 0};
        return std::nullopt;
    }
    return Folder{fd, path, mayCreate};
}

void closeFolder(const Folder &folder)
{
    ::close(folder.fd);
}

int openOwnFile(const Folder &folder, const QByteArray &name, Access access, bool create,
                RecordFault &fault)
{
    const int flags = access == Access::Append ? O_RDWR | O_APPEND : O_RDONLY;
    // A few rounds, for a name that comes or goes between the look and the opening.
    for (int round = 0; round < 3; ++round) {
        fault = {};
        struct stat seen {
        };
        // Looked at first, so that a FIFO or a device is never opened at all.
        if (::fstatat(folder.fd, name.constData(), &seen, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno != ENOENT) {
                fault = systemFault();
                return -1;
            }
            if (!create)
                return -1;
            if (!folder.mayCreate) {
                fault = {RecordProblem::ForeignFolder, 0};
                return -1;
            }
            const int fd =
                ::openat(folder.fd, name.constData(), flags | O_CREAT | O_EXCL | NoFollow, 0644);
            if (fd >= 0)
                return fd;
            if (errno == EEXIST)
                continue;
            fault = systemFault();
            return -1;
        }
        fault.problem = vet(seen);
        if (fault.failed())
            return -1;
        const int fd = ::openat(folder.fd, name.constData(), flags | NoFollow);
        if (fd < 0) {
            if (errno == ENOENT)
                continue;
            fault = errno == ELOOP ? RecordFault{RecordProblem::SymbolicLink, 0} : systemFault();
            return -1;
        }
        // What was opened decides, whatever the name showed a moment before.
        struct stat opened {
        };
        fault = ::fstat(fd, &opened) == 0 ? RecordFault{vet(opened), 0} : systemFault();
        if (!fault.failed())
            return fd;
        ::close(fd);
        return -1;
    }
    fault = {RecordProblem::Failed, EAGAIN};
    return -1;
}

int createNewFile(const Folder &folder, const QByteArray &name)
{
    if (!folder.mayCreate) {
        errno = EACCES;
        return -1;
    }
    return ::openat(folder.fd, name.constData(), O_WRONLY | O_CREAT | O_EXCL | NoFollow, 0644);
}

void removeFile(const Folder &folder, const QByteArray &name)
{
    ::unlinkat(folder.fd, name.constData(), 0);
}

int openChosenFile(const QByteArray &path, RecordFault &fault, bool &created)
{
    fault = {};
    created = false;
    constexpr int Flags = O_RDWR | O_APPEND | O_NONBLOCK | O_CLOEXEC;
    int fd = ::open(path.constData(), Flags | O_CREAT | O_EXCL | O_NOFOLLOW, 0644);
    if (fd >= 0) {
        created = true;
        return fd;
    }
    struct stat seen {
    };
    if (errno != EEXIST) {
        fault = systemFault();
        return -1;
    }
    if (::stat(path.constData(), &seen) != 0) {
        // A link that leads nowhere is not followed to make a file wherever it points.
        fault = errno == ENOENT ? RecordFault{RecordProblem::SymbolicLink, 0} : systemFault();
        return -1;
    }
    fault.problem = vet(seen, false);
    if (!fault.failed()) {
        fd = ::open(path.constData(), Flags);
        struct stat opened {
        };
        if (fd < 0)
            fault = systemFault();
        else if (::fstat(fd, &opened) != 0)
            fault = systemFault();
        else
            fault.problem = vet(opened, false);
    }
    if (!fault.failed())
        return fd;
    if (fd >= 0)
        ::close(fd);
    return -1;
}

void discardChosenFile(const QByteArray &path, int fd)
{
    struct stat opened {
    };
    struct stat named {
    };
    if (::fstat(fd, &opened) == 0 && ::lstat(path.constData(), &named) == 0 &&
        opened.st_dev == named.st_dev && opened.st_ino == named.st_ino)
        ::unlink(path.constData());
    ::close(fd);
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

std::optional<FileStamp> fileStamp(int fd)
{
    struct stat info {
    };
    if (::fstat(fd, &info) != 0)
        return std::nullopt;
    return FileStamp{quint64(info.st_dev), quint64(info.st_ino), info.st_size,
                     qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
}

void useStartingConsole() {}

int openToRead(const QByteArray &path, RecordFault &fault)
{
    // Not blocking, so that a FIFO's opening does not wait for a writer before it is refused.
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        fault = RecordLog::fromError(errno);
        return -1;
    }
    struct stat info {
    };
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        fault = {RecordProblem::NotAFile, S_ISDIR(info.st_mode) ? EISDIR : 0};
        ::close(fd);
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

bool lockBriefly(int fd)
{
    // Often, so that a copy that writes one game after another cannot keep it from the others.
    for (int attempt = 0; attempt < 200; ++attempt) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            return true;
        if (errno != EWOULDBLOCK && errno != EINTR)
            return false;
        QThread::msleep(1);
    }
    return false;
}

bool stillNamed(const Folder &folder, int fd, const QByteArray &name)
{
    struct stat opened {
    };
    struct stat named {
    };
    return ::fstat(fd, &opened) == 0 &&
           ::fstatat(folder.fd, name.constData(), &named, AT_SYMLINK_NOFOLLOW) == 0 &&
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

bool rewriteAt(int fd, qint64 offset, const QByteArray &data)
{
    // Appending would take pwrite's offset for the end of the file.
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_APPEND) < 0)
        return false;
    const bool written =
        ::pwrite(fd, data.constData(), std::size_t(data.size()), offset) == data.size();
    const int error = errno;
    ::fcntl(fd, F_SETFL, flags);
    errno = error;
    return written;
}

qint64 writeAll(int fd, const QByteArray &data)
{
    qsizetype done = 0;
    while (done < data.size()) {
        const auto n = ::write(fd, data.constData() + done, std::size_t(data.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            break;
        }
        done += n;
    }
    return done;
}

bool syncData(int fd)
{
    int result = 0;
    do
        result = ::fdatasync(fd);
    while (result != 0 && errno == EINTR);
    return result == 0;
}

bool syncFolder(const Folder &folder)
{
    return ::fsync(folder.fd) == 0;
}

bool syncFolderOf(const QByteArray &path)
{
    const int fd = ::open(splitLast(path).first.constData(), FolderFlags);
    const bool synced = fd >= 0 && ::fsync(fd) == 0;
    if (fd >= 0)
        ::close(fd);
    return synced;
}

bool cutBack(int fd, qint64 size)
{
    int result = 0;
    do
        result = ::ftruncate(fd, off_t(size));
    while (result != 0 && errno == EINTR);
    return result == 0;
}

void surviveFileSizeLimit()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

Rename renameWithoutReplacing(const Folder &folder, const QByteArray &from, const QByteArray &to)
{
#if defined(Q_OS_LINUX) && defined(RENAME_NOREPLACE)
    if (::renameat2(folder.fd, from.constData(), folder.fd, to.constData(), RENAME_NOREPLACE) == 0)
        return Rename::Done;
    // Only a file system without the flag gets the second way.
    if (errno != EINVAL && errno != ENOSYS)
        return errno == EEXIST ? Rename::NameTaken : Rename::Failed;
#endif
    if (::linkat(folder.fd, from.constData(), folder.fd, to.constData(), 0) != 0)
        return errno == EEXIST ? Rename::NameTaken : Rename::Failed;
    if (::unlinkat(folder.fd, from.constData(), 0) != 0)
        return Rename::Failed;
    return Rename::Done;
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
    const bool complete = writeAll(fd, data) == data.size() && ::fsync(fd) == 0;
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
