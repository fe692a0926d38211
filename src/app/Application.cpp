// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Application.h"

#include "AboutWindow.h"
#include "MainWindow.h"
#include "RecordLine.h"
#include "RecordReader.h"
#include "StatisticsLoader.h"
#include "StatisticsWindow.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QMessageBox>

using namespace Qt::StringLiterals;

Application::Application(Desktop desktop, Game::Random random)
    : desktop_(std::move(desktop)), window_(std::make_unique<MainWindow>(std::move(random)))
{
    QObject::connect(window_.get(), &MainWindow::exitRequested, &Application::exit);
    QObject::connect(window_.get(), &MainWindow::helpRequested, window_.get(),
                     [this] { desktop_.openHelp(); });
    QObject::connect(window_.get(), &MainWindow::aboutRequested, window_.get(),
                     [this] { showAbout(); });
    QObject::connect(&window_->game(), &Game::finished, window_.get(),
                     [this](const FinishedGame &game) { keep(game); });
    QObject::connect(window_.get(), &MainWindow::statisticsRequested, window_.get(),
                     [this] { showStatistics(); });
}

Application::~Application() = default;

void Application::start()
{
    window_->show();
    QCoreApplication::processEvents();
}

void Application::exit()
{
    QCoreApplication::exit(0);
}

// A new window at each opening, modal over the main window, gone once closed.
void Application::showAbout()
{
    AboutWindow about(window_.get());
    QObject::connect(&about, &AboutWindow::siteLinkActivated, &about,
                     [this](const QString &url) { desktop_.openUrl(url); });
    about.exec();
}

// Appended at once, the games that failed before first; whatever still fails stays in memory
// for this run, and the game plays on without a word until the statistics are opened.
void Application::keep(FinishedGame game)
{
    game.playedAt = QDateTime::currentDateTimeUtc();
    unsaved_.push_back(game);
    std::size_t written = 0;
    while (written < unsaved_.size()) {
        const RecordProblem problem =
            record().append(RecordLine::serialise(unsaved_[written]), RecordLine::header());
        if (problem != RecordProblem::None) {
            notSavedBecause_ = problem;
            break;
        }
        ++written;
    }
    const auto writtenEnd = unsaved_.begin() + std::ptrdiff_t(written);
    if (loader_)
        writtenWhileReading_.insert(writtenWhileReading_.end(), unsaved_.begin(), writtenEnd);
    unsaved_.erase(unsaved_.begin(), writtenEnd);
    // While the record is read, the game is added with the rest once the reading is done.
    if (statistics_ && !loader_)
        statistics_->addGame(game, notSavedWhere());
}

namespace
{

QString reason(RecordProblem problem)
{
    switch (problem) {
    case RecordProblem::None:
        break;
    case RecordProblem::NoHome:
        return u"не заданы ни HOME, ни XDG_DATA_HOME"_s;
    case RecordProblem::SymbolicLink:
        return u"это символическая ссылка"_s;
    case RecordProblem::NotAFile:
        return u"это не обычный файл"_s;
    case RecordProblem::OtherNames:
        return u"у файла есть другие имена (жёсткие ссылки)"_s;
    case RecordProblem::OtherOwner:
        return u"файл принадлежит другому пользователю"_s;
    case RecordProblem::Failed:
        return u"нет доступа или места на диске"_s;
    }
    return {};
}

} // namespace

// Where and why, to follow "не удалось записать в" or "прочитать из".
QString Application::recordTrouble(RecordProblem problem)
{
    const QString where = problem == RecordProblem::NoHome
                              ? u"папку данных"_s
                              : QDir::toNativeSeparators(record().path());
    // On a line of its own: a path is long enough.
    return where + u":\n"_s + reason(problem);
}

// Without a home nothing is ever saved, and the window says so from the start.
QString Application::notSavedWhere()
{
    if (record().path().isEmpty())
        return recordTrouble(RecordProblem::NoHome) + u"; игры этого запуска хранятся в памяти"_s;
    if (unsaved_.empty())
        return {};
    return recordTrouble(notSavedBecause_) + u"; игры этого запуска хранятся в памяти"_s;
}

const RecordFile &Application::record()
{
    if (!record_)
        record_.emplace(RecordFile::defaultPath());
    return *record_;
}

// The record is read here, not at start-up, and afresh at each opening.
void Application::showStatistics()
{
    if (!statistics_) {
        statistics_ = new StatisticsWindow(window_.get());
        QObject::connect(statistics_, &StatisticsWindow::startAnewRequested, window_.get(),
                         [this] { startRecordAnew(); });
        QObject::connect(statistics_, &StatisticsWindow::helpRequested, window_.get(),
                         [this] { desktop_.openHelp(); });
        readRecord();
    }
    statistics_->show();
    statistics_->raise();
    statistics_->activateWindow();
}

// A short record is read at once; a long one on a thread of its own, the window showing how
// far. Its size is fixed here, so that every game written from now on is one the reading
// does not see, and is added afterwards.
void Application::readRecord()
{
    // About 30,000 games, read in about ten milliseconds.
    constexpr qint64 ReadAtOnceBytes = 2 << 20;
    RecordReader reader(record().path());
    writtenWhileReading_.clear();
    if (reader.size() <= ReadAtOnceBytes) {
        Statistics sums;
        const RecordProblem problem =
            reader.read([&sums](QByteArrayView line) { sums.addLine(line); });
        recordRead(std::move(sums), problem);
        return;
    }
    statistics_->setProgress(0);
    // A child of the window: closing it stops the reading.
    loader_ = new StatisticsLoader(
        std::move(reader),
        [this](int percent) {
            if (statistics_)
                statistics_->setProgress(percent);
        },
        [this](Statistics sums, RecordProblem problem) { recordRead(std::move(sums), problem); },
        statistics_);
}

void Application::recordRead(Statistics sums, RecordProblem problem)
{
    if (loader_)
        loader_->deleteLater();
    loader_ = nullptr;
    for (const FinishedGame &game : writtenWhileReading_)
        sums.add(game);
    writtenWhileReading_.clear();
    for (const FinishedGame &game : unsaved_)
        sums.add(game);
    const QString notSaved = notSavedWhere();
    QString unreadable;
    // The reason once: with the games not saved if they say it already.
    if (problem != RecordProblem::None && problem != RecordProblem::NoHome)
        unreadable = !notSaved.isEmpty() && problem == notSavedBecause_
                         ? QDir::toNativeSeparators(record().path())
                         : recordTrouble(problem);
    statistics_->setStatistics(std::move(sums), notSaved, unreadable);
    statistics_->setProgress(100);
}

// A reading under way is of the old record, now the archive: it is dropped.
void Application::startRecordAnew()
{
    const RecordProblem problem = record().startAnew(QDate::currentDate().toString(Qt::ISODate));
    if (problem != RecordProblem::None && problem != RecordProblem::NoHome) {
        QMessageBox::warning(statistics_, u"Статистика"_s,
                             u"Не удалось начать запись заново: "_s + recordTrouble(problem) +
                                 u'.');
        return;
    }
    delete loader_;
    writtenWhileReading_.clear();
    unsaved_.clear();
    if (statistics_) {
        statistics_->setStatistics(Statistics{}, notSavedWhere());
        statistics_->setProgress(100);
    }
}
