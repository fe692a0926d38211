// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Record.h"

#include "DesktopLog.h"
#include "RecordLine.h"
#include "StatisticsLoader.h"

#include <QDate>

namespace
{

// Read at once up to about 1,900 games of version-2 lines (12,000 of version 3's); a longer
// record is read on a thread.
constexpr qint64 ReadAtOnceBytes = 2 << 20;

QString today()
{
    return QDate::currentDate().toString(Qt::ISODate);
}

} // namespace

Record::Record(RecordFile file, Clock clock, QObject *parent)
    : QObject(parent), file_(std::move(file)), clock_(std::move(clock))
{
}

Record::~Record()
{
    stopReading();
}

RecordState Record::state() const
{
    return {file_.path(),     int(unsaved_.size()), notSaved_,   unreadable_,
            unreadableLines_, failedGames_,         failedLines_};
}

void Record::keep(FinishedGame game)
{
    game.playedAt = clock_();
    const std::size_t told = unsaved_.size();
    unsaved_.push_back(game);
    appendUnsaved(told);
    if (!loader_)
        Q_EMIT gameAdded(game);
}

QByteArray Record::unsavedLines() const
{
    QByteArray lines;
    for (const FinishedGame &game : unsaved_)
        lines += RecordLine::serialise(game);
    return lines;
}

// The games written leave memory, and a reading under way adds them when it is done.
void Record::forgetUnsaved(std::size_t count)
{
    const auto end = unsaved_.begin() + std::ptrdiff_t(count);
    if (loader_)
        writtenWhileReading_.insert(writtenWhileReading_.end(), unsaved_.begin(), end);
    unsaved_.erase(unsaved_.begin(), end);
}

// All of them in one write, so that one wait for the lock is the most a game's end can take.
void Record::appendUnsaved(std::size_t toldBefore)
{
    const RecordFault before = notSaved_;
    const RecordFile::Appended appended = file_.append(unsavedLines());
    forgetUnsaved(std::size_t(appended.lines));
    notSaved_ = unsaved_.empty() ? RecordFault{} : appended.fault;
    if (unsaved_.size() != toldBefore || notSaved_ != before)
        Q_EMIT stateChanged(state());
}

bool Record::saveUnsaved()
{
    if (!unsaved_.empty())
        appendUnsaved(unsaved_.size());
    return unsaved_.empty();
}

// The size is fixed when the record is opened, so that every game written from then on is one
// the reading does not see, and is added afterwards.
void Record::read()
{
    stopReading();
    RecordReader reader = file_.openForReading();
    if (reader.size() <= ReadAtOnceBytes) {
        finishReading(StatisticsLoader::sumUp(reader));
        return;
    }
    Q_EMIT readingProgressed(0);
    loader_ = new StatisticsLoader(
        // 100 only once the games are handed over, with this run's added.
        std::move(reader), [this](int percent) { Q_EMIT readingProgressed(std::min(percent, 99)); },
        [this](StatisticsLoader::Sums sums) { finishReading(std::move(sums)); }, this);
}

void Record::stopReading()
{
    delete loader_;
    writtenWhileReading_.clear();
}

void Record::finishReading(StatisticsLoader::Sums sums)
{
    // Called by the loader itself, which goes once it has returned.
    if (loader_)
        loader_->deleteLater();
    loader_ = nullptr;
    for (const FinishedGame &game : writtenWhileReading_)
        sums.statistics.add(game);
    writtenWhileReading_.clear();
    for (const FinishedGame &game : unsaved_)
        sums.statistics.add(game);
    unreadable_ = sums.fault;
    unreadableLines_ = sums.unreadableLines;
    failedGames_ = sums.failedGames;
    failedLines_ = sums.failedLines;
    Q_EMIT stateChanged(state());
    Q_EMIT statisticsChanged(sums.statistics);
    Q_EMIT readingProgressed(100);
}

// The games in memory stay: they go into the new record, with the next game if not now.
RecordFault Record::startAnew()
{
    if (const RecordFault fault = file_.startAnew(today()); fault.failed())
        return fault;
    stopReading();
    // Nothing left to add: the window is handed the games in memory, as after a reading.
    finishReading({});
    saveUnsaved();
    return {};
}

RecordFault Record::saveUnsavedTo(const QString &path)
{
    if (unsaved_.empty())
        return {};
    const RecordFile::Appended appended = RecordFile::appendToChosen(path, unsavedLines());
    if (appended.lines > 0) {
        qCWarning(recordLog).nospace()
            << "Saved " << appended.lines << " unsaved games to " << path;
        forgetUnsaved(std::size_t(appended.lines));
        Q_EMIT stateChanged(state());
    }
    return appended.fault;
}

QString Record::saveUnsavedBeside(const QString &why)
{
    if (unsaved_.empty())
        return {};
    QString written;
    if (file_.writeBeside(today(), unsavedLines(), written).failed()) {
        qCWarning(recordLog).nospace() << unsaved_.size()
                                       << " unsaved games could not be written anywhere and are "
                                          "lost, as the program ends: "
                                       << qUtf8Printable(why);
        return {};
    }
    qCWarning(recordLog).nospace()
        << "Kept " << unsaved_.size() << " unsaved games beside the record, in " << written
        << ", as the program ends: " << qUtf8Printable(why);
    forgetUnsaved(unsaved_.size());
    Q_EMIT stateChanged(state());
    return written;
}

void Record::dropUnsaved()
{
    if (unsaved_.empty())
        return;
    qCWarning(recordLog).nospace()
        << "Left " << unsaved_.size() << " unsaved games unwritten, as the player chose";
    unsaved_.clear();
    notSaved_ = {};
    Q_EMIT stateChanged(state());
}
