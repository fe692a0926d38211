// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StatisticsTexts.h"

#include "GameTexts.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;
using Finding = Statistics::Finding;

namespace
{

// Below this share, a whole per cent would blur 6,7 % into 7 %.
constexpr double DecimalBelow = 0.1;
constexpr int MostDecimals = 3;

// A count of games as an estimate says it: exact up to ten, then to five, then to two digits.
qint64 roughly(qint64 games)
{
    if (games <= 10)
        return games;
    if (games <= 100)
        return std::max<qint64>(10, (games + 2) / 5 * 5);
    qint64 unit = 1;
    while (games >= 100 * unit)
        unit *= 10;
    return (games + unit / 2) / unit * unit;
}

} // namespace

StatisticsTexts::Shown StatisticsTexts::shown(const Statistics &s, Statistics::Line line)
{
    const Finding finding = s.finding(line);
    const double share = double(s.hits(line)) / double(std::max<qint64>(1, s.guesses(line)));
    const double chance = s.chance(line);
    const std::optional<Evidence::Range> range =
        line ? std::optional(s.range(*line)) : std::nullopt;
    const double strong = line ? Statistics::strongShare(*line) : 0.0;
    const bool small = share < DecimalBelow || chance < DecimalBelow;
    for (int d = small ? 1 : 0;; ++d) {
        const double scale = 100 * std::pow(10.0, d);
        double sp = std::round(share * scale);
        const double sc = std::round(chance * scale);
        const double sm = std::round(strong * scale);
        double sl = range ? std::floor(range->low * scale) : 0;
        double sh = range ? std::ceil(range->high * scale) : 0;
        bool apart = true;
        if (finding == Finding::StandsOut)
            apart = sp > sc && (!range || sl > sc);
        else if (finding == Finding::BelowLuck)
            apart = sp < sc && (!range || sh < sc);
        else if (finding == Finding::NoStrongEdge)
            apart = !range || sh < sm;
        if (!apart && d < MostDecimals)
            continue;
        // Past three decimals the difference is too small to matter, but not its side.
        if (!apart && finding == Finding::StandsOut) {
            sl = range ? std::max(sl, sc + 1) : sl;
            sp = std::max(sp, range ? sl : sc + 1);
            sh = std::max(sh, sp);
        } else if (!apart && finding == Finding::BelowLuck) {
            sh = range ? std::min(sh, sc - 1) : sh;
            sp = std::min(sp, range ? sh : sc - 1);
            sl = std::min(sl, sp);
        } else if (!apart && finding == Finding::NoStrongEdge) {
            sh = sm - 1;
            sp = std::min(sp, sh);
            sl = std::min(sl, sp);
        }
        Shown v{sp / scale, sc / scale, std::nullopt, sm / scale, d};
        if (range)
            v.range = Evidence::Range{sl / scale, sh / scale};
        return v;
    }
}

QString StatisticsTexts::lineName(Statistics::Line line)
{
    return line ? GameTexts::levelName(*line) : tr("Всего");
}

QString StatisticsTexts::gamesPlayed(int games)
{
    return tr("Сыграно %Ln игр.", nullptr, games);
}

QString StatisticsTexts::noGames()
{
    return tr("Игр пока нет: сыграйте, и результаты появятся здесь.");
}

QString StatisticsTexts::findingName(Finding finding)
{
    switch (finding) {
    case Finding::StandsOut:
        return tr("выделяется");
    case Finding::BelowLuck:
        return tr("верных меньше, чем бывает наугад");
    case Finding::NoStrongEdge:
        return tr("сильного чутья нет");
    case Finding::Unclear:
        break;
    }
    return tr("пока не ясно");
}

QString StatisticsTexts::verdict(const Statistics &s, Statistics::Line line)
{
    const QString name = lineName(line);
    const Finding finding = s.finding(line);
    const QString said = findingName(finding);
    if (finding == Finding::StandsOut)
        return tr("%1: %2 — верных больше, чем наугад").arg(name, said);
    if (finding == Finding::NoStrongEdge) {
        if (!line)
            return tr("%1: %2 ни на одном уровне").arg(name, said);
        const Shown v = shown(s, line);
        return tr("%1: %2 — вероятно, не больше %3")
            .arg(name, said, percent(v.range->high, v.decimals));
    }
    // The total has no range that could say more.
    if (finding == Finding::Unclear && !line)
        return tr("%1: все уровни вместе от везения пока не отличить").arg(name);
    return tr("%1: %2", "a line of play and its verdict").arg(name, said);
}

