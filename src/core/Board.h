#pragma once

// The result board's drawing operations, as the rules call them.
// n is an attempt number 1..10, picture indices are 0..14.
class Board
{
public:
    virtual ~Board() = default;

    virtual void clear() = 0;
    // The X mark where the hidden picture will be revealed, the question mark for the guess.
    virtual void drawAttemptStart(int n) = 0;
    virtual void drawGuess(int n, int picture) = 0;
    virtual void drawReveal(int n, int picture) = 0;
    // A solid diagonal stroke through a wrongly guessed cell.
    virtual void drawStrike(int n) = 0;
};
