// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Board.h"
#include "FinishedGame.h"
#include "Game.h"
#include "GameView.h"

#include <QRegularExpression>
#include <QStringList>
#include <array>
#include <vector>

using namespace Qt::StringLiterals;

// Stands in for the main window and holds the board: keeps what the rules write, and one log of
// every write in order, board and window alike ("board", "status ...").
struct FakeWindow : public GameView, public Board {
    QString caption = u"Чуйкомер"_s;
    QString status = u"               "_s;
    std::array<bool, 3> levelEnabled{true, true, true};
    std::array<bool, 15> pictureVisible{true, true, true, true, true, true, true, true,
                                        true, true, true, true, true, true, true};
    QStringList log;
    std::vector<FinishedGame> finished;

    void setCaption(const QString &c) override { caption = c, log << u"caption "_s + c; }
    void setLevelEnabled(int level, bool enabled) override
    {
        levelEnabled.at(level) = enabled, log << u"level %1 %2"_s.arg(level).arg(enabled);
    }
    void setPictureVisible(int picture, bool visible) override
    {
        pictureVisible.at(picture) = visible, log << u"picture %1 %2"_s.arg(picture).arg(visible);
    }
    void setStatus(const QString &text) override { status = text, log << u"status "_s + text; }
    void setVerdictExplanation(const QString &) override {}
    void setBoardDescription(const QString &) override {}
    // Listens to the rules as the program does.
    void listenTo(Game &game)
    {
        QObject::connect(&game, &Game::finished, [this](const FinishedGame &g) {
            finished.push_back(g), log << u"finished"_s;
        });
    }
    void cellsChanged() override { log << u"board"_s; }
};
