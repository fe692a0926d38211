#include "Statistics.h"

#include "Odds.h"
#include "RecordLine.h"

#include <QLocale>
#include <cmath>

using namespace Qt::StringLiterals;

void Statistics::add(const FinishedGame &game)
{
    if (game.level < 1 || game.level > Game::Levels)
        return;
    blind_ = {};
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
    for (int l = 1; l <= Game::Levels; ++l)
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
    for (int l = 1; l <= Game::Levels; ++l)
        n += hits(l);
    return n;
}

double Statistics::chance(int level) const
{
    if (level != Total)
        return 1.0 / (level * Game::PicturesPerLevel);
    double expected = 0;
    for (int l = 1; l <= Game::Levels; ++l)
        expected += double(guesses(l)) * chance(l);
    return guesses(Total) > 0 ? expected / double(guesses(Total)) : 0.0;
}

double Statistics::luck(int level) const
{
    return blindGuesser(level).atLeast(hits(level));
}

double Statistics::badLuck(int level) const
{
    return blindGuesser(level).atMost(hits(level));
}

const Odds::Distribution &Statistics::blindGuesser(int level) const
{
    auto &cached = blind_.at(level);
    if (cached)
        return *cached;
    if (level != Total) {
        cached = Odds::binomial(guesses(level), chance(level));
    } else {
        // The levels' chances differ, so the total's is the sum of their distributions.
        Odds::Distribution all = Odds::binomial(0, 0.5);
        for (int l : levelsPlayed())
            all = Odds::sum(all, blindGuesser(l));
        cached = std::move(all);
    }
    return *cached;
}

QString Statistics::chanceText(int level) const
{
    if (level != Total)
        return u"1/"_s + QString::number(level * Game::PicturesPerLevel);
    return percent(chance(Total));
}

QString Statistics::luckText(int level) const
{
    return u"наугад так угадывают "_s + Odds::howOften(luck(level));
}

QString Statistics::conclusion(int level) const
{
    if (games(level) < FewGames)
        return u"пока слишком мало игр, чтобы отличить интуицию от везения: нужно хотя бы"_s +
               u" "_s + QString::number(FewGames) + u"."_s;
    if (luck(level) < StandsOut)
        return u"результат выделяется на фоне везения: так угадывают наугад реже, чем в 1 "
               "случае из 100."_s;
    if (badLuck(level) < StandsOut)
        return u"верных ответов заметно меньше, чем бывает наугад."_s;
    return u"результат в пределах везения: так можно угадать и наугад."_s;
}

QString Statistics::percent(double share)
{
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    const double tenths = std::round(share * 1000) / 10;
    const bool whole = tenths == std::round(tenths);
    return russian.toString(tenths, 'f', whole ? 0 : 1) + u"%"_s;
}
