// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RecordFile.h"

#include "Platform.h"
#include "RecordLine.h"
#include "RecordLog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <functional>
#include <optional>

using namespace Qt::StringLiterals;

namespace
{

// What an append that failed tells: why, and the lines it left whole all the same.
RecordFile::Appended notAppended(RecordFault fault, int lines = 0)
{
    RecordFile::Appended appended;
    appended.lines = lines;
    appended.fault = fault;
    return appended;
}

// Archive names tried before giving up: a folder full of planted names must not hold the
// clearing up for long.
constexpr int MaxArchiveNames = 1000;
// Enough of the file's start to hold its header line.
constexpr qint64 HeaderRoom = 256;

// The file's last byte, read through the descriptor; 0 when there is none.
char lastByte(int fd, qint64 size)
{
    char c = 0;
    return size > 0 && Platform::readAt(fd, &c, 1, size - 1) == 1 ? c : 0;
}

// Whether a file of `size` bytes begins with the header of a version this program writes to;
// `ended` tells whether its header line has its newline.
RecordFault checkHeader(int fd, qint64 size, bool &ended)
{
    QByteArray start(std::min(size, HeaderRoom), Qt::Uninitialized);
    const qint64 n = Platform::readAt(fd, start.data(), start.size(), 0);
    if (n < 0)
        return RecordLog::fromError(errno);
    const QByteArrayView read(start.constData(), n);
    const qsizetype end = read.indexOf('\n');
    ended = end >= 0 || n < size;
    return {RecordLine::headerProblem(read.first(end < 0 ? read.size() : end)), 0};
}

// What the chain knows the file's last line by (RecordLine::linkText): of a long one only its
// end is read, as the reader keeps it. `header` tells whether it is the first line. Nothing
// when it cannot be read.
std::optional<QByteArray> lastLine(int fd, qint64 size, bool &header)
{
    const qint64 end = size - (lastByte(fd, size) == '\n' ? 1 : 0);
    const qint64 from = std::max<qint64>(end - RecordLine::LongestLine - 1, 0);
    QByteArray tail(end - from, Qt::Uninitialized);
    if (Platform::readAt(fd, tail.data(), tail.size(), from) != tail.size())
        return std::nullopt;
    const qsizetype newline = tail.lastIndexOf('\n');
    header = newline < 0 && from == 0;
    return tail.sliced(newline + 1);
}

// A record of an earlier version is brought up to this one once lines of this one are in it
// and on the disk, so that an earlier version leaves it alone, and a record's header never
// says seals are kept before one is. The digit is rewritten in place: a crash leaves either
// version, both of which read the record whole.
RecordFault upgradeHeader(int fd)
{
    char version = 0;
    if (Platform::readAt(fd, &version, 1, RecordLine::VersionAt) != 1)
        return RecordLog::fromError(errno);
    const QByteArray now = QByteArray::number(RecordLine::Version);
    if (version < '1' || version >= now[0])
        return {};
    return Platform::rewriteAt(fd, RecordLine::VersionAt, now) && Platform::syncData(fd)
               ? RecordFault{}
               : RecordLog::fromError(errno);
}

RecordFault checkHeader(int fd, qint64 size)
{
    bool ended = false;
    return checkHeader(fd, size, ended);
}

// Appends to a file whose lock is held, and waits until the lines are on the disk, and with
// `syncFolder` the name of a file they begin. A failed write is cut back to the size before
// it, which needs no room on a full disk, so that no game is left torn or half counted.
RecordFile::Appended appendLocked(int fd, const QByteArray &lines,
                                  const std::function<bool()> &syncFolder)
{
    RecordFile::Appended appended;
    appended.before = Platform::fileStamp(fd);
    if (!appended.before)
        return notAppended(RecordLog::fromError(errno));
    const qint64 size = appended.before->size;
    QByteArray data;
    QByteArray previous;
    if (size == 0) {
        data = RecordLine::header();
        previous = RecordLine::header().chopped(1);
    } else {
        bool ended = false;
        if (const RecordFault refused = checkHeader(fd, size, ended); refused.failed())
            return notAppended(refused);
        bool header = false;
        const std::optional<QByteArray> last = lastLine(fd, size, header);
        if (!last)
            return notAppended(RecordLog::fromError(errno));
        previous = RecordLine::linkText(*last);
        // A line left unended is a game only where its end shows it whole (as an editor may
        // leave the last one); one cut off by a copy stopped while it wrote must not turn into
        // one, cut as it may be between the digits of a picture: it is marked as cut off and
        // ended, so that these games start on a line of their own. A header left unended, as
        // an editor may leave a record whose games were all deleted, is only ended.
        const bool whole = RecordLine::read(*last).value_or(RecordLine::Read{}).version >= 2;
        const bool unended = lastByte(fd, size) != '\n';
        if (!ended || (unended && whole))
            data = "\n";
        else if (unended)
            data = QByteArray(RecordLine::CutOffMark) + '\n';
        if (data.size() > 1)
            previous = RecordLine::linkText(*last + RecordLine::CutOffMark, false);
        // The first game links to the header as this version writes it.
        if (header)
            previous = RecordLine::header().chopped(1);
    }
    const qsizetype before = data.size();
    const QByteArray chained = RecordLine::chained(previous, lines);
    data += chained;
    const qint64 written = Platform::writeAll(fd, data);
    if (written == data.size() && Platform::syncData(fd) && (size > 0 || syncFolder())) {
        appended.lines = int(lines.count('\n'));
        appended.fault = upgradeHeader(fd);
        appended.after = Platform::fileStamp(fd);
        appended.head = RecordLine::head(QByteArrayView(chained).chopped(1).sliced(
            QByteArrayView(chained).chopped(1).lastIndexOf('\n') + 1));
        return appended;
    }
    const RecordFault fault = RecordLog::fromError(errno);
    if (Platform::cutBack(fd, size))
        return notAppended(fault);
    // Left as the write stopped: the lines it finished are in the record, and must not be
    // written again.
    const qint64 ended = std::max<qint64>(written - before, 0);
    return notAppended(fault, int(QByteArrayView(chained).first(ended).count('\n')));
}

// The record opened and locked while it still bears its name: a clear in another instance may
// rename it between the opening and the lock, and then the name is tried again. -1 with the
// fault when it cannot be had; a missing record is no fault when it is not to be created.
int openLocked(const Platform::Folder &folder, const QByteArray &name, Platform::Access access,
               bool create, RecordFault &fault)
{
    for (int round = 0; round < 3; ++round) {
        const int fd = Platform::openOwnFile(folder, name, access, create, fault);
        if (fd < 0)
            return fd;
        const bool locked = Platform::lockBriefly(fd);
        if (locked && Platform::stillNamed(folder, fd, name))
            return fd;
        Platform::closeFile(fd);
        if (!locked)
            break;
    }
    fault = {RecordProblem::Busy, 0};
    return -1;
}

// "games-2026-12-07.tsv", then "games-2026-12-07-2.tsv" and on.
QByteArray numberedName(const QByteArray &name, const QString &tag, int n)
{
    const qsizetype dot = name.lastIndexOf('.');
    const QByteArray stem = dot > 0 ? name.first(dot) : name;
    const QByteArray suffix = dot > 0 ? name.sliced(dot) : QByteArray();
    return stem + '-' + QFile::encodeName(tag) +
           (n == 1 ? QByteArray() : '-' + QByteArray::number(n)) + suffix;
}

} // namespace

