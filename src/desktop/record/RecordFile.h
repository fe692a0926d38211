// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Platform.h"
#include "RecordProblem.h"
#include "RecordReader.h"

#include <QByteArray>
#include <QString>
#include <optional>

// The file that keeps every finished game, one line each, after a header line that names its
// version. It is only ever appended to, whole lines in one write under the file's lock, so that
// two running copies of the program never interleave; a write that fails is cut back, so that
// the record stays as it was; a game counts as written once it is on the disk; starting anew
// renames it, never deletes.
// Only this user's own real data folder is used, and in it only this user's own plain file with
// no other name that begins with the header: whatever else stands there is left untouched, and
// nothing is ever written through a link or made in another user's folder. A record of a newer
// version is only read. What a game's line says is not its business. Every problem is also
// logged (chuikomer.record) with the path and why.
class RecordFile
{
public:
    static constexpr char FileName[] = "games.tsv";
    // Training games, kept apart so that they never enter the test's figures.
    static constexpr char TrainingFileName[] = "training.tsv";

    // The record at `path`, byte for byte as the system names it; an empty path is a record
    // with no home: every use fails with NoHome. Nothing is made below `home`, a folder above
    // it, unless this user owns it (Platform::openOwnFolder).
    explicit RecordFile(QByteArray path, QByteArray home = {});
    explicit RecordFile(const QString &path);

    // In the user's data folder, named after the application (Platform::dataFolder): on Linux
    // $XDG_DATA_HOME/org.example.Chuikomer/games.tsv. Names it, and asks nothing of the files.
    static RecordFile inDataFolder(const char *fileName = FileName);
    // Its path, for tests and tools.
    static QString defaultPath(const char *fileName = FileName);

    // As the player reads it; empty with no home.
    QString path() const;

    struct Appended {
        // How many of the lines are in the record now: all, or none when the write was cut
        // back; only when even that failed, those the failed write left whole.
        int lines = 0;
        RecordFault fault;
        // The file just before the write and just after it, and its head after it
        // (RecordLine::head), when all went in.
        std::optional<Platform::FileStamp> before;
        std::optional<Platform::FileStamp> after;
        QByteArray head;
    };
    // Appends `lines` (each ending in its newline) in one write, after the header when the file
    // is new or empty, on a line of their own after a line something else left unended.
    Appended append(const QByteArray &lines) const;

    // The record as it stands now, to be read whenever and wherever; a missing file is an
    // empty record.
    RecordReader openForReading() const;

    // Any readable plain file, named byte for byte, for checking alone: it is never written.
    static RecordReader openToVerify(const QByteArray &path);

    // Renames the record after `date` ("games-2026-12-07.tsv", numbered if the name is taken
    // by anything at all), so that the next game starts a new one. None also when there was
    // nothing to rename. A game another copy of the program appends meanwhile goes to the new
    // record.
    RecordFault startAnew(const QString &date) const;

    // Writes `lines` under the header in a new file beside the record, named after `date`
    // ("games-unsaved-2026-12-07.tsv", numbered), for games that could not go into the record
    // itself; `written` is its path.
    RecordFault writeBeside(const QString &date, const QByteArray &lines, QString &written) const;

    // Adds `lines` to a file the player chose: after them when it is a record already, under
    // the header when it is new or empty; any other file is left as it is, and a new one that
    // took none of them is removed again (Platform::openChosenFile says which files are taken).
    static Appended appendToChosen(const QString &path, const QByteArray &lines);

private:
    Appended appendOnce(const QByteArray &lines) const;
    RecordFault renameAside(const QString &date) const;
    RecordFault createBeside(const QString &date, const QByteArray &lines, QString &written) const;

    QByteArray folder_;
    QByteArray name_;
    QByteArray home_;
};
