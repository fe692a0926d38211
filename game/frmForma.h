#pragma once

#include "Game.h"
#include "GameView.h"
#include "ResultBoard.h"

#include <QMainWindow>
#include <array>

class BoardView;
class QAction;
class QLabel;
class QPushButton;
class usrReklamaX;

// The main window: the banner, the level buttons, the status label, the picture buttons, the
// result board and the rules. It routes events to the game and shows the game's state.
class frmForma : public QMainWindow, private GameView
{
    Q_OBJECT

public:
    static constexpr int ClientWidth = 650;
    static constexpr int ClientHeight = 308;

    explicit frmForma(Game::Draw draw, QWidget *parent = nullptr);

    const Game &game() const { return game_; }

    usrReklamaX *usrReklamaX1;
    std::array<QPushButton *, 3> kLevel;
    QLabel *Label1;
    QLabel *picX;
    QLabel *picVopros;
    std::array<QPushButton *, 15> Command1;
    BoardView *picRezultat;
    QLabel *Label2;

    QAction *MenuExit;
    QAction *HelpCalHelp;
    QAction *HelpAbout;

Q_SIGNALS:
    // The commands that belong to the application shell.
    void exitCommand();
    void helpCommand();
    void aboutCommand();

private:
    void kLevel_Click(int index);
    void Command1_Click(int index);
    void showGame();

    void setCaption(const QString &caption) override;
    QString levelCaption(int level) const override;
    void setLevelEnabled(int level, bool enabled) override;
    void setPictureVisible(int picture, bool visible) override;
    void setStatus(const QString &text) override;

    ResultBoard board_;
    Game game_;
};
