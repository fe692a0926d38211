// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Application.h"

#include "AboutWindow.h"
#include "MainWindow.h"
#include "OpenFailureNotice.h"
#include "RecordMessages.h"
#include "StatisticsWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QSessionManager>

Application::Application(Desktop desktop, Game::Random random)
    : desktop_(std::move(desktop)), record_(RecordFile::inDataFolder()),
      window_(std::make_unique<MainWindow>(std::move(random)))
{
    MainWindow *window = window_.get();
    // Told over whichever window the player looks at; the opener may give up after this
    // program has closed the window that asked.
    desktop_.setComplaint([main = QPointer<MainWindow>(window)](const OpenFailure &failure) {
        if (QWidget *over = QApplication::activeWindow())
            OpenFailureNotice::show(over, failure);
        else if (main)
            OpenFailureNotice::show(main, failure);
    });
    QObject::connect(window, &MainWindow::exitRequested, window, [this] { exitWhenReady(); });
    QObject::connect(window, &MainWindow::closing, window, [this](QCloseEvent *event) {
        if (readyToEnd(true))
            QCoreApplication::exit(0);
        else
            event->ignore();
    });
    // Told to the program before the session ends: the player may stay, and the session with.
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, window,
                     [this](QSessionManager &session) {
                         if (!readyToEnd(session.allowsInteraction()))
                             session.cancel();
                         session.release();
                     });
    QObject::connect(window, &MainWindow::helpRequested, window, [this] { desktop_.openHelp(); });
    QObject::connect(window, &MainWindow::aboutRequested, window, [this] { showAbout(); });
    QObject::connect(window, &MainWindow::statisticsRequested, window,
                     [this] { showStatistics(); });
    QObject::connect(&window->game(), &Game::finished, &record_,
                     [this](const FinishedGame &game) { record_.keep(game); });

    QObject::connect(&record_, &Record::gameAdded, window, [this](const FinishedGame &game) {
        if (statistics_)
            statistics_->addGame(game);
    });
    QObject::connect(&record_, &Record::stateChanged, window, [this](const RecordState &state) {
        if (statistics_)
            statistics_->setRecordState(state);
    });
    QObject::connect(&record_, &Record::statisticsChanged, window, [this] {
        if (statistics_)
            statistics_->setStatistics(record_.takeStatistics());
    });
    QObject::connect(&record_, &Record::readingProgressed, window, [this](int percent) {
        if (statistics_)
            statistics_->setProgress(percent);
    });
}

Application::~Application() = default;

void Application::start()
{
    window_->show();
    QCoreApplication::processEvents();
}

void Application::exitWhenReady()
{
    if (readyToEnd(true))
        QCoreApplication::exit(0);
}

bool Application::readyToEnd(bool canAsk)
{
    if (record_.saveUnsaved())
        return true;
    if (!canAsk) {
        record_.saveUnsavedBeside();
        return true;
    }
    for (;;) {
        switch (RecordMessages::askAboutUnsaved(window_.get(), record_.state())) {
        case RecordMessages::Answer::Stay:
            return false;
        case RecordMessages::Answer::QuitWithout:
            record_.dropUnsaved();
            return true;
        case RecordMessages::Answer::SaveToFile:
            break;
        }
        const QString path = RecordMessages::chooseFile(window_.get());
        if (path.isEmpty())
            continue;
        const RecordFault fault = record_.saveUnsavedTo(path);
        if (!fault.failed())
            return true;
        RecordMessages::notSavedTo(window_.get(), path, fault);
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
                         [this] { desktop_.openHelp(); });
        QObject::connect(statistics_, &QObject::destroyed, &record_,
                         [this] { record_.stopReading(); });
        statistics_->setRecordState(record_.state());
        record_.read();
    }
    statistics_->show();
    statistics_->raise();
    statistics_->activateWindow();
}

void Application::startRecordAnew()
{
    if (const RecordFault fault = record_.startAnew(); fault.failed())
        RecordMessages::notCleared(statistics_, record_.state(), fault);
}
