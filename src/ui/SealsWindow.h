// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class Game;
class QLabel;
class QPushButton;
class QTableWidget;

// The current game's seals, each as its attempt starts, for a player to note before guessing;
// once the game is over, beside each its picture and secret, and whether every seal holds. Not
// modal: the game goes on beside it. It reads the game and nothing else.
class SealsWindow : public QDialog
{
    Q_OBJECT

public:
    // The game is the caller's, and outlives the window.
    SealsWindow(const Game &game, QWidget *mainWindow);

    // The game changed: a new seal, or the secrets of a game just over.
    void showGame();

    QSize sizeHint() const override;

    // "6c40 d874 …": a seal or secret in groups of four, as it is read out and copied by hand.
    static QString grouped(const QByteArray &hex);

Q_SIGNALS:
    void helpRequested();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void copy();

    const Game &game_;
    bool placed_ = false;
    QLabel *summary_ = nullptr;
    QTableWidget *table_ = nullptr;
    QPushButton *copy_ = nullptr;
};
