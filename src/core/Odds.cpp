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

// One game's count of right guesses by chance alone.
Distribution oneGame(int offered)
{
    return binomial(Attempts, 1.0 / offered);
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
    return atLeast(hits, Attempts, 1.0 / offered);
}

QString explanation(int hits, int offered)
{
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    const QString mean = russian.toString(double(Attempts) / offered, 'g', 2);
    QString text = u"Наугад на этом уровне угадывают в среднем %1 из 10.\n"_s.arg(mean);
    if (hits == 0)
        return text + u"Не угадать ни одной картинки просто по невезению можно с вероятностью "_s +
               chance(oneGame(offered).at(0)) + u"."_s;
    if (hits >= Attempts)
        return text + u"Угадать все 10 просто по везению можно с вероятностью "_s +
               chance(oneGame(offered).at(Attempts)) + u"."_s;
    return text + u"Угадать %1 или больше просто по везению можно с вероятностью "_s.arg(hits) +
           chance(atLeast(hits, offered)) + u"."_s;
}

namespace
{

// Terms this much smaller than the most likely count add nothing a double can hold.
constexpr double Negligible = 1e-18;
// Rarer than this, the figure is said as "less than one in a million".
constexpr double OneInAMillion = 1e-6;
// Down to this, a chance reads better as a percentage.
constexpr double PercentFrom = 0.1;

double logChance(qint64 n, qint64 k, double p)
{
    return std::lgamma(double(n) + 1) - std::lgamma(double(k) + 1) -
           std::lgamma(double(n - k) + 1) + double(k) * std::log(p) +
           double(n - k) * std::log1p(-p);
}

} // namespace

Distribution binomial(qint64 guesses, double p)
{
    Distribution d;
    if (guesses <= 0 || !(p > 0) || !(p < 1)) {
        d.first = guesses > 0 && p >= 1 ? guesses : 0;
        d.chances = {1.0};
        return d;
    }
    const qint64 mode = std::min(guesses, qint64(std::floor(double(guesses + 1) * p)));
    const double odds = p / (1 - p);
    // Each neighbour from the last by the ratio of successive terms: stable and exact enough.
    std::vector<double> up{1.0};
    for (qint64 k = mode; k < guesses && up.back() > Negligible; ++k)
        up.push_back(up.back() * double(guesses - k) / double(k + 1) * odds);
    std::vector<double> down;
    for (qint64 k = mode; k > 0 && (down.empty() ? 1.0 : down.back()) > Negligible; --k)
        down.push_back((down.empty() ? 1.0 : down.back()) * double(k) / double(guesses - k + 1) /
                       odds);
    const double scale = std::exp(logChance(guesses, mode, p));
    d.first = mode - qint64(down.size());
    d.chances.reserve(down.size() + up.size());
    for (auto it = down.rbegin(); it != down.rend(); ++it)
        d.chances.push_back(*it * scale);
    for (double c : up)
        d.chances.push_back(c * scale);
    return d;
}

Distribution sum(const Distribution &a, const Distribution &b)
{
    Distribution d;
    d.first = a.first + b.first;
    d.chances.assign(a.chances.size() + b.chances.size() - 1, 0.0);
    for (std::size_t i = 0; i < a.chances.size(); ++i)
        for (std::size_t j = 0; j < b.chances.size(); ++j)
            d.chances[i + j] += a.chances[i] * b.chances[j];
    return d;
}

double Distribution::at(qint64 hits) const
{
    const qint64 i = hits - first;
    return i < 0 || i >= qint64(chances.size()) ? 0.0 : chances[std::size_t(i)];
}

double Distribution::atLeast(qint64 hits) const
{
    double total = 0;
    for (qint64 i = std::max<qint64>(hits - first, 0); i < qint64(chances.size()); ++i)
        total += chances[std::size_t(i)];
    return std::min(total, 1.0);
}

double Distribution::atMost(qint64 hits) const
{
    double total = 0;
    for (qint64 i = 0; i <= hits - first && i < qint64(chances.size()); ++i)
        total += chances[std::size_t(i)];
    return std::min(total, 1.0);
}

qint64 Distribution::quantile(double share) const
{
    double total = 0;
    for (std::size_t i = 0; i < chances.size(); ++i) {
        total += chances[i];
        if (total >= share)
            return first + qint64(i);
    }
    return first + qint64(chances.size()) - 1;
}

double atLeast(qint64 hits, qint64 guesses, double p)
{
    if (hits <= 0)
        return 1.0;
    if (hits > guesses)
        return 0.0;
    // Beyond the most likely count the tail is summed from its own first term, which lgamma
    // gives however far out it lies; the kept window around the mode would round it to 0.
    const Distribution d = binomial(guesses, p);
    if (hits < d.first + qint64(d.chances.size()))
        return d.atLeast(hits);
    const double odds = p / (1 - p);
    double term = std::exp(logChance(guesses, hits, p));
    double total = 0;
    for (qint64 k = hits; k <= guesses && term > total * Negligible; ++k) {
        total += term;
        term *= double(guesses - k) / double(k + 1) * odds;
    }
    return total;
}

QString howOften(double probability)
{
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    if (probability < OneInAMillion)
        return u"меньше чем в 1 случае из миллиона"_s;
    if (probability >= PercentFrom) {
        const double percent = std::round(probability * 100);
        return u"в "_s + russian.toString(percent, 'f', 0) + u"% случаев"_s;
    }
    return u"в 1 случае из "_s + russian.toString(std::llround(1 / probability));
}

} // namespace Odds
