#include "Application.h"

#include "AboutWindow.h"
#include "MainWindow.h"
#include "RecordLine.h"
#include "StatisticsWindow.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QMessageBox>

using namespace Qt::StringLiterals;

Application::Application(Desktop desktop, Game::Draw draw)
    : desktop_(std::move(desktop)), window_(std::make_unique<MainWindow>(std::move(draw)))
{
    QObject::connect(window_.get(), &MainWindow::exitRequested, &Application::exit);
    QObject::connect(window_.get(), &MainWindow::helpRequested, window_.get(),
                     [this] { desktop_.openHelp(); });
    QObject::connect(window_.get(), &MainWindow::aboutRequested, window_.get(),
                     [this] { showAbout(); });
    QObject::connect(window_.get(), &MainWindow::gameFinished, window_.get(),
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
    while (written < unsaved_.size() &&
           record().append(RecordLine::serialise(unsaved_[written]), RecordLine::header()))
        ++written;
    unsaved_.erase(unsaved_.begin(), unsaved_.begin() + std::ptrdiff_t(written));
    if (statistics_)
        statistics_->addGame(game, notSavedWhere());
}

QString Application::notSavedWhere()
{
    return unsaved_.empty() ? QString() : QDir::toNativeSeparators(record().path());
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
        Statistics sums;
        const bool read = record().read([&sums](QByteArrayView line) { sums.addLine(line); });
        for (const FinishedGame &game : unsaved_)
            sums.add(game);
        statistics_ = new StatisticsWindow(window_.get());
        QObject::connect(statistics_, &StatisticsWindow::startAnewRequested, window_.get(),
                         [this] { startRecordAnew(); });
        QObject::connect(statistics_, &StatisticsWindow::helpRequested, window_.get(),
                         [this] { desktop_.openHelp(); });
        statistics_->setStatistics(std::move(sums), notSavedWhere(),
                                   read ? QString() : QDir::toNativeSeparators(record().path()));
    }
    statistics_->show();
    statistics_->raise();
    statistics_->activateWindow();
}

void Application::startRecordAnew()
{
    if (!record().startAnew(QDate::currentDate().toString(Qt::ISODate))) {
        QMessageBox::warning(statistics_, u"Статистика"_s,
                             u"Не удалось начать запись заново: файл "_s +
                                 QDir::toNativeSeparators(record().path()) +
                                 u" не переименовать."_s);
        return;
    }
    unsaved_.clear();
    if (statistics_)
        statistics_->setStatistics(Statistics{});
}
