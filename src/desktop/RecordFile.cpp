// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RecordFile.h"

#include "Platform.h"
#include "RecordReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>

using namespace Qt::StringLiterals;

namespace
{

// Archive names tried before giving up: a folder full of planted names must not hold the
// clearing up for long.
constexpr int MaxArchiveNames = 1000;

// The file's last byte, read through the descriptor; 0 when there is none.
char lastByte(int fd, qint64 size)
{
    char c = 0;
    return size > 0 && Platform::readAt(fd, &c, 1, size - 1) == 1 ? c : 0;
}

// The record opened and locked while it still bears its name: a clear in another instance may
// rename it between the opening and the lock, and then the name is tried again. -1 with the
// problem when it cannot be had; a missing record is no problem when it is not to be created.
int openLocked(const QByteArray &name, Platform::Access access, bool create, RecordProblem &problem)
{
    for (int round = 0; round < 3; ++round) {
        problem = RecordProblem::None;
        const int fd = Platform::openOwnFile(name, access, create, problem);
        if (fd < 0)
            return fd;
        Platform::lockBriefly(fd);
        if (Platform::stillNamed(fd, name))
            return fd;
        Platform::closeFile(fd);
    }
    problem = RecordProblem::Failed;
    return -1;
}

} // namespace

RecordFile::RecordFile(QString path) : path_(std::move(path)) {}

QString RecordFile::defaultPath()
{
    // Qt would fall back on "/" as the home, and aim at /.local/share.
    if (!Platform::dataFolderKnown())
        return {};
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u'/' +
           QString::fromUtf16(FileName);
}

RecordProblem RecordFile::append(const QByteArray &line, const QByteArray &header) const
{
    const RecordProblem problem = appendOnce(line, header);
    if (problem != RecordProblem::None)
        RecordProblems::warn("Appending to", path_, problem, errno);
    return problem;
}

RecordProblem RecordFile::appendOnce(const QByteArray &line, const QByteArray &header) const
{
    if (path_.isEmpty())
        return RecordProblem::NoHome;
    if (!QDir().mkpath(QFileInfo(path_).absolutePath()))
        return RecordProblem::Failed;
    RecordProblem problem = RecordProblem::None;
    const int fd = openLocked(QFile::encodeName(path_), Platform::Access::Append, true, problem);
    if (fd < 0)
        return problem;
    const std::optional<qint64> size = Platform::fileSize(fd);
    if (!size) {
        Platform::closeFile(fd);
        return RecordProblem::Failed;
    }
    QByteArray data;
    if (*size == 0)
        data = header;
    else if (lastByte(fd, *size) != '\n')
        // A torn last line is ended first, so that this game does not run on from it.
        data = "\n";
    data += line;
    // One call for a line this short, so that two writers never interleave.
    const bool written = Platform::writeWhole(fd, data);
    return Platform::closeFile(fd) && written ? RecordProblem::None : RecordProblem::Failed;
}

RecordProblem RecordFile::read(const std::function<void(QByteArrayView line)> &take) const
{
    RecordReader reader(path_);
    return reader.read(take);
}

RecordProblem RecordFile::startAnew(const QString &date) const
{
    const RecordProblem problem = renameAside(date);
    if (problem != RecordProblem::None)
        RecordProblems::warn("Clearing", path_, problem, errno);
    return problem;
}

RecordProblem RecordFile::renameAside(const QString &date) const
{
    if (path_.isEmpty())
        return RecordProblem::NoHome;
    const QByteArray name = QFile::encodeName(path_);
    const QFileInfo info(path_);
    const QString stem = info.absolutePath() + u'/' + info.completeBaseName() + u'-' + date;
    RecordProblem problem = RecordProblem::None;
    // Opened only to be checked and locked: a refused name is not renamed either.
    const int fd = openLocked(name, Platform::Access::Read, false, problem);
    if (fd < 0)
        return problem;
    auto renamed = Platform::Rename::NameTaken;
    for (int n = 1; n <= MaxArchiveNames && renamed == Platform::Rename::NameTaken; ++n) {
        const QString target =
            stem + (n == 1 ? QString() : u'-' + QString::number(n)) + u'.' + info.suffix();
        renamed = Platform::renameWithoutReplacing(name, QFile::encodeName(target));
    }
    const int error = errno;
    // Closing lets the appenders waiting on the lock go on, to the new record.
    Platform::closeFile(fd);
    errno = error;
    return renamed == Platform::Rename::Done ? RecordProblem::None : RecordProblem::Failed;
}
