// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Statistics.h"

#include <QCoreApplication>
#include <QString>
#include <vector>

// The statistics in words, as the statistics window shows and says them: for each line of
// play (a level, or all of them together) a verdict, what to do next, the numbers behind it and
// what follows from it, and once for the window what the verdicts promise. Whole sentences
// through Qt's translations; numbers in the player's language, rounded toward the verdict.
// One name a thing: «диапазон» the shares a level's games leave open, «коридор» where a blind
// guesser's line stays on the chart, «порог» the strong share, «ответ» the player's guess.
class StatisticsTexts
{
    Q_DECLARE_TR_FUNCTIONS(StatisticsTexts)

public:
    // A line's shares as the window shows them, in parts of one: the range outward, the rest to
    // the nearest, all with the decimals it takes for each to stand on the side of the chance,
    // and of the strong share, where the finding and the strength put it, and no fewer than
    // `fewest`; at three decimals, moved there.
    struct Shown {
        double share = 0;
        double chance = 0;
        // A level's; the total has no range.
        std::optional<Evidence::Range> range;
        double strong = 0;
        int decimals = 0;
        Statistics::Strength strength = Statistics::Strength::Unknown;
    };
    static Shown shown(const Statistics &statistics, Statistics::Line line, int fewest = 0);

    // Everything a line's texts rest on, worked out once a refresh.
    struct Facts {
        Statistics::Line line;
        int games = 0;
        Statistics::Finding finding = Statistics::Finding::Unclear;
        Statistics::Strength strength = Statistics::Strength::Unknown;
        Shown shown;
        // A level's; the total's are left empty.
        Statistics::Outlook chanceOutlook;
        Statistics::Outlook strengthOutlook;
    };
    static Facts facts(const Statistics &statistics, Statistics::Line line, int fewest = 0);
    // Every line shown, all with the same decimals.
    static std::vector<Facts> lines(const Statistics &statistics);

    // "Первый уровень" … "Третий уровень", "Всего".
    static QString lineName(Statistics::Line line);
    // "Сыграно 300 игр."
    static QString gamesPlayed(int games);
    static QString noGames();
    // The finding's name, as the verdicts say it and every other text quotes it.
    static QString findingName(Statistics::Finding finding);
    // "Первый уровень: выделяется — верных больше, чем наугад"
    static QString verdict(const Facts &facts);
    // What playing on would tell, and after about how many games; or that it is told.
    static QString action(const Facts &facts);
    // "100 игр: верных 30 %, диапазон 24–37 %, наугад 20 %"
    static QString numbers(const Facts &facts);
    // Whether a level's edge is strong, and when that may be known; empty for the total.
    static QString detail(const Facts &facts);
    // How to read a level's drawn range, with its numbers.
    static QString rangeTip(const Facts &facts);
    // Where the total's verdict is not one a level has, why; else empty.
    static QString totalDiffers(const std::vector<Facts> &lines);
    // What the verdicts promise, once for the window.
    static QString guarantee();

    // The right answers' share, the chance and a level's range as the table shows them:
    // "30 %", "20 %", "24–37 %".
    static QString share(const Facts &facts);
    static QString chance(const Facts &facts);
    static QString range(const Facts &facts);
    // A share in per cent with `decimals`: "25 %", "6,7 %".
    static QString percent(double share, int decimals);
    // The number alone: "25", "6,7".
    static QString number(double share, int decimals);
    // A count of games as an estimate says it: exact up to ten, then to five, then to two
    // digits.
    static qint64 roughly(qint64 games);
};
