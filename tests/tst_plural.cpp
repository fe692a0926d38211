// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Plural.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestPlural : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void countsAgreeWithTheirNouns_data()
    {
        QTest::addColumn<qint64>("n");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("after");
        QTest::newRow("0") << qint64(0) << u"0 игр"_s << u"после 0 игр"_s;
        QTest::newRow("1") << qint64(1) << u"1 игра"_s << u"после 1 игры"_s;
        QTest::newRow("2") << qint64(2) << u"2 игры"_s << u"после 2 игр"_s;
        QTest::newRow("5") << qint64(5) << u"5 игр"_s << u"после 5 игр"_s;
        QTest::newRow("11") << qint64(11) << u"11 игр"_s << u"после 11 игр"_s;
        QTest::newRow("14") << qint64(14) << u"14 игр"_s << u"после 14 игр"_s;
        QTest::newRow("21") << qint64(21) << u"21 игра"_s << u"после 21 игры"_s;
        QTest::newRow("111") << qint64(111) << u"111 игр"_s << u"после 111 игр"_s;
        QTest::newRow("1001") << qint64(1001) << u"1\u00a0001 игра"_s << u"после 1\u00a0001 игры"_s;
    }
    void countsAgreeWithTheirNouns()
    {
        QFETCH(qint64, n);
        QFETCH(QString, count);
        QFETCH(QString, after);
        QCOMPARE(Plural::count(n, u"игра", u"игры", u"игр"), count);
        QCOMPARE(u"после "_s + Plural::genitive(n, u"игры", u"игр"), after);
    }
};

QTEST_APPLESS_MAIN(TestPlural)
#include "tst_plural.moc"
