// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Application.h"

#include "AboutWindow.h"
#include "ApplicationFolder.h"
#include "Language.h"
#include "MainWindow.h"
#include "ModeSetting.h"
#include "OpenFailureNotice.h"
#include "RecordMessages.h"
#include "SealsWindow.h"
#include "StatisticsWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QSessionManager>
#include <utility>

using namespace Qt::StringLiterals;

Application::Application(Desktop desktop, Game::Random random)
    : desktop_(std::move(desktop)), game_(board_, std::move(random)),
      record_(RecordFile::inDataFolder()),
      trainingRecord_(RecordFile::inDataFolder(RecordFile::TrainingFileName))
{
    // The window opens in the mode the player left.
    game_.setTraining(ModeSetting::training());
    window_ = std::make_unique<MainWindow>(game_, board_);
    connectGame();
    connectCommands();
    connectEnding();
}

// The game's news to the window, and each finished game to the record, after the window has
// shown its verdict.
void Application::connectGame()
{
    MainWindow *window = window_.get();
    QObject::connect(&game_, &Game::changed, window, &MainWindow::showGame);
    QObject::connect(&board_, &ResultBoard::changed, window, &MainWindow::showBoard);
    QObject::connect(&game_, &Game::finished, window,
                     [this](const FinishedGame &game) { recordOf(game).keep(game); });
    QObject::connect(window, &MainWindow::trainingChosen, window, &ModeSetting::setTraining);
}

Record &Application::recordOf(const FinishedGame &game)
{
    return game.training ? trainingRecord_ : record_;
}

void Application::connectCommands()
{
    MainWindow *window = window_.get();
    QObject::connect(window, &MainWindow::helpRequested, window, [this] { openHelp(); });
    QObject::connect(window, &MainWindow::aboutRequested, window, [this] { showAbout(); });
    QObject::connect(window, &MainWindow::statisticsRequested, window,
                     [this] { showStatistics(); });
    QObject::connect(window, &MainWindow::sealsRequested, window, [this] { showSeals(); });
    // Told over whichever window the player looks at; the opener may give up after this
    // program has closed the window that asked. Help no browser showed, the program shows.
    desktop_.setComplaint([main = QPointer<MainWindow>(window)](const OpenFailure &failure) {
        const auto folder = ApplicationFolder::find();
        const QString help =
            folder ? *folder + Language::helpDocument(Language::current()) : QString();
        if (QWidget *over = QApplication::activeWindow())
            OpenFailureNotice::show(over, failure, help);
        else if (main)
            OpenFailureNotice::show(main, failure, help);
    });
}

// The program ends by the player's command or window, asking about the games it could not
// save; or without asking, when the session ends (the session manager's "die", which Qt turns
// into a request to quit), or a signal says so. Qt's own quitting with the last window is
// left out, so that every request to quit is the system's.
void Application::connectEnding()
{
    MainWindow *window = window_.get();
    QObject::connect(window, &MainWindow::exitRequested, window, [this] { exitWhenReady(); });
    QObject::connect(window, &MainWindow::closing, window, [this](QCloseEvent *event) {
        if (!exitWhenReady())
            event->ignore();
    });
    QGuiApplication::setQuitOnLastWindowClosed(false);
    qApp->installEventFilter(this);
    // A checkpoint, or the start of a shutdown that may yet be cancelled: the session manager
    // does not say which. One more attempt; nothing moved, nothing asked.
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager &) {
        record_.saveUnsaved();
        trainingRecord_.saveUnsaved();
    });
    QObject::connect(&signals_, &TerminationSignals::received, this, [this](int number) {
        endUnattended(TerminationSignals::name(number), 128 + number);
    });
}

bool Application::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != qApp || event->type() != QEvent::Quit)
        return false;
    endUnattended(u"the session ended"_s, 0);
    event->accept();
    return true;
}

void Application::endUnattended(const QString &why, int exitCode)
{
    if (std::exchange(ending_, true))
        return;
    for (Record *record : {&record_, &trainingRecord_})
        if (!record->saveUnsaved())
            record->saveUnsavedBeside(why);
    // Every event loop ends, a question's included.
    QCoreApplication::exit(exitCode);
}

