// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Statistics.h"

#include <QCoreApplication>
#include <QString>

// The statistics in words, as the statistics window shows and says them: for each line of
// play (a level, or all of them together) a verdict, the numbers behind it and what follows
// from it, and once for the window what the verdicts promise. Whole sentences through Qt's
// translations; numbers in the player's language, rounded toward the verdict.
class StatisticsTexts
{
    Q_DECLARE_TR_FUNCTIONS(StatisticsTexts)

public:
    // A line's shares as the window shows them, in parts of one: the range outward, the rest to
    // the nearest, all with the decimals it takes for each to stand on the side of the chance,
    // and of the strong share, where the finding and the strength put it; at three decimals,
    // moved there.
    struct Shown {
        double share = 0;
        double chance = 0;
        // A level's; the total has no range.
        std::optional<Evidence::Range> range;
        double strong = 0;
        int decimals = 0;
        Statistics::Strength strength = Statistics::Strength::Unknown;
    };
    static Shown shown(const Statistics &statistics, Statistics::Line line);

    // "Первый уровень" … "Третий уровень", "Всего".
    static QString lineName(Statistics::Line line);
    // "Сыграно 300 игр."
    static QString gamesPlayed(int games);
    static QString noGames();
    // The finding's name, as the verdicts say it and every other text quotes it.
    static QString findingName(Statistics::Finding finding);
    // "Первый уровень: выделяется — верных больше, чем наугад"
    static QString verdict(const Statistics &statistics, Statistics::Line line);
    // "100 игр: 30 % верных, вероятно от 24 до 37 %, наугад 20 %"
    static QString numbers(const Statistics &statistics, Statistics::Line line);
    // What follows from the verdict: when an unclear level might settle, what a strong edge
    // is; empty where the verdict says it all.
    static QString detail(const Statistics &statistics, Statistics::Line line);
    // How to read a level's drawn range, with its numbers.
    static QString rangeTip(const Statistics &statistics, Level level);
    // Where the total's verdict is not one a level has, why; else empty.
    static QString totalDiffers(const Statistics &statistics);
    // What the verdicts promise, once for the window.
    static QString guarantee();

    // The right guesses' share, the chance and a level's range as the headline shows them:
    // "30 %", "20 %", "24–37 %".
    static QString share(const Statistics &statistics, Statistics::Line line);
    static QString chance(const Statistics &statistics, Statistics::Line line);
    static QString range(const Statistics &statistics, Level level);
    // A share in per cent with `decimals`: "25 %", "6,7 %".
    static QString percent(double share, int decimals);
    // The number alone: "25", "6,7".
    static QString number(double share, int decimals);
};
