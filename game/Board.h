#pragma once

// The five drawing operations of the result board, as the rules call them.
// n is an attempt number 1..10, picture indices are 0..14.
class Board
{
public:
    virtual ~Board() = default;

    virtual void ClearBoard() = 0;
    virtual void DrawAttemptStart(int n) = 0;
    virtual void DrawGuess(int n, int picture) = 0;
    virtual void DrawReveal(int n, int picture) = 0;
    virtual void DrawStrike(int n) = 0;
};
