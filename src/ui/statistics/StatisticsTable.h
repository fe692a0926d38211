// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "StatisticsTexts.h"

#include <QTableWidget>

// The figures behind the verdicts: a column for each level played, and one for all of them
// together where there is more than one; a row for the games, the guesses, the right ones, their
// share, its likely range and the chance. Read-only, with its row and column names as headers,
// which a screen reader speaks with each figure; Tab leaves it, the arrows move through it.
// Every figure in sight, without scroll bars of its own: long ones wrap inside their column.
class StatisticsTable : public QTableWidget
{
    Q_OBJECT

public:
    explicit StatisticsTable(QWidget *parent = nullptr);

    // `lines`: every line shown, as StatisticsTexts::lines() has them.
    void showFigures(const Statistics &statistics,
                     const std::vector<StatisticsTexts::Facts> &lines);

private:
    enum Row { Games, Guesses, Hits, Share, Range, Chance, Rows };
    // The levels' columns, then the total's.
    static int column(Statistics::Line line);
    static Statistics::Line lineAt(int column);

    void setFigure(Row row, Statistics::Line line, const QString &text);
    void fit();
};
