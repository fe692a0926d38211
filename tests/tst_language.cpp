// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Language.h"

#include <QCoreApplication>
#include <QTest>

using namespace Qt::StringLiterals;

class LanguageTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void followsTheUser_data();
    void followsTheUser();
    void russianPluralsAgreeWithTheCount();
};

void LanguageTest::followsTheUser_data()
{
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<bool>("english");
    QTest::newRow("C") << QStringList{u"C"_s} << false;
    QTest::newRow("ru_RU") << QStringList{u"ru-RU"_s, u"ru"_s} << false;
    QTest::newRow("en_GB") << QStringList{u"en-GB"_s, u"en"_s} << true;
    QTest::newRow("de_DE") << QStringList{u"de-DE"_s, u"de"_s} << false;
    QTest::newRow("LANGUAGE=de:en") << QStringList{u"de"_s, u"en"_s} << true;
    QTest::newRow("LANGUAGE=en_US:ru") << QStringList{u"en_US"_s, u"ru"_s} << true;
    QTest::newRow("none") << QStringList{} << false;
}

void LanguageTest::followsTheUser()
{
    QFETCH(QStringList, uiLanguages);
    QFETCH(bool, english);
    QCOMPARE(Language::choose(uiLanguages) == Language::Choice::English, english);
}

void LanguageTest::russianPluralsAgreeWithTheCount()
{
    Language::install(Language::Choice::Russian);
    QStringList games;
    for (int n : {1, 3, 11, 21, 5})
        games << QCoreApplication::translate("StatisticsTexts", "Сыграно %Ln игр.", nullptr, n);
    QCOMPARE(games.join(u" "_s),
             u"Сыграна 1 игра. Сыграно 3 игры. Сыграно 11 игр. Сыграна 21 игра. Сыграно 5 игр."_s);
}

QTEST_GUILESS_MAIN(LanguageTest)
#include "tst_language.moc"
