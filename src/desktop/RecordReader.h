// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "RecordProblem.h"

#include <QByteArrayView>
#include <QString>
#include <functional>

// The record opened for reading as it stands at this moment: read later, on any thread, never
// past the size it had when opened, so that a record that grows meanwhile, or a trap that
// never ends, cannot keep the reading going. Opening never blocks.
class RecordReader
{
public:
    // Told the bytes read so far after each block; reading stops when it answers false.
    using Progress = std::function<bool(qint64 done)>;

    // An empty path is a record with no home.
    explicit RecordReader(const QString &path);
    ~RecordReader();
    RecordReader(RecordReader &&other) noexcept;
    RecordReader &operator=(RecordReader &&) = delete;
    RecordReader(const RecordReader &) = delete;
    RecordReader &operator=(const RecordReader &) = delete;

    // What stopped the opening; a missing record is an empty one, with no problem.
    RecordProblem problem() const { return problem_; }
    qint64 size() const { return size_; }

    // Hands over each line without its newline, a block at a time, holding no more of the file
    // than one block and one line. Once only.
    RecordProblem read(const std::function<void(QByteArrayView line)> &take,
                       const Progress &progress = {});

private:
    // For the log.
    QString path_;
    int fd_ = -1;
    qint64 size_ = 0;
    RecordProblem problem_ = RecordProblem::None;
};
