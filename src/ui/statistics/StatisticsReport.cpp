// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StatisticsReport.h"

StatisticsReport StatisticsReport::of(const Statistics &s,
                                      const std::vector<StatisticsTexts::Facts> &facts)
{
    StatisticsReport r{StatisticsTexts::gamesPlayed(s.games(Statistics::Total)),
                       {},
                       StatisticsTexts::totalDiffers(facts),
                       StatisticsTexts::guarantee()};
    for (const StatisticsTexts::Facts &f : facts) {
        StatisticsSummary::Line l{f.finding,
                                  StatisticsTexts::verdict(f),
                                  StatisticsTexts::action(f),
                                  StatisticsTexts::numbers(f),
                                  StatisticsTexts::detail(f),
                                  std::nullopt,
                                  QString()};
        // The total adds up levels whose true shares differ: it has no range to draw.
        if (f.line) {
            l.shares = f.shown;
            l.tip = StatisticsTexts::rangeTip(f);
        }
        r.lines.push_back(std::move(l));
    }
    return r;
}

void StatisticsReport::showIn(StatisticsSummary &summary) const
{
    summary.setContents(games, lines, note, guarantee);
}