QString StatisticsTexts::numbers(const Statistics &s, Statistics::Line line)
{
    const Shown v = shown(s, line);
    if (!line)
        return tr("%Ln игр: %1 верных, наугад в среднем %2", nullptr, s.games(line))
            .arg(percent(v.share, v.decimals), percent(v.chance, v.decimals));
    return tr("%Ln игр: %1 верных, вероятно от %2 до %3, наугад %4", nullptr, s.games(line))
        .arg(percent(v.share, v.decimals), number(v.range->low, v.decimals),
             percent(v.range->high, v.decimals), percent(v.chance, v.decimals));
}

QString StatisticsTexts::detail(const Statistics &s, Statistics::Line line)
{
    if (!line)
        return {};
    const Shown v = shown(s, line);
    const QString strong = percent(v.strong, v.decimals);
    switch (s.finding(line)) {
    case Finding::Unclear:
        if (const std::optional<qint64> more = s.gamesToSettle(*line))
            return tr("Ещё примерно %Ln игр с такой долей верных — и станет ясно.", nullptr,
                      int(roughly(*more)));
        return tr("С такой долей верных может так и не проясниться.");
    case Finding::NoStrongEdge:
        return tr("От угадывания наугад пока не отличить. Сильное чутьё — от %1.").arg(strong);
    case Finding::StandsOut:
        if (v.range->low >= v.strong)
            return tr("Чутьё сильное: вероятно, не меньше %1.")
                .arg(percent(v.range->low, v.decimals));
        if (v.range->high < v.strong)
            return tr("Но не сильное: сильное чутьё — от %1.").arg(strong);
        return tr("Сильное ли — пока не ясно: сильное чутьё — от %1.").arg(strong);
    case Finding::BelowLuck:
        break;
    }
    return tr("Наугад верных было бы больше: ответы не случайны.");
}

QString StatisticsTexts::rangeTip(const Statistics &s, Level level)
{
    const Shown v = shown(s, level);
    return tr("Полоса — где, вероятно, ваша настоящая доля верных: от %1 до %2. Черта — "
              "наугад: %3. Точка — доля верных сейчас: %4. Сильное чутьё — от %5, в полтора раза "
              "больше, чем наугад.")
        .arg(percent(v.range->low, v.decimals), percent(v.range->high, v.decimals),
             percent(v.chance, v.decimals), percent(v.share, v.decimals),
             percent(v.strong, v.decimals));
}

QString StatisticsTexts::totalDiffers(const Statistics &s)
{
    const std::vector<Level> levels = s.levelsPlayed();
    if (levels.size() < 2)
        return {};
    // A total that stands out or falls below where no level does, or one that does not where a
    // level does.
    auto notable = [](Finding f) { return f == Finding::StandsOut || f == Finding::BelowLuck; };
    const Finding total = s.finding(Statistics::Total);
    const bool shared = std::any_of(levels.begin(), levels.end(),
                                    [&](Level level) { return s.finding(level) == total; });
    const bool levelNotable = std::any_of(levels.begin(), levels.end(),
                                          [&](Level level) { return notable(s.finding(level)); });
    if (notable(total) ? shared : !levelNotable)
        return {};
    return tr("Всего складывает все уровни, поэтому может расходиться с отдельным уровнем.");
}

QString StatisticsTexts::guarantee()
{
    return tr("Границы верны у %1 игроков из %2, сколько бы раз вы сюда ни заглядывали.")
        .arg(QLocale().toString(Evidence::Needed - 1), QLocale().toString(Evidence::Needed));
}

QString StatisticsTexts::share(const Statistics &s, Statistics::Line line)
{
    const Shown v = shown(s, line);
    return percent(v.share, v.decimals);
}

QString StatisticsTexts::chance(const Statistics &s, Statistics::Line line)
{
    const Shown v = shown(s, line);
    return percent(v.chance, v.decimals);
}

QString StatisticsTexts::range(const Statistics &s, Level level)
{
    const Shown v = shown(s, level);
    // Never broken at its dash.
    return tr("%1–%2 %", "a range of shares in per cent")
        .arg(number(v.range->low, v.decimals), number(v.range->high, v.decimals))
        .replace(u' ', QChar::Nbsp)
        .replace(u"–"_s, u"\u2060–\u2060"_s);
}

QString StatisticsTexts::percent(double share, int decimals)
{
    // The number never parts from its sign at the end of a line.
    return tr("%1 %", "a share in per cent")
        .arg(number(share, decimals))
        .replace(u' ', QChar::Nbsp);
}

QString StatisticsTexts::number(double share, int decimals)
{
    return QLocale().toString(share * 100, 'f', decimals);
}
