#include "RecordProblem.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace RecordProblems
{

#ifdef Q_OS_UNIX

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

int openOwnFile(const QByteArray &path, int flags, bool create, RecordProblem &problem)
{
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

#else

int openOwnFile(const QByteArray &path, int flags, bool create, RecordProblem &problem)
{
    const int fd = ::_open(path.constData(), flags | _O_BINARY | (create ? _O_CREAT : 0),
                           _S_IREAD | _S_IWRITE);
    problem = fd >= 0 || errno == ENOENT ? RecordProblem::None : RecordProblem::Failed;
    return fd;
}

#endif

} // namespace RecordProblems
