// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Board.h"

void Board::clear()
{
    cells_ = {};
    cellsChanged();
}

void Board::startAttempt(int n, int hiddenPicture)
{
    writable(n) = {true, hiddenPicture};
    cellsChanged();
}

void Board::setGuess(int n, int picture)
{
    writable(n).guessed = picture;
    cellsChanged();
}

void Board::reveal(int n)
{
    writable(n).revealed = true;
    cellsChanged();
}

void Board::strike(int n)
{
    writable(n).struck = true;
    cellsChanged();
}
