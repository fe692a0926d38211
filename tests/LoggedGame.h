// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Board.h"
#include "FinishedGame.h"
#include "Game.h"

#include <QStringList>
#include <vector>

using namespace Qt::StringLiterals;

// A game on a board of its own, and one log of all its news in order: "board" for each change
// of the board, "changed" and "finished" for the game's signals.
struct LoggedGame {
    struct LoggedBoard : Board {
        explicit LoggedBoard(QStringList &log) : log(log) {}
        void cellsChanged() override { log << u"board"_s; }
        QStringList &log;
    };

    explicit LoggedGame(Game::Random random) : game(board, std::move(random))
    {
        QObject::connect(&game, &Game::changed, [this] { log << u"changed"_s; });
        QObject::connect(&game, &Game::finished, [this](const FinishedGame &g) {
            finished.push_back(g), log << u"finished"_s;
        });
    }

    QStringList log;
    LoggedBoard board{log};
    Game game;
    std::vector<FinishedGame> finished;
};
