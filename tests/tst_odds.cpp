// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

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
        QVERIFY(four.contains(u"Угадать 4 или больше просто по везению можно в 12% случаев."_s));

        QVERIFY(Odds::explanation(3, 15).contains(u"в среднем 0,67 из 10"_s));
        // Rare chances are told as one in so many, with grouped digits, as everywhere else.
        QVERIFY(Odds::explanation(10, 5).contains(u"Угадать все 10"_s));
        QVERIFY(Odds::explanation(10, 5).contains(u"в 1 случае из 9\u00a0765\u00a0625"_s));
        QVERIFY(Odds::explanation(10, 15).contains(u"меньше чем в 1 случае из миллиарда"_s));
        const QString none = Odds::explanation(0, 10);
        QVERIFY(none.contains(u"Не угадать ни одной"_s));
        QVERIFY(none.contains(u"в 35% случаев"_s));

        QCOMPARE(Odds::howOften(1 / 37.2), u"в 1 случае из 37"_s);
        QCOMPARE(Odds::howOften(0.3222), u"в 32% случаев"_s);
        // Nearly always is not always.
        QCOMPARE(Odds::howOften(0.9972), u"в 99% случаев"_s);
        QCOMPARE(Odds::howOften(1.0), u"в 100% случаев"_s);
    }
};

QTEST_GUILESS_MAIN(TestOdds)
#include "tst_odds.moc"
