// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RecordReader.h"

#include "Platform.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <utility>

namespace
{

constexpr qint64 BlockSize = 64 * 1024;
// A line longer than this is no game; only its start is kept, enough to fail to read it.
constexpr qsizetype LongestLine = 4096;

} // namespace

RecordReader::RecordReader(const QString &path) : path_(path)
{
    if (path.isEmpty()) {
        problem_ = RecordProblem::NoHome;
        return;
    }
    fd_ = Platform::openOwnFile(QFile::encodeName(path), Platform::Access::Read, false, problem_);
    if (problem_ != RecordProblem::None)
        RecordProblems::warn("Opening", path, problem_, errno);
    if (fd_ >= 0)
        size_ = Platform::fileSize(fd_).value_or(0);
}

RecordReader::RecordReader(RecordReader &&other) noexcept
    : path_(std::move(other.path_)), fd_(std::exchange(other.fd_, -1)), size_(other.size_),
      problem_(other.problem_)
{
}

RecordReader::~RecordReader()
{
    if (fd_ >= 0)
        Platform::closeFile(fd_);
}

RecordProblem RecordReader::read(const std::function<void(QByteArrayView line)> &take,
                                 const Progress &progress)
{
    if (fd_ < 0)
        return problem_;
    QByteArray block(BlockSize, Qt::Uninitialized);
    QByteArray carried;
    qint64 done = 0;
    while (done < size_) {
        const qint64 n = Platform::readOn(fd_, block.data(), std::min(BlockSize, size_ - done));
        if (n < 0) {
            RecordProblems::warn("Reading", path_, RecordProblem::Failed, errno);
            return RecordProblem::Failed;
        }
        // Cut short meanwhile: what there was is all there is.
        if (n == 0)
            break;
        done += n;
        const QByteArrayView chunk(block.constData(), n);
        qsizetype from = 0;
        for (qsizetype end = chunk.indexOf('\n'); end >= 0; end = chunk.indexOf('\n', from)) {
            if (carried.isEmpty()) {
                take(chunk.sliced(from, end - from));
            } else {
                carried += chunk.sliced(from, std::min(end - from, LongestLine));
                take(carried);
                carried.clear();
            }
            from = end + 1;
        }
        carried += chunk.sliced(from, std::min(chunk.size() - from, LongestLine - carried.size()));
        if (progress && !progress(done))
            return RecordProblem::None;
    }
    // The last line without its newline, torn or whole: the reader decides.
    if (!carried.isEmpty())
        take(carried);
    return RecordProblem::None;
}
