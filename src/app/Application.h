// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Desktop.h"
#include "Game.h"
#include "Record.h"
#include "ResultBoard.h"

#include <QPointer>
#include <memory>

class MainWindow;
class SealsWindow;
class StatisticsWindow;

// The program put together: the game and its board, the main window that shows them, the
// desktop that its help and About link go to, and the record that keeps its finished games.
// It creates them and connects them, nothing more; the program ends through here, so that no
// game is lost without a word.
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
    Game &game() { return game_; }

    // Whether the program may end now. Games that could not be saved get one more attempt;
    // then the player is asked whether to save them to a file, quit without them or stay.
    // With nobody to ask (the desktop session ending) they go beside the record.
    bool readyToEnd(bool canAsk);

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

    Desktop desktop_;
    // Before the window, which goes first and takes the connections to it along.
    ResultBoard board_;
    Game game_;
    Record record_;
    std::unique_ptr<MainWindow> window_;
    QPointer<StatisticsWindow> statistics_;
    QPointer<SealsWindow> seals_;
};
