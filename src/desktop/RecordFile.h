// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "RecordProblem.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>

// The file that keeps every finished game, one line each. It is only ever appended to, one
// whole line in one write, so that a crash costs at most the line being written and two
// running copies of the program never interleave; starting anew renames it, never deletes.
// Only this user's own plain file with no other name is used: whatever else stands at its
// place is left untouched, and nothing is ever written through a link. What a line says is
// not its business. Every problem is also logged (chuikomer.record) with the path and why.
class RecordFile
{
public:
    static constexpr char16_t FileName[] = u"games.tsv";

    // An empty path is a record with no home: every use fails with NoHome.
    explicit RecordFile(QString path);

    // In the user's data folder, named after the application: on Linux
    // $XDG_DATA_HOME/org.example.Chuikomer/games.tsv. Empty when neither XDG_DATA_HOME nor
    // HOME is set, rather than a folder under the root.
    static QString defaultPath();

    const QString &path() const { return path_; }

    // Appends `line` (newline included) in one write, preceded by `header` when the file is
    // new or empty.
    RecordProblem append(const QByteArray &line, const QByteArray &header) const;

    // Hands over each line without its newline (RecordReader::read); a missing file is an
    // empty record.
    RecordProblem read(const std::function<void(QByteArrayView line)> &take) const;

    // Renames the record after `date` ("games-2026-12-07.tsv", numbered if the name is taken
    // by anything at all), so that the next game starts a new one. None also when there was
    // nothing to rename. A game another copy of the program appends meanwhile goes to the new
    // record.
    RecordProblem startAnew(const QString &date) const;

private:
    // append and startAnew before the failure is logged; errno then holds its reason.
    RecordProblem appendOnce(const QByteArray &line, const QByteArray &header) const;
    RecordProblem renameAside(const QString &date) const;

    QString path_;
};
