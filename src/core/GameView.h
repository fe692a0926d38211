// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// What the rules read and write of the main window.
class GameView
{
public:
    virtual ~GameView() = default;

    virtual void setCaption(const QString &caption) = 0;
    virtual void setLevelEnabled(int level, bool enabled) = 0;
    virtual void setPictureVisible(int picture, bool visible) = 0;
    virtual void setStatus(const QString &text) = 0;
    // What the verdict means against pure guessing; empty while no verdict shows.
    virtual void setVerdictExplanation(const QString &text) = 0;
    // The board in words, for screen readers.
    virtual void setBoardDescription(const QString &text) = 0;
};
