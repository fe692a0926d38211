// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ChartGeometry.h"
#include "Game.h"
#include "Statistics.h"

#include <QTest>
#include <cmath>

using namespace Qt::StringLiterals;

namespace
{

// `games` games at `level`, each with `hits` right.
void play(Statistics &s, int level, int games, int hits)
{
    for (int n = 0; n < games; ++n) {
        FinishedGame g;
        g.level = level;
        for (int i = 0; i < Game::Attempts; ++i)
            g.guessed[i] = i < hits ? g.hidden[i] : g.hidden[i] + 1;
        s.add(g);
    }
}

Statistics::Finding judge(int level, qint64 games, qint64 hits)
{
    const Evidence::Tally t{games * Game::Attempts, hits, 1.0 / (level * Game::PicturesPerLevel)};
    return Statistics::judge({&t, 1}, games);
}

bool notable(Statistics::Finding f)
{
    return f == Statistics::Finding::StandsOut || f == Statistics::Finding::BelowLuck;
}

} // namespace

class TestStatistics : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void conclusionsTellLuckFromIntuition()
    {
        Statistics few;
        play(few, 1, Statistics::FewGames - 1, 3);
        QVERIFY(few.conclusion(1).startsWith(u"пока слишком мало игр"_s));
        // The fifth game is enough for an ordinary result to be called luck.
        play(few, 1, 1, 3);
        QVERIFY(few.conclusion(1).startsWith(u"результат в пределах везения"_s));
        // A strong result need not wait for the fifth game.
        play(few, 2, 2, 8);
        QVERIFY(few.conclusion(2).startsWith(u"результат выделяется на фоне везения"_s));

        Statistics s;
        play(s, 1, 20, 2);
        play(s, 2, 10, 3);
        play(s, 3, 6, 0);
        QCOMPARE(s.hits(Statistics::Total), 70);
        QVERIFY(s.conclusion(1).startsWith(u"результат в пределах везения"_s));
        QVERIFY(s.conclusion(2).startsWith(u"результат выделяется на фоне везения"_s));
        QVERIFY(s.conclusion(3).startsWith(u"результат в пределах везения"_s));
        // Every level counts in the total: 70 right where 54 are expected.
        QCOMPARE(Statistics::percent(s.chance(Statistics::Total)), u"15%"_s);
        QVERIFY(s.evidence(Statistics::Total) > 1 && s.evidence(Statistics::Total) < s.evidence(2));
        Statistics withoutThird;
        play(withoutThird, 1, 20, 2);
        play(withoutThird, 2, 10, 3);
        QVERIFY(s.evidence(Statistics::Total) != withoutThird.evidence(Statistics::Total));
        QCOMPARE(s.chanceText(3), u"1 из 15"_s);

        Statistics none;
        play(none, 1, 30, 0);
        QCOMPARE(none.finding(1), Statistics::Finding::BelowLuck);
        QVERIFY(
            none.conclusion(1).startsWith(u"верных ответов заметно меньше, чем бывает наугад"_s));
        QVERIFY(none.conclusion(1).contains(u"после каждой игры"_s));
        QCOMPARE(Statistics::percent(1.0 / 15), u"6,7%"_s);
        QCOMPARE(Statistics::percent(0.25), u"25%"_s);
    }

    // Exactly, by the hit count's distribution with no sampling: a blind guesser who looks
    // after every one of 1,000 games is told "stands out" or "below luck" at most 1 time in 100.
    void blindGuesserIsRarelyToldOtherwise()
    {
        for (int level = 1; level <= Game::Levels; ++level) {
            const double p = 1.0 / (level * Game::PicturesPerLevel);
            std::array<double, Game::Attempts + 1> oneGame{};
            for (int k = 0; k <= Game::Attempts; ++k)
                oneGame[k] = std::tgamma(11) / std::tgamma(k + 1) / std::tgamma(11 - k) *
                             std::pow(p, k) * std::pow(1 - p, Game::Attempts - k);
            // Still undecided: hits first..first + alive.size() - 1.
            qint64 first = 0;
            std::vector<double> alive{1.0};
            double told = 0;
            for (qint64 games = 1; games <= 1000; ++games) {
                std::vector<double> next(alive.size() + Game::Attempts, 0.0);
                for (std::size_t i = 0; i < alive.size(); ++i)
                    for (int k = 0; k <= Game::Attempts; ++k)
                        next[i + k] += alive[i] * oneGame[k];
                // The rule fires on the two outer ends only, so they are cut until it does not.
                while (!next.empty() &&
                       notable(judge(level, games, first + qint64(next.size()) - 1))) {
                    told += next.back();
                    next.pop_back();
                }
                while (!next.empty() && notable(judge(level, games, first))) {
                    told += next.front();
                    next.erase(next.begin());
                    ++first;
                }
                alive = std::move(next);
            }
            QVERIFY2(told <= 0.01, qPrintable(u"level %1: %2"_s.arg(level).arg(told)));
            // Not so cautious that it says nothing.
            QVERIFY2(told > 0.001, qPrintable(u"level %1: %2"_s.arg(level).arg(told)));
        }
    }

    void conclusionChangesWhereTheBandEnds_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<qint64>("games");
        QTest::newRow("first level, 1 game") << 1 << qint64(1);
        QTest::newRow("first level, 30 games") << 1 << qint64(30);
        QTest::newRow("second level, 200 games") << 2 << qint64(200);
        QTest::newRow("third level, 5000 games") << 3 << qint64(5000);
    }

    void conclusionChangesWhereTheBandEnds()
    {
        QFETCH(int, level);
        QFETCH(qint64, games);
        const double p = 1.0 / (level * Game::PicturesPerLevel);
        const Evidence::Edges e = Evidence::edges(games * Game::Attempts, p);
        QVERIFY(e.above.has_value());
        QCOMPARE(judge(level, games, *e.above), Statistics::Finding::StandsOut);
        QVERIFY(!notable(judge(level, games, *e.above - 1)));
        if (games >= 30) {
            QVERIFY(e.below.has_value());
            QCOMPARE(judge(level, games, *e.below), Statistics::Finding::BelowLuck);
            QVERIFY(!notable(judge(level, games, *e.below + 1)));
        }

        // The chart's band, over a line that sits at the edge all along, ends between the two.
        std::vector<qint32> running(std::size_t(games), 0);
        running.back() = qint32(*e.above);
        const QRectF plot(0, 0, 100, 100);
        const ChartGeometry g = ChartGeometry::compute(running, p, plot);
        const double edgeY = g.band[g.band.size() / 2 - 1].y();
        auto y = [&](qint64 hits) {
            return plot.bottom() - plot.height() * double(hits) / double(games * 10) / g.top;
        };
        QVERIFY(y(*e.above) < edgeY && edgeY < y(*e.above - 1));
    }

    void chartGeometryOfAKnownSeries()
    {
        // Two games at the first level: 2 right, then 4, so 20% and then 30% running.
        const ChartGeometry g = ChartGeometry::compute({2, 6}, 0.2, QRectF(10, 0, 100, 100));
        QCOMPARE(g.series.size(), 2);
        QCOMPARE(g.series.last().x(), 110.0);
        QVERIFY(qAbs(g.series.last().y() - (100 - 100 * 0.3 / g.top)) < 1e-9);
        QCOMPARE(g.chance.y1(), 100 - 100 * 0.2 / g.top);
        QCOMPARE(g.gameTicks.last().label, u"2"_s);
        // One game: the band spans the plot around its single point.
        const ChartGeometry one = ChartGeometry::compute({2}, 0.2, QRectF(10, 0, 100, 100));
        QCOMPARE(one.band.boundingRect().left(), 10.0);
        QCOMPARE(one.band.boundingRect().right(), 110.0);

        // A long series keeps one point a pixel.
        std::vector<qint32> running(100'000);
        for (std::size_t i = 0; i < running.size(); ++i)
            running[i] = qint32(2 * (i + 1));
        const ChartGeometry wide = ChartGeometry::compute(running, 0.2, QRectF(0, 0, 400, 100));
        QCOMPARE(wide.series.size(), 401);
        QCOMPARE(wide.series.last(), QPointF(400, 100 - 100 * 0.2 / wide.top));
    }
};

QTEST_GUILESS_MAIN(TestStatistics)
#include "tst_statistics.moc"
