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

double binomial(int n, int k)
{
    double c = 1;
    for (int i = 1; i <= k; ++i)
        c = c * (n - k + i) / i;
    return c;
}

double exactly(int hits, int offered)
{
    const double p = 1.0 / offered;
    return binomial(Attempts, hits) * std::pow(p, hits) * std::pow(1 - p, Attempts - hits);
}

// "12%" down to one per cent; rarer chances read better as "1 шанс из 9 765 625".
QString chance(double probability)
{
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    if (std::round(probability * 100) >= 1)
        return u"%1%"_s.arg(std::round(probability * 100));
    return u"1 шанс из "_s + russian.toString(std::llround(1 / probability));
}

} // namespace

double atLeast(int hits, int offered)
{
    double sum = 0;
    for (int k = hits; k <= Attempts; ++k)
        sum += exactly(k, offered);
    return std::min(sum, 1.0);
}

QString explanation(int hits, int offered)
{
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    const QString mean = russian.toString(double(Attempts) / offered, 'g', 2);
    QString text = u"Наугад на этом уровне угадывают в среднем %1 из 10.\n"_s.arg(mean);
    if (hits == 0)
        return text + u"Не угадать ни одной картинки просто по невезению можно с вероятностью "_s +
               chance(exactly(0, offered)) + u"."_s;
    if (hits >= Attempts)
        return text + u"Угадать все 10 просто по везению можно с вероятностью "_s +
               chance(exactly(Attempts, offered)) + u"."_s;
    return text + u"Угадать %1 или больше просто по везению можно с вероятностью "_s.arg(hits) +
           chance(atLeast(hits, offered)) + u"."_s;
}

} // namespace Odds