// The record's news to the statistics window, for as long as it stays open.
void Application::connectRecord()
{
    StatisticsWindow *window = statistics_;
    QObject::connect(&record_, &Record::gameAdded, window, &StatisticsWindow::addGame);
    QObject::connect(&record_, &Record::stateChanged, window, &StatisticsWindow::setRecordState);
    QObject::connect(&record_, &Record::readingProgressed, window, &StatisticsWindow::setProgress);
    QObject::connect(&record_, &Record::statisticsChanged, window,
                     &StatisticsWindow::setStatistics);
    QObject::connect(window, &QObject::destroyed, &record_, &Record::stopReading);
    QObject::connect(&trainingRecord_, &Record::gameAdded, window,
                     &StatisticsWindow::addTrainingGame);
    QObject::connect(&trainingRecord_, &Record::statisticsChanged, window,
                     &StatisticsWindow::setTrainingStatistics);
    QObject::connect(window, &QObject::destroyed, &trainingRecord_, &Record::stopReading);
}

Application::~Application() = default;

// In the player's language.
void Application::openHelp()
{
    desktop_.openHelp(Language::helpDocument(Language::current()));
}

void Application::start()
{
    window_->show();
    QCoreApplication::processEvents();
}

bool Application::exitWhenReady()
{
    if (!readyToEnd())
        return false;
    // Ended meanwhile with nobody to ask, and with its own exit status.
    if (!ending_)
        QCoreApplication::exit(0);
    return true;
}

// The test's games first, then training's.
bool Application::readyToEnd()
{
    return readyToEnd(record_) && readyToEnd(trainingRecord_);
}

bool Application::readyToEnd(Record &record)
{
    if (ending_ || record.saveUnsaved())
        return true;
    for (;;) {
        const auto answer = RecordMessages::askAboutUnsaved(window_.get(), record.state(),
                                                            &record == &trainingRecord_);
        if (ending_)
            return true;
        switch (answer) {
        case RecordMessages::Answer::Stay:
            return false;
        case RecordMessages::Answer::QuitWithout:
            record.dropUnsaved();
            return true;
        case RecordMessages::Answer::SaveToFile:
            break;
        }
        const QString path = RecordMessages::chooseFile(window_.get());
        if (ending_)
            return true;
        if (path.isEmpty())
            continue;
        const RecordFault fault = record.saveUnsavedTo(path);
        if (!fault.failed())
            return true;
        RecordMessages::notSavedTo(window_.get(), path, fault);
        if (ending_)
            return true;
    }
}

// A new window at each opening, modal over the main window, gone once closed.
void Application::showAbout()
{
    AboutWindow about(window_.get());
    QObject::connect(&about, &AboutWindow::siteLinkActivated, &about,
                     [this](const QString &url) { desktop_.openUrl(url); });
    about.exec();
}

// The record is read here, not at start-up, and afresh at each opening; closing the window
// drops a reading under way.
void Application::showStatistics()
{
    if (!statistics_) {
        statistics_ = new StatisticsWindow(window_.get());
        QObject::connect(statistics_, &StatisticsWindow::startAnewRequested, window_.get(),
                         [this] { startRecordAnew(); });
        QObject::connect(statistics_, &StatisticsWindow::helpRequested, window_.get(),
                         [this] { openHelp(); });
        connectRecord();
        statistics_->setRecordState(record_.state());
        record_.read();
        trainingRecord_.read();
    }
    statistics_->show();
    statistics_->raise();
    statistics_->activateWindow();
}

// Its seals follow the game for as long as it stays open.
void Application::showSeals()
{
    if (!seals_) {
        seals_ = new SealsWindow(game_, window_.get());
        QObject::connect(&game_, &Game::changed, seals_, &SealsWindow::showGame);
        // Each game is written to its mode's record, whose code then follows it.
        for (Record *record : {&record_, &trainingRecord_})
            QObject::connect(record, &Record::headWritten, seals_, &SealsWindow::setRecordCode);
        QObject::connect(seals_, &SealsWindow::helpRequested, window_.get(),
                         [this] { openHelp(); });
    }
    seals_->show();
    seals_->raise();
    seals_->activateWindow();
}

void Application::startRecordAnew()
{
    if (const RecordFault fault = record_.startAnew(); fault.failed())
        RecordMessages::notCleared(statistics_, record_.state(), fault);
}
