// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RecordReader.h"

#include "Platform.h"
#include "RecordLine.h"
#include "RecordLog.h"

#include <algorithm>
#include <cerrno>
#include <utility>

namespace
{

constexpr qint64 BlockSize = 64 * 1024;
// A line longer than this is no game; only its start is kept, enough to fail to read it.
constexpr qsizetype LongestLine = 4096;

} // namespace

RecordReader::RecordReader(int fd, RecordFault fault, QString path)
    : path_(std::move(path)), fd_(fd), fault_(fault)
{
    if (fd_ >= 0)
        size_ = Platform::fileSize(fd_).value_or(0);
}

RecordReader::RecordReader(RecordReader &&other) noexcept
    : path_(std::move(other.path_)), fd_(std::exchange(other.fd_, -1)), size_(other.size_),
      fault_(other.fault_), torn_(other.torn_), header_(std::move(other.header_))
{
}

RecordReader::~RecordReader()
{
    if (fd_ >= 0)
        Platform::closeFile(fd_);
}

// The first line: the header, else the file is someone else's.
bool RecordReader::checkHeader(QByteArrayView line)
{
    header_ = line.toByteArray();
    const RecordProblem problem = RecordLine::headerProblem(line);
    if (problem != RecordProblem::None) {
        fault_ = {problem, 0};
        RecordLog::warn("Reading", path_, fault_);
    }
    return problem != RecordProblem::ForeignFile;
}

RecordFault RecordReader::read(const std::function<void(QByteArrayView line)> &take,
                               const Progress &progress)
{
    if (fd_ < 0)
        return fault_;
    QByteArray block(BlockSize, Qt::Uninitialized);
    QByteArray carried;
    qint64 done = 0;
    bool first = true;
    // The header is checked here, once, and handed to nobody.
    auto hand = [&](QByteArrayView line) {
        if (std::exchange(first, false))
            return checkHeader(line);
        take(line);
        return true;
    };
    while (done < size_) {
        const qint64 n = Platform::readOn(fd_, block.data(), std::min(BlockSize, size_ - done));
        if (n < 0) {
            fault_ = RecordLog::fromError(errno);
            RecordLog::warn("Reading", path_, fault_);
            return fault_;
        }
        // Cut short meanwhile: what there was is all there is.
        if (n == 0)
            break;
        done += n;
        const QByteArrayView chunk(block.constData(), n);
        qsizetype from = 0;
        for (qsizetype end = chunk.indexOf('\n'); end >= 0; end = chunk.indexOf('\n', from)) {
            bool handed = false;
            if (carried.isEmpty()) {
                handed = hand(chunk.sliced(from, end - from));
            } else {
                carried += chunk.sliced(from, std::min(end - from, LongestLine));
                handed = hand(carried);
                carried.clear();
            }
            if (!handed)
                return fault_;
            from = end + 1;
        }
        carried += chunk.sliced(from, std::min(chunk.size() - from, LongestLine - carried.size()));
        if (progress && !progress(done))
            return fault_;
    }
    if (!carried.isEmpty()) {
        if (first)
            checkHeader(carried);
        else
            torn_ = true;
    }
    return fault_;
}
