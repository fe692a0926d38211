// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "StatisticsSummary.h"
#include "StatisticsTexts.h"

// The summary's texts for every line shown, put together from the lines' facts, each worked
// out once.
struct StatisticsReport {
    QString games;
    std::vector<StatisticsSummary::Line> lines;
    QString note;
    QString guarantee;

    static StatisticsReport of(const Statistics &statistics,
                               const std::vector<StatisticsTexts::Facts> &facts);
    void showIn(StatisticsSummary &summary) const;
};
