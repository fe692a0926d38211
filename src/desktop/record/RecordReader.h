// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Platform.h"
#include "RecordCheck.h"
#include "RecordProblem.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>
#include <optional>

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
    // The file as it was opened: a default stamp for a missing one, nothing when it cannot be
    // told.
    const std::optional<Platform::FileStamp> &stamp() const { return stamp_; }

    // Hands over each line without its newline, the header first, a block at a time, holding
    // no more of the file than one block and one line: of a line longer than
    // RecordLine::LongestLine, only its end. Once only. A record that does not begin with the
    // header hands over nothing and is ForeignFile; one of a newer version is read, and
    // NewerVersion. A last line without its newline is handed over too.
    RecordFault read(const std::function<void(QByteArrayView line)> &take,
                     const Progress &progress = {});
    // Whether the last line had no newline: cut off while written, unless its end shows it
    // whole (RecordCheck::finish).
    bool unendedAtEnd() const { return unended_; }
    // The whole reading through a check: the fault that cut it short, if any.
    RecordFault check(RecordCheck &check, const Progress &progress = {});

private:
    bool checkHeader(QByteArrayView line);

    QString path_;
    int fd_ = -1;
    qint64 size_ = 0;
    std::optional<Platform::FileStamp> stamp_;
    RecordFault fault_;
    bool unended_ = false;
};
