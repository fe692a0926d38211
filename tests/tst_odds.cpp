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
};

QTEST_GUILESS_MAIN(TestOdds)
#include "tst_odds.moc"
