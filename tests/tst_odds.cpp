#include "Odds.h"

#include <QTest>
#include <cmath>

using namespace Qt::StringLiterals;

class TestOdds : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void probabilitiesOfLuck()
    {
        for (int offered : {5, 10, 15}) {
            QCOMPARE(Odds::atLeast(0, offered), 1.0);
            double previous = 1.0;
            for (int hits = 1; hits <= 10; ++hits) {
                QVERIFY(Odds::atLeast(hits, offered) < previous);
                previous = Odds::atLeast(hits, offered);
            }
        }
        QVERIFY(qAbs(Odds::atLeast(4, 5) - 0.1208738) < 1e-6);
        QVERIFY(qAbs(Odds::atLeast(1, 10) - (1 - std::pow(0.9, 10))) < 1e-12);
        QVERIFY(qAbs(Odds::atLeast(10, 15) - std::pow(15.0, -10)) < 1e-22);
    }

    void explanations()
    {
        const QString four = Odds::explanation(4, 5);
        QVERIFY(four.contains(u"в среднем 2 из 10"_s));
        QVERIFY(four.contains(u"Угадать 4 или больше"_s));
        QVERIFY(four.contains(u"с вероятностью 12%"_s));

        QVERIFY(Odds::explanation(3, 15).contains(u"в среднем 0,67 из 10"_s));
        // Rare chances are told as one in so many, with grouped digits.
        QVERIFY(Odds::explanation(10, 5).contains(u"Угадать все 10"_s));
        QVERIFY(Odds::explanation(10, 5).contains(u"1 шанс из 9\u00a0765\u00a0625"_s));
        const QString none = Odds::explanation(0, 10);
        QVERIFY(none.contains(u"Не угадать ни одной"_s));
        QVERIFY(none.contains(u"35%"_s));
    }

    void anyNumberOfGuesses()
    {
        // The one-game figures, and the same from the general tail.
        QCOMPARE(std::round(Odds::atLeast(3, 10, 0.2) * 10000) / 10000, 0.3222);
        for (int hits = 0; hits <= 10; ++hits)
            QVERIFY(qAbs(Odds::atLeast(hits, 10, 1.0 / 15) - Odds::atLeast(hits, 15)) < 1e-15);
        // A million guesses: three deviations above the mean, and far beyond any double.
        const double threeSigma = Odds::atLeast(201'200, 1'000'000, 0.2);
        QVERIFY2(threeSigma > 0.0012 && threeSigma < 0.0015,
                 qPrintable(QString::number(threeSigma)));
        QCOMPARE(Odds::atLeast(300'000, 1'000'000, 0.2), 0.0);
        QVERIFY(Odds::atLeast(190'000, 1'000'000, 0.2) > 0.999999);

        // Two levels' guesses together: 10 and 10 at 1/5 are 20 at 1/5.
        const Odds::Distribution twenty = Odds::binomial(20, 0.2);
        const Odds::Distribution sum = Odds::sum(Odds::binomial(10, 0.2), Odds::binomial(10, 0.2));
        for (int k = 0; k <= 20; ++k)
            QVERIFY(qAbs(sum.at(k) - twenty.at(k)) < 1e-14);
        QCOMPARE(twenty.quantile(0.025), 1);
        QCOMPARE(twenty.quantile(0.975), 8);

        QCOMPARE(Odds::howOften(1 / 37.2), u"в 1 случае из 37"_s);
        QCOMPARE(Odds::howOften(0.3222), u"в 32% случаев"_s);
        QCOMPARE(Odds::howOften(1e-9), u"меньше чем в 1 случае из миллиона"_s);
    }
};

QTEST_GUILESS_MAIN(TestOdds)
#include "tst_odds.moc"
