// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Odds.h"

#include "Game.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace Odds
{

namespace
{

constexpr int Attempts = Game::Attempts;
// Rarer than this, the figure is said as "less than one in a billion".
constexpr double OneInABillion = 1e-9;
// Down to this, a chance reads better as a percentage.
constexpr double PercentFrom = 0.1;

double exactly(int hits, int offered)
{
    const double p = 1.0 / offered;
    return std::tgamma(Attempts + 1) / std::tgamma(hits + 1) / std::tgamma(Attempts - hits + 1) *
           std::pow(p, hits) * std::pow(1 - p, Attempts - hits);
}

} // namespace

double atLeast(int hits, int offered)
{
    double total = 0;
    for (int k = std::max(hits, 0); k <= Attempts; ++k)
        total += exactly(k, offered);
    return std::min(total, 1.0);
}

QString explanation(int hits, int offered)
{
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    const QString mean = russian.toString(double(Attempts) / offered, 'g', 2);
    QString text = u"Наугад на этом уровне угадывают в среднем %1 из 10.\n"_s.arg(mean);
    if (hits == 0)
        return text + u"Не угадать ни одной картинки просто по невезению можно "_s +
               howOften(exactly(0, offered)) + u"."_s;
    if (hits >= Attempts)
        return text + u"Угадать все 10 просто по везению можно "_s +
               howOften(exactly(Attempts, offered)) + u"."_s;
    return text + u"Угадать %1 или больше просто по везению можно "_s.arg(hits) +
           howOften(atLeast(hits, offered)) + u"."_s;
}

QString howOften(double probability)
{
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    if (probability < OneInABillion)
        return u"меньше чем в 1 случае из миллиарда"_s;
    if (probability >= PercentFrom) {
        // Not "100%" for what merely comes close: that would read as "always".
        const double percent =
            std::min(std::round(probability * 100), probability < 1 ? 99.0 : 100.0);
        return u"в "_s + russian.toString(percent, 'f', 0) + u"% случаев"_s;
    }
    return u"в 1 случае из "_s + russian.toString(std::llround(1 / probability));
}

} // namespace Odds
