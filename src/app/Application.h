// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Desktop.h"
#include "Game.h"
#include "Record.h"
#include "ResultBoard.h"
#include "TerminationSignals.h"

#include <QObject>
#include <QPointer>
#include <memory>

class MainWindow;
class SealsWindow;
class StatisticsWindow;

// The program put together: the game and its board, the main window that shows them, the
// desktop that its help and About link go to, and the record that keeps its finished games.
// It creates them and connects them, nothing more; the program ends through here, so that no
// game is lost without a word.
class Application : public QObject
{
public:
    explicit Application(Desktop desktop, Game::Random random);
    ~Application() override;

    // Shows the main window and dispatches the events waiting for it.
    void start();

    MainWindow &mainWindow() { return *window_; }
    Game &game() { return game_; }

    // Ends the program with nobody to ask, `why` (the session's end, a signal, the display
    // gone): one more attempt at the games that could not be saved, then they go beside the
    // record, and the log says where; any question still open is closed, and the event loop
    // ends with `exitCode`. Needs no event loop itself.
    void endUnattended(const QString &why, int exitCode);

protected:
    // The session's end, as the system tells it: the application is asked to quit.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectGame();
    void connectCommands();
    void connectEnding();
    void connectRecord();
    void openHelp();
    void showAbout();
    void showStatistics();
    void showSeals();
    void startRecordAnew();
    // Whether the program ends: false when the player stays.
    bool exitWhenReady();
    // Whether the program may end now. Games that could not be saved get one more attempt;
    // then the player is asked whether to save them to a file, quit without them or stay.
    bool readyToEnd();
    bool readyToEnd(Record &record);
    // Where a finished game goes: the test's record, or training's.
    Record &recordOf(const FinishedGame &game);

    Desktop desktop_;
    // Before the window, which goes first and takes the connections to it along.
    ResultBoard board_;
    Game game_;
    Record record_;
    // Training games, never counted with the test's.
    Record trainingRecord_;
    std::unique_ptr<MainWindow> window_;
    QPointer<StatisticsWindow> statistics_;
    QPointer<SealsWindow> seals_;
    TerminationSignals signals_;
    // Set once the program ends with nobody to ask: no question is asked from then on.
    bool ending_ = false;
};
