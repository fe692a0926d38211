// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Game.h"
#include "GameView.h"
#include "ResultBoard.h"

#include <QMainWindow>
#include <array>

class Announcer;
class BoardView;
class QLabel;
class QPushButton;
class QStyle;
class TitleBanner;

// The main window: the banner, the level buttons, the status label, the picture buttons, the
// result board and the rules. It routes the player's clicks to the game and shows what the
// game writes; what belongs to the desktop (help, About, exit) it only asks for.
class MainWindow : public QMainWindow, private GameView
{
    Q_OBJECT

public:
    static constexpr QSize ClientSize{650, 308};

    explicit MainWindow(Game::Random random, QWidget *parent = nullptr);

    // The rules, for whoever listens to a finished game.
    Game &game() { return game_; }

Q_SIGNALS:
    void exitRequested();
    void helpRequested();
    void aboutRequested();
    void statisticsRequested();
    // The window is asked to close: whoever listens keeps it open by ignoring the event.
    void closing(QCloseEvent *event);

protected:
    void closeEvent(QCloseEvent *event) override;

protected:
    void changeEvent(QEvent *event) override;

private:
    void createMenus();
    void createControls(QWidget *client);
    void createLevelButtons(QWidget *client, QStyle *buttonStyle);
    void createPictureButtons(QWidget *client, QStyle *buttonStyle);
    void createBoard(QWidget *client);
    void setFocusOrder();

    void setCaption(const QString &caption) override;
    void setLevelEnabled(int level, bool enabled) override;
    void setPictureVisible(int picture, bool visible) override;
    void setStatus(const QString &text) override;
    void setVerdictExplanation(const QString &text) override;
    void setBoardDescription(const QString &text) override;

    void pressPicture(int picture);
    void announceStatus();
    void announceRules();
    void describePictures();
    void describeBoard();

    ResultBoard board_;
    Game game_;

    TitleBanner *banner_ = nullptr;
    std::array<QPushButton *, Game::Levels> levelButtons_{};
    QLabel *status_ = nullptr;
    std::array<QPushButton *, Game::AllPictures> pictureButtons_{};
    BoardView *boardView_ = nullptr;
    QLabel *rules_ = nullptr;
    Announcer *announcer_ = nullptr;
    bool statusAnnouncementDue_ = false;
    bool rulesAnnounced_ = false;
    // The board in words and the verdict's explanation, as the game last wrote them.
    QString boardLines_;
    QString explanation_;
};
