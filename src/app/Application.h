// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Desktop.h"
#include "FinishedGame.h"
#include "Game.h"
#include "RecordFile.h"
#include "Statistics.h"

#include <QPointer>
#include <memory>
#include <optional>
#include <vector>

class MainWindow;
class StatisticsLoader;
class StatisticsWindow;

// The program put together: the main window, the desktop that its help, About link and
// Exit commands go to, and the record that keeps its finished games.
class Application
{
public:
    explicit Application(Desktop desktop, Game::Random random);
    ~Application();
    Application(const Application &) = delete;
    Application &operator=(const Application &) = delete;

    // Shows the main window and dispatches the events waiting for it.
    void start();

    MainWindow &mainWindow() { return *window_; }

    // Ends the event loop at once: no question, nothing saved, no window told.
    static void exit();

private:
    void showAbout();
    void keep(FinishedGame game);
    void showStatistics();
    void readRecord();
    void recordRead(Statistics sums, RecordProblem problem);
    void startRecordAnew();
    QString notSavedWhere();
    QString recordTrouble(RecordProblem problem);
    // Found when first needed, so that start-up asks nothing of the file system for it.
    const RecordFile &record();

    Desktop desktop_;
    std::unique_ptr<MainWindow> window_;
    std::optional<RecordFile> record_;
    // The games that could not be written, oldest first; written along with the next one.
    std::vector<FinishedGame> unsaved_;
    // Why the last of them could not be.
    RecordProblem notSavedBecause_ = RecordProblem::None;
    QPointer<StatisticsWindow> statistics_;
    // While the record is read for the statistics window, the games written meanwhile, which
    // the reading does not see.
    QPointer<StatisticsLoader> loader_;
    std::vector<FinishedGame> writtenWhileReading_;
};