RecordFile::RecordFile(QByteArray path, QByteArray home) : home_(std::move(home))
{
    Platform::surviveFileSizeLimit();
    if (path.isEmpty())
        return;
    if (!QDir::isAbsolutePath(QFile::decodeName(path)))
        path = QFile::encodeName(QDir::currentPath()) + '/' + path;
    const qsizetype slash = path.lastIndexOf('/');
    folder_ = slash == 0 ? QByteArray("/") : path.first(slash);
    name_ = path.sliced(slash + 1);
}

RecordFile::RecordFile(const QString &path) : RecordFile(QFile::encodeName(path)) {}

RecordFile RecordFile::inDataFolder(const char *fileName)
{
    const auto [home, folder] =
        Platform::dataFolder(QFile::encodeName(QCoreApplication::applicationName()));
    return RecordFile(folder.isEmpty() ? folder : folder + '/' + fileName, home);
}

QString RecordFile::defaultPath(const char *fileName)
{
    return inDataFolder(fileName).path();
}

QString RecordFile::path() const
{
    if (folder_.isEmpty())
        return {};
    return QDir::toNativeSeparators(QFile::decodeName(folder_ + '/' + name_));
}

RecordFile::Appended RecordFile::append(const QByteArray &lines) const
{
    const Appended appended = appendOnce(lines);
    if (appended.fault.failed())
        RecordLog::warn("Appending to", path(), appended.fault);
    return appended;
}

RecordFile::Appended RecordFile::appendOnce(const QByteArray &lines) const
{
    if (folder_.isEmpty())
        return notAppended({RecordProblem::NoHome, 0});
    RecordFault fault;
    const auto folder = Platform::openOwnFolder(folder_, home_, true, fault);
    if (!folder)
        return notAppended(fault);
    const int fd = openLocked(*folder, name_, Platform::Access::Append, true, fault);
    if (fd < 0) {
        Platform::closeFolder(*folder);
        return notAppended(fault);
    }
    const Appended appended =
        appendLocked(fd, lines, [&folder] { return Platform::syncFolder(*folder); });
    Platform::closeFolder(*folder);
    // What was written stays written, whatever closing says.
    Platform::closeFile(fd);
    return appended;
}

