// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Statistics.h"

#include <QCoreApplication>
#include <QString>

// The statistics in words, as the statistics window shows and says them: for each line of
// play (a level, or all of them together) a verdict, the numbers behind it and what the
// evidence says, and once for the window what the verdicts promise. Whole sentences through
// Qt's translations; numbers in the player's language.
class StatisticsTexts
{
    Q_DECLARE_TR_FUNCTIONS(StatisticsTexts)

public:
    // "Первый уровень" … "Третий уровень", "Всего".
    static QString lineName(Statistics::Line line);
    // "Сыграно 300 игр."
    static QString gamesPlayed(int games);
    static QString noGames();
    // "Первый уровень: выделяется — верных больше, чем наугад"
    static QString verdict(const Statistics &statistics, Statistics::Line line);
    // "100 игр: 30 % верных, наугад 20 %"
    static QString numbers(const Statistics &statistics, Statistics::Line line);
    // Which way the evidence points and how strongly, rounded toward the verdict: never the
    // point where a verdict changes before it has.
    static QString evidence(const Statistics &statistics, Statistics::Line line);
    // Where the total's verdict is not one a level has, why; else empty.
    static QString totalDiffers(const Statistics &statistics);
    // What the verdicts promise, once for the window.
    static QString guarantee();

    // The right guesses' share and the chance of a line, in one unit and precise enough to
    // point the way its verdict does: "30 %", "6,7 %".
    static QString share(const Statistics &statistics, Statistics::Line line);
    static QString chance(const Statistics &statistics, Statistics::Line line);
    // A share in per cent with `decimals`: "25 %", "6,7 %".
    static QString percent(double share, int decimals);

private:
    static double rightShare(const Statistics &statistics, Statistics::Line line);
    // The decimals a line's share and chance are shown with.
    static int decimals(double share, double chance, Statistics::Finding finding);
};
