// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StatisticsLoader.h"

#include "RecordCheck.h"

#include <utility>

StatisticsLoader::StatisticsLoader(RecordReader reader, Progressed progressed, Loaded loaded,
                                   QObject *parent)
    : QObject(parent), progressed_(std::move(progressed)), loaded_(std::move(loaded))
{
    thread_ = std::thread([this, reader = std::move(reader)]() mutable { run(std::move(reader)); });
}

StatisticsLoader::~StatisticsLoader()
{
    stop_ = true;
    if (thread_.joinable())
        thread_.join();
    // What the thread posted before it stopped goes with this object, unhandled.
}

StatisticsLoader::Sums StatisticsLoader::sumUp(RecordReader &reader,
                                               const RecordReader::Progress &progress)
{
    Sums sums;
    RecordCheck check([&sums](const RecordCheck::Line &line) {
        if (line.game && line.failure == RecordCheck::Failure::None)
            sums.statistics.add(*line.game);
        else if (line.game && ++sums.failedGames <= FailedLinesNamed)
            sums.failedLines << line.number;
        else if (!line.game && !line.blank)
            ++sums.unreadableLines;
    });
    sums.fault = reader.check(check, progress);
    sums.head = check.head();
    return sums;
}

// On the reading thread: everything that reaches the windows is posted back.
void StatisticsLoader::run(RecordReader reader)
{
    const qint64 size = reader.size();
    int shown = -1;
    Sums sums = sumUp(reader, [&](qint64 done) {
        const int percent = int(done * 100 / size);
        if (percent != shown) {
            shown = percent;
            QMetaObject::invokeMethod(
                this, [this, percent] { progressed_(percent); }, Qt::QueuedConnection);
        }
        return !stop_;
    });
    // The window's next steps are the costliest of its figures: worked out here, they are
    // ready when it asks.
    for (const Level level : sums.statistics.levelsPlayed()) {
        if (stop_)
            return;
        sums.statistics.chanceOutlook(level);
        sums.statistics.strengthOutlook(level);
    }
    if (stop_)
        return;
    QMetaObject::invokeMethod(
        this,
        [this, sums = std::move(sums)]() mutable {
            thread_.join();
            loaded_(std::move(sums));
        },
        Qt::QueuedConnection);
}
