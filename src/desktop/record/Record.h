// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "FinishedGame.h"
#include "RecordFile.h"
#include "RecordState.h"
#include "Statistics.h"

#include "StatisticsLoader.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <functional>
#include <optional>
#include <vector>

// The record of games as the program keeps it. Each finished game is appended as it ends; one
// that cannot be stays in memory and is tried again with the next, and once more at the end,
// when whoever ends the program can have them written elsewhere. The record is read and checked
// for whoever shows the statistics the first time in a run, a long one on a thread of its own;
// its sums are then kept, with each game written added, and read again only when the file
// changed behind the program's back. News goes out by signals; what the player is to be told about
// the record is its state. Nothing is asked of the file system before the first game or reading.
// The games in memory are this run's until they are written or the player lets them go:
// starting anew keeps them, for the new record.
class Record : public QObject
{
    Q_OBJECT

public:
    // The time a game is stamped with, in UTC.
    using Clock = std::function<QDateTime()>;

    explicit Record(RecordFile file, Clock clock = &QDateTime::currentDateTimeUtc,
                    QObject *parent = nullptr);
    ~Record() override;

    RecordState state() const;

    // Stamps a finished game and appends it, after those that could not be before.
    void keep(FinishedGame game);

    // Sums up the whole record with this run's unsaved games: statisticsChanged follows, at once
    // for a short record or one read before and unchanged since, later for a long one, with
    // readingProgressed in between. A reading under way is dropped for the new one.
    void read();
    // Drops a reading under way: nothing more is told of it.
    void stopReading();

    // Renames the record aside with today's date, drops a reading under way, tells of a record
    // with only the games in memory, and tries to write them to the new record; or leaves
    // everything and says why not (NoHome: there is no record to start anew).
    RecordFault startAnew();

    // One more attempt at the games in memory; true when none are left.
    bool saveUnsaved();
    // The games in memory added to a file the player chose (RecordFile::appendToChosen); those
    // written there leave memory.
    RecordFault saveUnsavedTo(const QString &path);
    // With nobody to ask: the games in memory written beside the record under a new name, and
    // where logged, with `why` the program ends. Their file, or empty when they could not be
    // written anywhere.
    QString saveUnsavedBeside(const QString &why);
    // The player let the games in memory go.
    void dropUnsaved();

Q_SIGNALS:
    // A reading is done, or the record started anew: every game of the record and of this run,
    // summed up.
    void statisticsChanged(const Statistics &sums);
    // How far a long reading has got, from 0; 100 once any reading is done.
    void readingProgressed(int percent);
    // A game kept, saved or not, while no reading is under way: one under way counts it itself.
    void gameAdded(const FinishedGame &game);
    // Games left unsaved or saved after all, the record unreadable or read again.
    void stateChanged(const RecordState &state);
    // Games went into the record, which now ends in `head` (RecordLine::head).
    void headWritten(const QByteArray &head);

private:
    // The file's own sums, and the stamp of the file they are of.
    struct Known {
        StatisticsLoader::Sums sums;
        std::optional<Platform::FileStamp> stamp;
    };
    void appendUnsaved(std::size_t toldBefore);
    // Keeps what was known of the file true after `count` games went into it.
    void follow(const RecordFile::Appended &appended, std::size_t count);
    void finishReading(StatisticsLoader::Sums sums);
    QByteArray unsavedLines() const;
    void forgetUnsaved(std::size_t count);

    RecordFile file_;
    Clock clock_;
    // Oldest first, with why the last attempt to write them failed.
    std::vector<FinishedGame> unsaved_;
    RecordFault notSaved_;
    RecordFault unreadable_;
    int unreadableLines_ = 0;
    int failedGames_ = 0;
    QList<qint64> failedLines_;
    std::optional<Known> known_;
    QPointer<StatisticsLoader> loader_;
    // Written while a long reading runs, which does not see them, and the file as it is after
    // them: none when another copy wrote meanwhile.
    std::vector<FinishedGame> writtenWhileReading_;
    std::optional<Platform::FileStamp> readingStamp_;
};
