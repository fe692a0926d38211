// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "GameSize.h"

#include <array>

// The result board's cells, one per attempt: the one place a game's attempts are kept, the
// picture hidden at each, the guess, and how much of them shows. The rules write it and read it
// back; whoever shows it hears of every change through cellsChanged().
// n is an attempt number 1..10, picture indices are 0..14.
class Board
{
public:
    static constexpr int Cells = GameSize::Attempts;
    static constexpr int NoPicture = -1;

    struct Cell {
        // An X mark over the hidden picture and a question mark for the guess, once begun.
        bool begun = false;
        int hidden = NoPicture;
        int guessed = NoPicture;
        bool revealed = false;
        // A solid diagonal stroke through a wrongly guessed cell.
        bool struck = false;
    };

    virtual ~Board() = default;

    void clear();
    void startAttempt(int n, int hiddenPicture);
    void setGuess(int n, int picture);
    void reveal(int n);
    void strike(int n);

    const Cell &cell(int n) const { return cells_.at(n - 1); }

protected:
    virtual void cellsChanged() {}

private:
    Cell &writable(int n) { return cells_.at(n - 1); }

    std::array<Cell, Cells> cells_{};
};
