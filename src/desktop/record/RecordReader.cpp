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
// Of a longer line, the end that the chain knows it by, and a line end before it.
constexpr qsizetype Kept = RecordLine::LongestLine + 1;

} // namespace

RecordReader::RecordReader(int fd, RecordFault fault, QString path)
    : path_(std::move(path)), fd_(fd), fault_(fault)
{
    if (fd_ >= 0)
        stamp_ = Platform::fileStamp(fd_);
    else if (!fault_.failed())
        stamp_ = Platform::FileStamp{};
    size_ = stamp_ ? std::max<qint64>(stamp_->size, 0) : 0;
}

RecordReader::RecordReader(RecordReader &&other) noexcept
    : path_(std::move(other.path_)), fd_(std::exchange(other.fd_, -1)), size_(other.size_),
      stamp_(other.stamp_), fault_(other.fault_), unended_(other.unended_)
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
    auto hand = [&](QByteArrayView line) {
        if (std::exchange(first, false) && !checkHeader(line))
            return false;
        take(line);
        return true;
    };
    // What a line carried over from one block to the next keeps: its end, as the writer reads
    // it back.
    auto carry = [&](QByteArrayView part) {
        if (part.size() >= Kept)
            carried = part.last(Kept).toByteArray();
        else
            carried.append(part).remove(0, std::max<qsizetype>(carried.size() - Kept, 0));
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
                carry(chunk.sliced(from, end - from));
                handed = hand(carried);
                carried.clear();
            }
            if (!handed)
                return fault_;
            from = end + 1;
        }
        carry(chunk.sliced(from));
        if (progress && !progress(done))
            return fault_;
    }
    if (!carried.isEmpty()) {
        unended_ = !first;
        hand(carried);
    }
    return fault_;
}

RecordFault RecordReader::check(RecordCheck &check, const Progress &progress)
{
    const RecordFault fault = read([&check](QByteArrayView line) { check.add(line); }, progress);
    check.finish(unended_);
    return fault;
}
