// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Game.h"

#include <QAccessible>
#include <QMainWindow>
#include <array>
#include <memory>

class Announcer;
class QAction;
class BoardView;
class QLabel;
class QPushButton;
class QStyle;
class TitleBanner;

class ResultBoard;

// The main window: the banner, the level buttons, the status label, the picture buttons, the
// result board and the rules. It routes the player's clicks to the game and shows the game's
// state when told it has changed, and says each change to screen readers; F2 says the rules
// again and F3 what the board holds. What belongs to the desktop (help, About, exit) it only
// asks for.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    static constexpr QSize ClientSize{650, 308};
    // How long a screen reader that has just started is given before it hears the rules.
    static constexpr int ScreenReaderSettlesMs = 1500;

    // The game and its board are the caller's, and outlive the window.
    MainWindow(Game &game, const ResultBoard &board, QWidget *parent = nullptr);
    ~MainWindow() override;

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
    // The player switched training on or off; the game has already been told.
    void trainingChosen(bool training);
    // The window is asked to close: whoever listens keeps it open by ignoring the event.
    void closing(QCloseEvent *event);

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // What the status label says and what it means; the explanation only with a verdict.
    struct Status {
        QString text;
        QString explanation;
    };

    void createMenus();
    void createKeys();
    void createControls(QWidget *client);
    void createLevelButtons(QWidget *client, QStyle *buttonStyle);
    void createPictureButtons(QWidget *client, QStyle *buttonStyle);
    void createBoard(QWidget *client);
    void setFocusOrder();

    static QString levelFirst();
    static QString introduction();
    static QString rulesSpoken();
    static QString keysSpoken();
    Status status() const;
    QString lastMove() const;
    void pressPicture(int picture);
    void chooseTraining(bool training);
    QString modeShown() const;
    void announceRules();
    void announceBoard();
    void announceSeal();
    void describePictures();
    void describeBoard(const Status &status);
    void watchForScreenReader();

    Game &game_;
    const ResultBoard &board_;

    TitleBanner *banner_ = nullptr;
    std::array<QPushButton *, Level::Count> levelButtons_{};
    QLabel *status_ = nullptr;
    std::array<QPushButton *, Level::MostPictures> pictureButtons_{};
    BoardView *boardView_ = nullptr;
    QLabel *rules_ = nullptr;
    Announcer *announcer_ = nullptr;
    QAction *training_ = nullptr;
    // The mode the window last showed, so that a change is said.
    bool shownTraining_ = false;
    bool rulesAnnounced_ = false;
    std::unique_ptr<QAccessible::ActivationObserver> screenReaderWatch_;
};