RecordReader RecordFile::openForReading() const
{
    if (folder_.isEmpty())
        return RecordReader(-1, {RecordProblem::NoHome, 0}, path());
    RecordFault fault;
    int fd = -1;
    if (const auto folder = Platform::openOwnFolder(folder_, home_, false, fault)) {
        fd = Platform::openOwnFile(*folder, name_, Platform::Access::Read, false, fault);
        Platform::closeFolder(*folder);
    }
    if (fault.failed())
        RecordLog::warn("Opening", path(), fault);
    return RecordReader(fd, fault, path());
}

RecordReader RecordFile::openToVerify(const QByteArray &path)
{
    RecordFault fault;
    const int fd = Platform::openToRead(path, fault);
    return RecordReader(fd, fault, QFile::decodeName(path));
}

RecordFault RecordFile::startAnew(const QString &date) const
{
    const RecordFault fault = renameAside(date);
    if (fault.failed())
        RecordLog::warn("Clearing", path(), fault);
    return fault;
}

RecordFault RecordFile::renameAside(const QString &date) const
{
    if (folder_.isEmpty())
        return {RecordProblem::NoHome, 0};
    RecordFault fault;
    const auto folder = Platform::openOwnFolder(folder_, home_, false, fault);
    if (!folder)
        return fault;
    // Opened only to be checked and locked: a refused name is not renamed either.
    const int fd = openLocked(*folder, name_, Platform::Access::Read, false, fault);
    if (fd >= 0) {
        const qint64 size = Platform::fileSize(fd).value_or(0);
        fault = size > 0 ? checkHeader(fd, size) : RecordFault{};
        auto renamed = Platform::Rename::NameTaken;
        for (int n = 1;
             !fault.failed() && n <= MaxArchiveNames && renamed == Platform::Rename::NameTaken; ++n)
            renamed =
                Platform::renameWithoutReplacing(*folder, name_, numberedName(name_, date, n));
        if (renamed == Platform::Rename::Failed)
            fault = RecordLog::fromError(errno);
        // Renamed it is, whatever the disk says: the new name is made to last if it can be.
        else if (renamed == Platform::Rename::Done)
            Platform::syncFolder(*folder);
        else if (!fault.failed() && renamed == Platform::Rename::NameTaken)
            fault = {RecordProblem::NoArchiveName, 0};
        // Closing lets the appenders waiting on the lock go on, to the new record.
        Platform::closeFile(fd);
    }
    Platform::closeFolder(*folder);
    return fault;
}

RecordFault RecordFile::writeBeside(const QString &date, const QByteArray &lines,
                                    QString &written) const
{
    const RecordFault fault = createBeside(date, lines, written);
    if (fault.failed())
        RecordLog::warn("Writing beside", path(), fault);
    return fault;
}

RecordFault RecordFile::createBeside(const QString &date, const QByteArray &lines,
                                     QString &written) const
{
    if (folder_.isEmpty())
        return {RecordProblem::NoHome, 0};
    RecordFault fault;
    const auto folder = Platform::openOwnFolder(folder_, home_, true, fault);
    if (!folder)
        return fault;
    fault = folder->mayCreate ? RecordFault{RecordProblem::NoArchiveName, 0}
                              : RecordFault{RecordProblem::ForeignFolder, 0};
    for (int n = 1; folder->mayCreate && n <= MaxArchiveNames; ++n) {
        const QByteArray name = numberedName(name_, u"unsaved-"_s + date, n);
        const int fd = Platform::createNewFile(*folder, name);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0) {
            fault = RecordLog::fromError(errno);
            break;
        }
        const QByteArray header = RecordLine::header();
        const QByteArray data = header + RecordLine::chained(header.chopped(1), lines);
        fault = Platform::writeAll(fd, data) == data.size() ? RecordFault{}
                                                            : RecordLog::fromError(errno);
        // The last chance for these games: a file the disk may not keep beats none.
        if (!fault.failed() && Platform::syncData(fd))
            Platform::syncFolder(*folder);
        Platform::closeFile(fd);
        if (fault.failed())
            Platform::removeFile(*folder, name);
        else
            written = QDir::toNativeSeparators(QFile::decodeName(folder_ + '/' + name));
        break;
    }
    Platform::closeFolder(*folder);
    return fault;
}

RecordFile::Appended RecordFile::appendToChosen(const QString &path, const QByteArray &lines)
{
    Platform::surviveFileSizeLimit();
    const QByteArray name = QFile::encodeName(path);
    RecordFault fault;
    bool created = false;
    Appended appended;
    const int fd = Platform::openChosenFile(name, fault, created);
    if (fd < 0)
        appended.fault = fault;
    else if (!Platform::lockBriefly(fd))
        appended.fault = {RecordProblem::Busy, 0};
    else
        appended = appendLocked(fd, lines, [&name] { return Platform::syncFolderOf(name); });
    // A file made for games that could not go in is taken away again.
    if (fd >= 0 && created && appended.lines == 0)
        Platform::discardChosenFile(name, fd);
    else if (fd >= 0)
        Platform::closeFile(fd);
    if (appended.fault.failed())
        RecordLog::warn("Appending to", path, appended.fault);
    return appended;
}
