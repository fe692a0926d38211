#include "ChartGeometry.h"
#include "Statistics.h"

#include <QTest>

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

} // namespace

class TestStatistics : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void conclusionsTellLuckFromIntuition()
    {
        Statistics few;
        play(few, 1, Statistics::FewGames - 1, 10);
        QVERIFY(few.conclusion(1).startsWith(u"пока слишком мало игр"_s));

        Statistics s;
        play(s, 1, 20, 2);
        play(s, 2, 10, 3);
        play(s, 3, 6, 0);
        QCOMPARE(s.hits(Statistics::Total), 70);
        QVERIFY(s.conclusion(1).startsWith(u"результат в пределах везения"_s));
        QVERIFY(s.conclusion(2).startsWith(u"результат выделяется"_s));
        QVERIFY(s.conclusion(3).startsWith(u"результат в пределах везения"_s));
        QVERIFY(s.luck(2) < Statistics::StandsOut);
        // Expected 40 + 10 + 4 = 54 of 360; 70 lies between the level 2 alone and chance.
        QCOMPARE(Statistics::percent(s.chance(Statistics::Total)), u"15%"_s);
        QVERIFY(s.luck(Statistics::Total) > s.luck(2) && s.luck(Statistics::Total) < 0.05);
        QCOMPARE(s.chanceText(3), u"1/15"_s);

        Statistics none;
        play(none, 1, 30, 0);
        QVERIFY(none.conclusion(1).startsWith(u"верных ответов заметно меньше"_s));
        QCOMPARE(Statistics::percent(1.0 / 15), u"6,7%"_s);
        QCOMPARE(Statistics::percent(0.25), u"25%"_s);
    }

    void chartGeometryOfAKnownSeries()
    {
        // Two games at the first level: 2 right, then 4, so 20% and then 30% running.
        const ChartGeometry g = ChartGeometry::compute({2, 6}, 0.2, QRectF(10, 0, 100, 100));
        // The blind guesser's band after one game reaches 5 of 10, so the axis ends at 50%.
        QCOMPARE(g.top, 0.5);
        QCOMPARE(g.series, QPolygonF({QPointF(10, 60), QPointF(110, 40)}));
        QCOMPARE(g.chance, QLineF(10, 60, 110, 60));
        // After 1 game 0..5 of 10, after 2 games 1..8 of 20.
        QCOMPARE(g.band,
                 QPolygonF({QPointF(10, 0), QPointF(110, 20), QPointF(110, 90), QPointF(10, 100)}));
        QCOMPARE(g.shareTicks.size(), 6);
        QCOMPARE(g.shareTicks.last().label, u"50%"_s);
        QCOMPARE(g.gameTicks.last().label, u"2"_s);

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
