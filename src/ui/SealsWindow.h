// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class Game;
class QLabel;
class QPushButton;

// The current game's seal, from before its first guess, for a player to note: its first digits
// are enough. Once the game is over, its pictures, its secret and the shell command that makes
// the seal from them, so that the player compares it with the seal noted; and the record's
// check code after it. Not modal: the game goes on beside it. It reads the game, and is told the
// record's code.
class SealsWindow : public QDialog
{
    Q_OBJECT

public:
    // The game is the caller's, and outlives the window.
    SealsWindow(const Game &game, QWidget *mainWindow);

    // The game changed: a new seal, or the secret of a game just over.
    void showGame();
    // The record's check code after its last game (RecordLine::head); empty when unknown.
    void setRecordCode(const QByteArray &code);

    // What the window shows, as text a player keeps, and what Copy puts on the clipboard.
    QString text() const;

Q_SIGNALS:
    void helpRequested();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void growToContent();

    const Game &game_;
    QByteArray recordCode_;
    bool placed_ = false;
    QLabel *summary_ = nullptr;
    QLabel *seal_ = nullptr;
    QLabel *reveal_ = nullptr;
    QLabel *record_ = nullptr;
    QPushButton *copy_ = nullptr;
};
