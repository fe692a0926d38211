// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Board.h"
#include "FinishedGame.h"
#include "Level.h"

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class GameView;

// The rules of the game: ten attempts, a hidden picture at each, a guess at each, and a verdict
// after the tenth. The attempts are kept on the board; what else it changes it writes to its
// view; a finished game it tells whoever listens, once its view shows the verdict.
class Game : public QObject
{
    Q_OBJECT

public:
    static constexpr int Attempts = Board::Cells;
    static constexpr int NoGame = -1;
    static constexpr int Levels = Level::Count;
    static constexpr int PicturesPerLevel = Level::PicturesEach;
    static constexpr int AllPictures = Levels * PicturesPerLevel;

    // A number uniform in [0, 1), taken once per attempt.
    using Random = std::function<double()>;

    Game(GameView &view, Board &board, Random random);

    // Starts a new game at level index + 1 (index 0..2), abandoning one in play.
    void chooseLevel(int index);
    // The player's guess at the current attempt; ignored while no game runs.
    void guess(int picture);

    // NoGame, or the attempt (1..10) whose picture is to be guessed next.
    int attempt() const { return attempt_; }
    int offeredPictures() const { return level_ * PicturesPerLevel; }
    // The picture hidden at attempt n (1..10) and the player's guess there, once written.
    int hidden(int n) const { return board_.cell(n).hidden; }
    int guessed(int n) const { return board_.cell(n).guessed; }

    // Number of right guesses, once a game is over and until the next level choice.
    std::optional<int> score() const;
    // The board in words: never names a hidden picture before the reveal.
    QString boardDescription() const;

    static QString attemptRequest(int attempt);
    static QString verdict(int hits);

Q_SIGNALS:
    // Once a game, after its tenth guess; not yet stamped with its time.
    void finished(const FinishedGame &game);

private:
    void startNextAttempt();
    FinishedGame endGame();
    void describe();
    bool gameOver() const { return attempt_ == NoGame && level_ > 0; }

    GameView &view_;
    Board &board_;
    Random random_;

    int attempt_ = NoGame;
    int level_ = 0;
};
