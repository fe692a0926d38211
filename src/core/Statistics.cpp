// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Statistics.h"

#include "RecordLine.h"

#include <QLocale>
#include <cmath>

using namespace Qt::StringLiterals;

namespace
{

QLocale russian()
{
    return QLocale(QLocale::Russian, QLocale::Russia);
}

// What the guarantee is, in words a player can check against the figures.
const QString Guarantee =
    u"наугад до 100 доходит не больше 1 игрока из 100, даже если смотреть после каждой игры"_s;

} // namespace

void Statistics::add(const FinishedGame &game)
{
    if (game.level < 1 || game.level > Level::Count)
        return;
    auto &series = running_[game.level - 1];
    series.push_back((series.empty() ? 0 : series.back()) + game.hits());
}

void Statistics::addLine(QByteArrayView line)
{
    if (line.trimmed().isEmpty() || RecordLine::isHeader(line))
        return;
    if (const auto game = RecordLine::parse(line))
        add(*game);
    else
        ++skipped_;
}

std::vector<int> Statistics::levelsPlayed() const
{
    std::vector<int> levels;
    for (int l = 1; l <= Level::Count; ++l)
        if (games(l) > 0)
            levels.push_back(l);
    return levels;
}

int Statistics::games(int level) const
{
    if (level != Total)
        return int(running_.at(level - 1).size());
    int n = 0;
    for (const auto &series : running_)
        n += int(series.size());
    return n;
}

qint64 Statistics::hits(int level) const
{
    if (level != Total) {
        const auto &series = running_.at(level - 1);
        return series.empty() ? 0 : series.back();
    }
    qint64 n = 0;
    for (int l = 1; l <= Level::Count; ++l)
        n += hits(l);
    return n;
}

double Statistics::chance(int level) const
{
    if (level != Total)
        return 1.0 / (level * Level::PicturesEach);
    double expected = 0;
    for (int l = 1; l <= Level::Count; ++l)
        expected += double(guesses(l)) * chance(l);
    return guesses(Total) > 0 ? expected / double(guesses(Total)) : 0.0;
}

std::vector<Evidence::Tally> Statistics::tallies(int level) const
{
    std::vector<Evidence::Tally> t;
    for (int l = 1; l <= Level::Count; ++l)
        if (level == Total || level == l)
            t.push_back({guesses(l), hits(l), chance(l)});
    return t;
}

double Statistics::evidence(int level) const
{
    return Evidence::figure(tallies(level));
}

Statistics::Finding Statistics::judge(std::span<const Evidence::Tally> tallies, qint64 games)
{
    if (Evidence::reached(tallies)) {
        double expected = 0;
        qint64 hits = 0;
        for (const Evidence::Tally &t : tallies) {
            expected += double(t.guesses) * t.chance;
            hits += t.hits;
        }
        return double(hits) > expected ? Finding::StandsOut : Finding::BelowLuck;
    }
    return games < FewGames ? Finding::TooFew : Finding::WithinLuck;
}

Statistics::Finding Statistics::finding(int level) const
{
    return judge(tallies(level), games(level));
}

QString Statistics::chanceText(int level) const
{
    if (level != Total)
        return u"1 из "_s + QString::number(level * Level::PicturesEach);
    return percent(chance(Total));
}

QString Statistics::evidenceText(int level) const
{
    const double e = evidence(level);
    if (e >= 1e6)
        return u"больше миллиона"_s;
    // Small figures keep a decimal, so that 0,4 and 1,6 do not both read as "1".
    const QString figure =
        e < 10 ? russian().toString(e, 'f', 1) : russian().toString(std::llround(e));
    return figure + u" из нужных 100"_s;
}

QString Statistics::conclusion(int level) const
{
    switch (finding(level)) {
    case Finding::TooFew:
        return u"пока слишком мало игр, чтобы отличить интуицию от везения: нужно хотя бы 5, "
               "если доводы против везения не дойдут до 100 раньше; "_s +
               Guarantee + u'.';
    case Finding::StandsOut:
        return u"результат выделяется на фоне везения: доводы против него дошли до 100, а "_s +
               Guarantee + u'.';
    case Finding::BelowLuck:
        return u"верных ответов заметно меньше, чем бывает наугад: доводы против везения дошли "
               "до 100, а "_s +
               Guarantee + u'.';
    case Finding::WithinLuck:
        break;
    }
    return u"результат в пределах везения: так можно угадать и наугад. Вывод изменится, только "
           "когда доводы против везения дойдут до 100; "_s +
           Guarantee + u'.';
}

QString Statistics::percent(double share)
{
    const double tenths = std::round(share * 1000) / 10;
    const bool whole = tenths == std::round(tenths);
    return russian().toString(tenths, 'f', whole ? 0 : 1) + u"%"_s;
}
