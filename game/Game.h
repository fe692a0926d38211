#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

class Board;
class GameView;

// The state and rules of the game: ten attempts, a hidden picture at each, a guess at each,
// and a verdict after the tenth.
class Game
{
public:
    static constexpr int Attempts = 10;
    static constexpr int NoGame = -1;
    static constexpr int Levels = 3;
    static constexpr int PicturesPerLevel = 5;

    // A number uniform in [0, 1), drawn once per attempt.
    using Draw = std::function<double()>;

    Game(GameView &view, Board &board, Draw draw);

    void Form_Load();
    void kLevel_Click(std::int16_t index);
    void Command1_Click(std::int16_t index);

    int attempt() const { return Attempt; }
    int level() const { return Level; }
    // Slot n (1..10): hidden picture of attempt n; slot n + 10: the guess at attempt n.
    int choice(int slot) const { return Choices.at(slot); }

    // Number of right guesses, once a game is over and until the next level choice.
    std::optional<int> score() const;
    // The board in words, for screen readers: never names a hidden picture before the reveal.
    QString boardDescription() const;
    // What the verdict means against pure guessing; empty while no verdict shows.
    QString verdictExplanation() const;

    static QString attemptRequest(int attempt);
    static QString verdict(int hits);

private:
    void StartNextAttempt();
    bool gameOver() const { return Attempt == NoGame && Level > 0; }

    GameView &view_;
    Board &board_;
    Draw draw_;

    std::int32_t Attempt = NoGame;
    std::int32_t Level = 0;
    std::array<std::int32_t, 21> Choices{};
};
