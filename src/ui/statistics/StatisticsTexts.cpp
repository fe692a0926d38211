// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StatisticsTexts.h"

#include "GameTexts.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <span>

using namespace Qt::StringLiterals;
using Finding = Statistics::Finding;
using Strength = Statistics::Strength;

namespace
{

// Below this share, a whole per cent would blur 6,7 % into 7 %.
constexpr double DecimalBelow = 0.1;
constexpr int MostDecimals = 3;

} // namespace

StatisticsTexts::Shown StatisticsTexts::shown(const Statistics &s, Statistics::Line line,
                                              int fewest)
{
    const Finding finding = s.finding(line);
    const Strength strength = line ? s.strength(*line) : Strength::Unknown;
    const double share = double(s.hits(line)) / double(std::max<qint64>(1, s.guesses(line)));
    const double chance = s.chance(line);
    const std::optional<Evidence::Range> range =
        line ? std::optional(s.range(*line)) : std::nullopt;
    const double strong = line ? Statistics::strongShare(*line) : 0.0;
    const bool small = share < DecimalBelow || chance < DecimalBelow;
    for (int d = std::max(small ? 1 : 0, fewest);; ++d) {
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
        // The share on the side of the chance and of the strong share it truly stands on: not
        // "30 %" for 30.5 % beside a strong share of 30 %.
        auto sameSide = [](double shown, double at, double truly, double truth) {
            const int side = std::abs(truly - truth) < 1e-12 ? 0 : truly > truth ? 1 : -1;
            return (shown > at ? 1 : shown < at ? -1 : 0) == side;
        };
        const bool sided =
            sameSide(sp, sc, share, chance) && (!range || sameSide(sp, sm, share, strong));
        if ((!apart || !sided) && d < std::max(fewest, MostDecimals))
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

StatisticsTexts::Facts StatisticsTexts::facts(const Statistics &s, Statistics::Line line,
                                              int fewest)
{
    Facts f{line, s.games(line), s.finding(line), Strength::Unknown, shown(s, line, fewest), {},
            {}};
    if (line) {
        f.strength = s.strength(*line);
        f.chanceOutlook = s.chanceOutlook(*line);
        f.strengthOutlook = s.strengthOutlook(*line);
    }
    return f;
}

std::vector<StatisticsTexts::Facts> StatisticsTexts::lines(const Statistics &s)
{
    std::vector<Facts> all;
    int decimals = 0;
    for (Statistics::Line line : s.linesShown()) {
        all.push_back(facts(s, line));
        decimals = std::max(decimals, all.back().shown.decimals);
    }
    // One number format for the window: "30,0 %" beside "6,7 %", not "30 %".
    for (Facts &f : all)
        if (f.shown.decimals < decimals)
            f.shown = shown(s, f.line, decimals);
    return all;
}

qint64 StatisticsTexts::roughly(qint64 games)
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

QString StatisticsTexts::verdict(const Facts &f)
{
    const QString name = lineName(f.line);
    switch (f.finding) {
    case Finding::StandsOut:
        return tr("%1: %2 — верных больше, чем наугад").arg(name, findingName(f.finding));
    case Finding::BelowLuck:
        return tr("%1: %2", "a line of play and its verdict").arg(name, findingName(f.finding));
    case Finding::NoStrongEdge:
        // Both questions: a player asks the first one first.
        return tr("%1: от угадывания наугад не отличить, %2").arg(name, findingName(f.finding));
    case Finding::Unclear:
        break;
    }
    if (!f.line)
        return tr("%1: все уровни вместе от угадывания наугад не отличить").arg(name);
    // "Пока" only where playing on is likely to tell.
    if (f.chanceOutlook.games)
        return tr("%1: от угадывания наугад пока не отличить").arg(name);
    return tr("%1: от угадывания наугад не отличить").arg(name);
}

namespace
{

QString playMore(const Statistics::Outlook &o, bool strength)
{
    const int more = int(StatisticsTexts::roughly(*o.games));
    if (strength)
        return *o.above
                   ? StatisticsTexts::tr("Сыграйте ещё около %Ln игр: при такой доле за это время "
                                         "в половине случаев станет ясно, что чутьё сильное.",
                                         nullptr, more)
                   : StatisticsTexts::tr("Сыграйте ещё около %Ln игр: при такой доле за это время "
                                         "в половине случаев станет ясно, что сильного чутья нет.",
                                         nullptr, more);
    return *o.above ? StatisticsTexts::tr("Сыграйте ещё около %Ln игр: при такой доле за это время "
                                          "в половине случаев станет ясно, что чутьё есть.",
                                          nullptr, more)
                    : StatisticsTexts::tr("Сыграйте ещё около %Ln игр: при такой доле за это время "
                                          "в половине случаев станет ясно, что верных меньше, чем "
                                          "наугад.",
                                          nullptr, more);
}

// Whether the action line already says what is to come of the strength.
bool actionTellsStrength(const StatisticsTexts::Facts &f)
{
    return f.strength == Strength::Unknown &&
           (f.finding == Finding::StandsOut ||
            (f.finding == Finding::Unclear && !f.chanceOutlook.games && f.strengthOutlook.games));
}

} // namespace

// The first open question's next step: apart from luck, then strong; or that all is told.
QString StatisticsTexts::action(const Facts &f)
{
    if (!f.line)
        return {};
    const Shown &v = f.shown;
    if (f.finding == Finding::Unclear || f.finding == Finding::NoStrongEdge) {
        const Statistics::Outlook &o = f.chanceOutlook;
        if (o.games)
            return playMore(o, false);
        if (f.finding == Finding::NoStrongEdge)
            return tr("Узнавать здесь больше нечего: ваша доля верных — не больше %1.")
                .arg(percent(v.range->high, v.decimals));
        const QString never =
            !o.above ? tr("При такой доле от угадывания наугад может так и не отличиться.")
                     : tr("При такой доле от угадывания наугад, скорее всего, не отличится и за "
                          "%L1 игр.")
                           .arg(Statistics::MostGamesAhead);
        // Then what playing on would tell.
        return actionTellsStrength(f) ? never + u' ' + playMore(f.strengthOutlook, true) : never;
    }
    if (f.strength == Strength::Unknown) {
        const Statistics::Outlook &o = f.strengthOutlook;
        if (o.games)
            return playMore(o, true);
        if (!o.above)
            return tr("Сильное ли чутьё, при такой доле может и не проясниться.");
        return tr("Сильное ли чутьё, при такой доле, скорее всего, не прояснится и за %L1 игр.")
            .arg(Statistics::MostGamesAhead);
    }
    if (f.finding == Finding::BelowLuck)
        return tr("Это уже установлено: узнавать здесь больше нечего.");
    return f.strength == Strength::Strong ? tr("Это уже установлено: чутьё есть, и оно сильное.")
                                          : tr("Это уже установлено: чутьё есть, но не сильное.");
}

QString StatisticsTexts::numbers(const Facts &f)
{
    const Shown &v = f.shown;
    if (!f.line)
        return tr("%Ln игр: верных %1, наугад %2 — в среднем по вашим уровням", nullptr, f.games)
            .arg(percent(v.share, v.decimals), percent(v.chance, v.decimals));
    return tr("%Ln игр: верных %1, диапазон %2, наугад %3", nullptr, f.games)
        .arg(percent(v.share, v.decimals), range(f), percent(v.chance, v.decimals));
}

QString StatisticsTexts::detail(const Facts &f)
{
    if (!f.line)
        return {};
    const Shown &v = f.shown;
    const QString strong = percent(v.strong, v.decimals);
    switch (f.strength) {
    case Strength::Strong:
        return tr("Сильное чутьё (порог %1): есть — вероятно, не меньше %2.")
            .arg(strong, percent(v.range->low, v.decimals));
    case Strength::NotStrong:
        return tr("Сильное чутьё (порог %1): нет — вероятно, не больше %2.")
            .arg(strong, percent(v.range->high, v.decimals));
    case Strength::Unknown:
        break;
    }
    // Where the action is about the strength, it says the rest.
    if (actionTellsStrength(f))
        return tr("Сильное чутьё (порог %1): пока не ясно.").arg(strong);
    const Statistics::Outlook &o = f.strengthOutlook;
    if (!o.above)
        return tr("Сильное чутьё (порог %1): пока не ясно; при такой доле может и не "
                  "проясниться.")
            .arg(strong);
    if (!o.games)
        return tr("Сильное чутьё (порог %1): пока не ясно; при такой доле, скорее всего, не "
                  "прояснится и за %L2 игр.")
            .arg(strong)
            .arg(Statistics::MostGamesAhead);
    const int more = int(roughly(*o.games));
    return *o.above ? tr("Сильное чутьё (порог %1): пока не ясно; при такой доле в половине "
                         "случаев примерно через %Ln игр станет ясно, что оно есть.",
                         nullptr, more)
                          .arg(strong)
                    : tr("Сильное чутьё (порог %1): пока не ясно; при такой доле в половине "
                         "случаев примерно через %Ln игр станет ясно, что его нет.",
                         nullptr, more)
                          .arg(strong);
}

QString StatisticsTexts::rangeTip(const Facts &f)
{
    const Shown &v = f.shown;
    return tr("Закрашен ваш диапазон, от %1 до %2: в нём, вероятно, ваша настоящая доля верных. "
              "Черта — наугад: %3. Пунктир — порог сильного чутья: %5, в полтора раза больше, "
              "чем наугад. Точка — доля верных сейчас: %4.")
        .arg(percent(v.range->low, v.decimals), percent(v.range->high, v.decimals),
             percent(v.chance, v.decimals), percent(v.share, v.decimals),
             percent(v.strong, v.decimals));
}

QString StatisticsTexts::totalDiffers(const std::vector<Facts> &lines)
{
    if (lines.size() < 2 || lines.back().line)
        return {};
    // A total that stands out or falls below where no level does, or one that does not where a
    // level does.
    auto notable = [](Finding f) { return f == Finding::StandsOut || f == Finding::BelowLuck; };
    const Finding total = lines.back().finding;
    const auto levels = std::span(lines).first(lines.size() - 1);
    const bool shared = std::any_of(levels.begin(), levels.end(),
                                    [&](const Facts &level) { return level.finding == total; });
    const bool levelNotable = std::any_of(
        levels.begin(), levels.end(), [&](const Facts &level) { return notable(level.finding); });
    if (notable(total) ? shared : !levelNotable)
        return {};
    if (notable(total))
        return tr("Всего — ответы всех уровней вместе: их больше, чем на любом уровне, поэтому "
                  "разница с угадыванием наугад видна здесь раньше.");
    return tr("Всего — ответы всех уровней вместе: разница одного уровня среди остальных "
              "может теряться.");
}

QString StatisticsTexts::guarantee()
{
    return tr("На каждом уровне ваша настоящая доля верных лежит в диапазоне с вероятностью "
              "%1, сколько бы раз вы сюда ни заглядывали.")
        .arg(percent(1 - 1 / Evidence::Needed, 0));
}

QString StatisticsTexts::share(const Facts &f)
{
    return percent(f.shown.share, f.shown.decimals);
}

QString StatisticsTexts::chance(const Facts &f)
{
    return percent(f.shown.chance, f.shown.decimals);
}

QString StatisticsTexts::range(const Facts &f)
{
    const Shown &v = f.shown;
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
