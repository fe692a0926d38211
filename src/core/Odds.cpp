// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Odds.h"

#include "GameSize.h"

#include <algorithm>
#include <cmath>

namespace Odds
{

namespace
{

constexpr int Attempts = GameSize::Attempts;

} // namespace

double exactly(int hits, int offered)
{
    const double p = 1.0 / offered;
    return std::tgamma(Attempts + 1) / std::tgamma(hits + 1) / std::tgamma(Attempts - hits + 1) *
           std::pow(p, hits) * std::pow(1 - p, Attempts - hits);
}

double atLeast(int hits, int offered)
{
    double total = 0;
    for (int k = std::max(hits, 0); k <= Attempts; ++k)
        total += exactly(k, offered);
    return std::min(total, 1.0);
}

double meanHits(int offered)
{
    return double(Attempts) / offered;
}

} // namespace Odds
