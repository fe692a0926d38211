#include "RecordFile.h"

#include "RecordReader.h"
#include "WholeWrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <sys/file.h>
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;

namespace
{

// Archive names tried before giving up: a folder full of planted names must not hold the
// clearing up for long.
constexpr int MaxArchiveNames = 1000;

#ifdef Q_OS_UNIX

// Appending and clearing take turns through this lock, so that a game appended while
// another copy clears lands in the new record, and two creators write one header. A copy
// that holds it for long (stopped in a debugger, say) is waited for a fifth of a second at
// most: then the line goes without it, whole as ever.
void lockBriefly(int fd)
{
    for (int attempt = 0; attempt < 40; ++attempt) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 || (errno != EWOULDBLOCK && errno != EINTR))
            return;
        QThread::msleep(5);
    }
}

// Whether `fd` is still the file the name stands for: clearing may have renamed it.
bool stillNamed(int fd, const QByteArray &path)
{
    struct stat opened {
    };
    struct stat named {
    };
    return ::fstat(fd, &opened) == 0 && ::lstat(path.constData(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

// The file's last byte, read through the descriptor; 0 when there is none.
char lastByte(int fd, qint64 size)
{
    char c = 0;
    return size > 0 && ::pread(fd, &c, 1, size - 1) == 1 ? c : 0;
}

// Never replaces what has the name, a dangling link included, and never copies.
bool renameNoReplace(const QByteArray &from, const QByteArray &to)
{
#if defined(Q_OS_LINUX) && defined(RENAME_NOREPLACE)
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return true;
    // Only a file system without the flag gets the second way.
    if (errno != EINVAL && errno != ENOSYS)
        return false;
#endif
    if (::link(from.constData(), to.constData()) != 0)
        return false;
    return ::unlink(from.constData()) == 0;
}

#else

void lockBriefly(int) {}
bool stillNamed(int, const QByteArray &)
{
    return true;
}
char lastByte(int fd, qint64 size)
{
    char c = 0;
    return size > 0 && ::_lseeki64(fd, size - 1, SEEK_SET) == size - 1 && ::_read(fd, &c, 1) == 1
               ? c
               : 0;
}
// Windows' rename never replaces an existing name.
bool renameNoReplace(const QByteArray &from, const QByteArray &to)
{
    return std::rename(from.constData(), to.constData()) == 0;
}

#endif

} // namespace

RecordFile::RecordFile(QString path) : path_(std::move(path)) {}

QString RecordFile::defaultPath()
{
#ifdef Q_OS_UNIX
    // Qt would fall back on "/" as the home, and aim at /.local/share.
    if (qEnvironmentVariableIsEmpty("XDG_DATA_HOME") && qEnvironmentVariableIsEmpty("HOME"))
        return {};
#endif
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u'/' +
           QString::fromUtf16(FileName);
}

RecordProblem RecordFile::append(const QByteArray &line, const QByteArray &header) const
{
    if (path_.isEmpty())
        return RecordProblem::NoHome;
    if (!QDir().mkpath(QFileInfo(path_).absolutePath()))
        return RecordProblem::Failed;
    const QByteArray name = QFile::encodeName(path_);
    for (int round = 0; round < 3; ++round) {
        RecordProblem problem = RecordProblem::None;
        const int fd = RecordProblems::openOwnFile(name, O_RDWR | O_APPEND, true, problem);
        if (fd < 0)
            return problem;
        lockBriefly(fd);
        if (!stillNamed(fd, name)) {
            ::close(fd);
            continue;
        }
        struct stat info {
        };
        if (::fstat(fd, &info) != 0) {
            ::close(fd);
            return RecordProblem::Failed;
        }
        QByteArray data;
        if (info.st_size == 0)
            data = header;
        else if (lastByte(fd, info.st_size) != '\n')
            // A torn last line is ended first, so that this game does not run on from it.
            data = "\n";
        data += line;
        // One call for a line this short, so that two writers never interleave.
        const bool written = writeWhole(fd, data);
        return ::close(fd) == 0 && written ? RecordProblem::None : RecordProblem::Failed;
    }
    return RecordProblem::Failed;
}

RecordProblem RecordFile::read(const std::function<void(QByteArrayView line)> &take) const
{
    RecordReader reader(path_);
    return reader.read(take);
}

RecordProblem RecordFile::startAnew(const QString &date) const
{
    if (path_.isEmpty())
        return RecordProblem::NoHome;
    const QByteArray name = QFile::encodeName(path_);
    const QFileInfo info(path_);
    const QString stem = info.absolutePath() + u'/' + info.completeBaseName() + u'-' + date;
    for (int round = 0; round < 3; ++round) {
        RecordProblem problem = RecordProblem::None;
        // Opened only to be checked and locked: a refused name is not renamed either.
        const int fd = RecordProblems::openOwnFile(name, O_RDONLY, false, problem);
        if (fd < 0)
            return problem;
        lockBriefly(fd);
        if (!stillNamed(fd, name)) {
            ::close(fd);
            continue;
        }
        bool renamed = false;
        bool taken = true;
        for (int n = 1; n <= MaxArchiveNames && !renamed && taken; ++n) {
            const QString target =
                stem + (n == 1 ? QString() : u'-' + QString::number(n)) + u'.' + info.suffix();
            renamed = renameNoReplace(name, QFile::encodeName(target));
            taken = errno == EEXIST;
        }
        // Closing lets the appenders waiting on the lock go on, to the new record.
        ::close(fd);
        return renamed ? RecordProblem::None : RecordProblem::Failed;
    }
    return RecordProblem::Failed;
}
