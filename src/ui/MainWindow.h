// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Game.h"

#include <QMainWindow>
#include <array>

class Announcer;
class BoardView;
class QLabel;
class QPushButton;
class QStyle;
class TitleBanner;

class ResultBoard;

// The main window: the banner, the level buttons, the status label, the picture buttons, the
// result board and the rules. It routes the player's clicks to the game and shows the game's
// state when told it has changed; what belongs to the desktop (help, About, exit) it only asks
// for.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    static constexpr QSize ClientSize{650, 308};

    // The game and its board are the caller's, and outlive the window.
    MainWindow(Game &game, const ResultBoard &board, QWidget *parent = nullptr);

    // The game changed: its caption, buttons, prompt or verdict, and what a screen reader hears.
    void showGame();
    // The board changed.
    void showBoard();

Q_SIGNALS:
    void exitRequested();
    void helpRequested();
    void aboutRequested();
    void statisticsRequested();
    void sealsRequested();
    // The window is asked to close: whoever listens keeps it open by ignoring the event.
    void closing(QCloseEvent *event);

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void createMenus();
    void createControls(QWidget *client);
    void createLevelButtons(QWidget *client, QStyle *buttonStyle);
    void createPictureButtons(QWidget *client, QStyle *buttonStyle);
    void createBoard(QWidget *client);
    void setFocusOrder();

    static QString levelFirst();
    void pressPicture(int picture);
    void announceStatus();
    void announceRules();
    void describePictures();
    void describeBoard();

    Game &game_;
    const ResultBoard &board_;

    TitleBanner *banner_ = nullptr;
    std::array<QPushButton *, Level::Count> levelButtons_{};
    QLabel *status_ = nullptr;
    std::array<QPushButton *, Level::MostPictures> pictureButtons_{};
    BoardView *boardView_ = nullptr;
    QLabel *rules_ = nullptr;
    Announcer *announcer_ = nullptr;
    bool statusAnnouncementDue_ = false;
    bool rulesAnnounced_ = false;
};
