// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "RecordReader.h"
#include "Statistics.h"

#include <QObject>
#include <atomic>
#include <functional>
#include <thread>

// Sums up an opened record on a thread of its own, so that a record of millions of games
// never holds the windows up, and hands the sums over on the thread it was made on. Going
// away stops the reading and waits for it; nothing is handed over afterwards.
class StatisticsLoader : public QObject
{
public:
    // A record summed up: its games that pass their check (RecordCheck), how many of its lines
    // hold none that this version reads (a last one cut off while written included), how many
    // games fail their check and are left out, and what kept it from being read whole.
    // Lines of failing games named at most: the rest is for `chuikomer --verify`.
    static constexpr int FailedLinesNamed = 10;
    struct Sums {
        Statistics statistics;
        int unreadableLines = 0;
        int failedGames = 0;
        QList<qint64> failedLines;
        RecordFault fault;
        // The record's head after its last game (RecordLine::head); empty with none.
        QByteArray head;
    };
    using Progressed = std::function<void(int percent)>;
    using Loaded = std::function<void(Sums sums)>;

    StatisticsLoader(RecordReader reader, Progressed progressed, Loaded loaded, QObject *parent);
    ~StatisticsLoader() override;

    // Every line of `reader` read as a game.
    static Sums sumUp(RecordReader &reader, const RecordReader::Progress &progress = {});

private:
    void run(RecordReader reader);

    Progressed progressed_;
    Loaded loaded_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};
