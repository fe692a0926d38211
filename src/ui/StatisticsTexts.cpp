// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StatisticsTexts.h"

#include "GameTexts.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;
using Finding = Statistics::Finding;
using Strength = Statistics::Strength;

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
    const Strength strength = line ? s.strength(*line) : Strength::Unknown;
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
        // The range's ends on the side of the chance and of the strong share where the
        // finding and the strength put them; the share on the chance's side with them.
        const bool above = finding == Finding::StandsOut, below = finding == Finding::BelowLuck;
        const bool strongSide = strength == Strength::Strong,
                   weakSide = strength == Strength::NotStrong;
        const bool apart = (!above || (sp > sc && (!range || sl > sc))) &&
                           (!below || (sp < sc && (!range || sh < sc))) &&
                           (!strongSide || sl > sm) && (!weakSide || sh < sm);
        if (!apart && d < MostDecimals)
            continue;
        // Past three decimals the difference is too small to matter, but not its side.
        if (above)
            sl = range ? std::max(sl, sc + 1) : sl, sp = std::max(sp, range ? sl : sc + 1);
        if (below)
            sh = range ? std::min(sh, sc - 1) : sh, sp = std::min(sp, range ? sh : sc - 1);
        if (strongSide)
            sl = std::max(sl, sm + 1), sp = std::max(sp, sl);
        if (weakSide)
            sh = std::min(sh, sm - 1), sp = std::min(sp, sh);
        sh = std::max(sh, sp);
        sl = std::min(sl, sp);
        Shown v{sp / scale, sc / scale, std::nullopt, sm / scale, d, strength};
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
    if (finding == Finding::StandsOut)
        return tr("%1: %2 — верных больше, чем наугад").arg(name, findingName(finding));
    if (finding == Finding::BelowLuck)
        return tr("%1: %2", "a line of play and its verdict").arg(name, findingName(finding));
    if (!line)
        return tr("%1: все уровни вместе от угадывания наугад пока не отличить").arg(name);
    return tr("%1: от угадывания наугад пока не отличить").arg(name);
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
    switch (s.strength(*line)) {
    case Strength::Strong:
        return tr("Сильное чутьё (от %1): есть — вероятно, не меньше %2.")
            .arg(strong, percent(v.range->low, v.decimals));
    case Strength::NotStrong:
        return tr("Сильное чутьё (от %1): нет — вероятно, не больше %2.")
            .arg(strong, percent(v.range->high, v.decimals));
    case Strength::Unknown:
        break;
    }
    if (const std::optional<qint64> more = s.gamesToTellStrength(*line))
        return tr("Сильное чутьё (от %1): пока не ясно — ещё примерно %Ln игр при такой доле.",
                  nullptr, int(roughly(*more)))
            .arg(strong);
    return tr("Сильное чутьё (от %1): пока не ясно; при такой доле может и не проясниться.")
        .arg(strong);
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
