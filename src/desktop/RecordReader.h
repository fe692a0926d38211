// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "RecordProblem.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>

// The record opened for reading as it stood when it was opened (RecordFile::openForReading):
// read later, on any thread, never past the size it had then, so that a record that grows
// meanwhile, or a trap that never ends, cannot keep the reading going.
class RecordReader
{
public:
    // Told the bytes read so far after each block; reading stops when it answers false.
    using Progress = std::function<bool(qint64 done)>;

    // `fd` opened for reading, or -1 with what stopped the opening (None: there is no record,
    // which is an empty one). `path` names it in the log.
    RecordReader(int fd, RecordFault fault, QString path);
    ~RecordReader();
    RecordReader(RecordReader &&other) noexcept;
    RecordReader &operator=(RecordReader &&) = delete;
    RecordReader(const RecordReader &) = delete;
    RecordReader &operator=(const RecordReader &) = delete;

    const RecordFault &fault() const { return fault_; }
    qint64 size() const { return size_; }

    // Hands over each whole line after the header without its newline, a block at a time,
    // holding no more of the file than one block and one line. Once only. A record that does not
    // begin with the header hands over nothing and is ForeignFile; one of a newer version is
    // read, and NewerVersion. A header without its newline is a header all the same.
    RecordFault read(const std::function<void(QByteArrayView line)> &take,
                     const Progress &progress = {});
    // Whether the last line had no newline: a game cut off while written, which is no game.
    bool tornAtEnd() const { return torn_; }
    // The header line as read, without its newline: the first game's hash is of it.
    const QByteArray &header() const { return header_; }

private:
    bool checkHeader(QByteArrayView line);

    QString path_;
    int fd_ = -1;
    qint64 size_ = 0;
    RecordFault fault_;
    bool torn_ = false;
    QByteArray header_;
};
