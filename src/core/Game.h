// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Board.h"
#include "FinishedGame.h"
#include "GameSize.h"
#include "Level.h"
#include "Seal.h"

#include <QObject>
#include <functional>
#include <optional>

// The rules of the game: ten attempts, a hidden picture at each, a guess at each, and a score
// after the tenth. All ten pictures are drawn and sealed as the game starts (Seal), so that the
// player can note the seal before the first guess; the secret that opens it is told once the
// game is over, never before; in training, each one as soon as its guess is made. The attempts are
// kept on the board. It tells its news by signals and says nothing in words: whoever shows it reads
// its state.
class Game : public QObject
{
    Q_OBJECT

public:
    static constexpr int Attempts = GameSize::Attempts;
    static constexpr int NoGame = -1;

    // A game's hidden pictures, each 0..offered - 1, its identity (Seal::GameBytes in hex) and
    // the secret its seal is made with.
    struct Drawn {
        QByteArray game;
        Seal::Pictures pictures{};
        Seal::Secret secret{};
    };
    // Where a new game's pictures come from, among those offered.
    using Random = std::function<Drawn(int offered)>;

    Game(Board &board, Random random);

    // Starts a new game at `level`, abandoning one in play; ignored while the choice is not
    // open.
    void chooseLevel(Level level);
    // Training shows each hidden picture as soon as it is guessed; the test only after the
    // tenth guess. A game is played in one mode: a change starts the level's game anew.
    void setTraining(bool training);
    bool training() const { return training_; }
    // The player's guess at the current attempt; ignored while no game runs, and for a picture
    // the level does not offer.
    void guess(int picture);

    // The level of the game in play or of the last one; none before the first choice.
    std::optional<Level> level() const { return level_; }
    // NoGame, or the attempt (1..10) whose picture is to be guessed next.
    int attempt() const { return attempt_; }
    // Whether a level may be chosen: always, but while a game waits for its first guess.
    bool levelChoiceOpen() const { return attempt_ != 1; }
    // Whether picture `picture` is offered: all of them before the first level choice.
    bool offers(int picture) const;
    // The picture hidden at attempt n (1..10) and the player's guess there, once written.
    int hidden(int n) const { return board_.cell(n).hidden; }
    int guessed(int n) const { return board_.cell(n).guessed; }
    // Number of right guesses, once a game is over and until the next level choice.
    std::optional<int> score() const;
    // The game's identity and seal: of the game in play or the last one; empty before any.
    QByteArray gameId() const { return drawn_.game; }
    QByteArray seal() const { return seal_; }
    // The secret that opens the seal, once the game is over; never while it is played.
    std::optional<Seal::Secret> secret() const;
    // The hidden pictures, once the game is over; never while it is played.
    std::optional<Seal::Pictures> hiddenPictures() const;

Q_SIGNALS:
    // After every level choice and every guess that counted, with the board's cells already
    // written; whoever draws them hears of it from the board itself.
    void changed();
    // Once a game, after its tenth guess and the change it made; not yet stamped with its time.
    void finished(const FinishedGame &game);

private:
    void start(Level level);
    void startNextAttempt();
    FinishedGame endGame();
    // The hidden picture of attempt n shown, struck through if the guess missed it.
    void showAnswer(int n);
    bool gameOver() const { return attempt_ == NoGame && level_; }

    Board &board_;
    Random random_;
    Drawn drawn_;
    QByteArray seal_;

    int attempt_ = NoGame;
    bool training_ = false;
    std::optional<Level> level_;
};
