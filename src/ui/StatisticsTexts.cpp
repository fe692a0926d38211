// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StatisticsTexts.h"

#include "Evidence.h"
#include "GameTexts.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

using Finding = Statistics::Finding;

namespace
{

// From this many times on, a ratio needs no decimal to be read right.
constexpr double WholeFrom = 10;
constexpr double Million = 1e6;
// Below this share, a whole per cent would blur 6,7 % into 7 %.
constexpr double DecimalBelow = 0.1;
constexpr int MostDecimals = 3;

bool notable(Finding f)
{
    return f == Finding::StandsOut || f == Finding::BelowLuck;
}

// `ratio` as shown, cut down rather than rounded up, so that it reaches `threshold` exactly
// when the verdict has changed: `reached` says whether it has.
double shownRatio(double ratio, double threshold, bool reached)
{
    const double shown =
        ratio < WholeFrom ? std::floor(ratio * 10) / 10 : std::floor(std::min(ratio, Million));
    // A threshold below WholeFrom is met to its tenth, one above it to its unit.
    const double justBelow = threshold < WholeFrom ? threshold - 0.1 : threshold - 1;
    return reached ? std::max(shown, threshold) : std::min(shown, justBelow);
}

} // namespace

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

QString StatisticsTexts::verdict(const Statistics &s, Statistics::Line line)
{
    const QString name = lineName(line);
    switch (s.finding(line)) {
    case Finding::StandsOut:
        return tr("%1: выделяется — верных больше, чем наугад").arg(name);
    case Finding::BelowLuck:
        return tr("%1: верных меньше, чем бывает наугад").arg(name);
    case Finding::LikeLuck:
        return tr("%1: в пределах везения").arg(name);
    case Finding::TooEarly:
        break;
    }
    return tr("%1: мало игр, чтобы судить").arg(name);
}

QString StatisticsTexts::numbers(const Statistics &s, Statistics::Line line)
{
    return tr("%Ln игр: %1 верных, наугад %2", nullptr, s.games(line))
        .arg(share(s, line), chance(s, line));
}

QString StatisticsTexts::evidence(const Statistics &s, Statistics::Line line)
{
    const double figure = s.evidence(line);
    const Finding finding = s.finding(line);
    if (figure < 1) {
        const double shown =
            shownRatio(1 / figure, Evidence::LuckEnough, finding == Finding::LikeLuck);
        if (shown < 1.1)
            return tr("Везение и чутьё объясняют ответы одинаково");
        if (shown < WholeFrom)
            return tr("Везение объясняет ответы в %1 раза лучше чутья")
                .arg(QLocale().toString(shown, 'f', 1));
        if (shown >= Million)
            return tr("Везение объясняет ответы больше чем в миллион раз лучше чутья");
        return tr("Везение объясняет ответы в %Ln раз лучше чутья", nullptr, int(shown));
    }
    const double shown = shownRatio(figure, Evidence::Needed, notable(finding));
    if (shown < 1.1)
        return tr("Везение и чутьё объясняют ответы одинаково");
    // Which way: more right guesses than luck gives, or fewer.
    if (double(s.hits(line)) > s.expectedHits(line)) {
        if (shown < WholeFrom)
            return tr("Чутьё объясняет ответы в %1 раза лучше везения")
                .arg(QLocale().toString(shown, 'f', 1));
        if (shown >= Million)
            return tr("Чутьё объясняет ответы больше чем в миллион раз лучше везения");
        return tr("Чутьё объясняет ответы в %Ln раз лучше везения", nullptr, int(shown));
    }
    if (shown < WholeFrom)
        return tr("Неслучайные промахи объясняют ответы в %1 раза лучше везения")
            .arg(QLocale().toString(shown, 'f', 1));
    if (shown >= Million)
        return tr("Неслучайные промахи объясняют ответы больше чем в миллион раз лучше везения");
    return tr("Неслучайные промахи объясняют ответы в %Ln раз лучше везения", nullptr, int(shown));
}

QString StatisticsTexts::totalDiffers(const Statistics &s)
{
    const std::vector<Level> levels = s.levelsPlayed();
    if (levels.size() < 2)
        return {};
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
    return tr("Каждая строка честна сама по себе: угадывающему наугад она хоть раз скажет "
              "«выделяется» или «меньше» не чаще чем в 1 случае из %1, как часто ни смотри.")
        .arg(QLocale().toString(Evidence::Needed));
}

double StatisticsTexts::rightShare(const Statistics &s, Statistics::Line line)
{
    return double(s.hits(line)) / double(std::max<qint64>(1, s.guesses(line)));
}

QString StatisticsTexts::share(const Statistics &s, Statistics::Line line)
{
    const double right = rightShare(s, line);
    return percent(right, decimals(right, s.chance(line), s.finding(line)));
}

QString StatisticsTexts::chance(const Statistics &s, Statistics::Line line)
{
    return percent(s.chance(line), decimals(rightShare(s, line), s.chance(line), s.finding(line)));
}

QString StatisticsTexts::percent(double share, int decimals)
{
    // The number never parts from its sign at the end of a line.
    return tr("%1 %", "a share in per cent")
        .arg(QLocale().toString(share * 100, 'f', decimals))
        .replace(u' ', QChar::Nbsp);
}

int StatisticsTexts::decimals(double share, double chance, Finding finding)
{
    for (int d = share < DecimalBelow || chance < DecimalBelow ? 1 : 0; d < MostDecimals; ++d) {
        const double scale = 100 * std::pow(10.0, d);
        const double s = std::round(share * scale);
        const double c = std::round(chance * scale);
        // Side by side, the two numbers point the way the verdict does.
        if (finding == Finding::StandsOut ? s > c : finding == Finding::BelowLuck ? s < c : true)
            return d;
    }
    return MostDecimals;
}
