// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DisplayTexts.h"
#include "GameTexts.h"
#include "Language.h"

#include <QCoreApplication>
#include <QLocale>
#include <QProcess>
#include <QTest>
#include <cstdio>

using namespace Qt::StringLiterals;

class LanguageTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void followsTheUser_data();
    void followsTheUser();
    void followsTheEnvironment_data();
    void followsTheEnvironment();
    void russianPluralsAgreeWithTheCount();
};

void LanguageTest::followsTheUser_data()
{
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<bool>("english");
    QTest::newRow("C") << QStringList{u"C"_s} << false;
    QTest::newRow("POSIX") << QStringList{u"POSIX"_s} << false;
    QTest::newRow("ru_RU") << QStringList{u"ru-RU"_s, u"ru"_s} << false;
    QTest::newRow("en_GB") << QStringList{u"en-GB"_s, u"en"_s} << true;
    // As Qt gives them for ru_UA: no bare "ru" among them.
    QTest::newRow("ru_UA") << QStringList{u"ru-UA"_s, u"ru-Cyrl-UA"_s} << false;
    QTest::newRow("de_DE") << QStringList{u"de-DE"_s, u"de"_s} << true;
    QTest::newRow("LANGUAGE=de:en") << QStringList{u"de"_s, u"en"_s} << true;
    QTest::newRow("LANGUAGE=de:ru") << QStringList{u"de"_s, u"ru"_s} << false;
    QTest::newRow("LANGUAGE=en_US:ru") << QStringList{u"en_US"_s, u"ru"_s} << true;
    QTest::newRow("none") << QStringList{} << false;
}

void LanguageTest::followsTheUser()
{
    QFETCH(QStringList, uiLanguages);
    QFETCH(bool, english);
    QCOMPARE(Language::choose(uiLanguages) == Language::Choice::English, english);
}

// Set in the copy of this test that says what the program would under a user's locale.
constexpr char SayLanguage[] = "CHUIKOMER_SAY_LANGUAGE";

void LanguageTest::followsTheEnvironment_data()
{
    QTest::addColumn<QStringList>("variables");
    QTest::addColumn<QString>("said");
    const QString russian = u"Чуйкомер Справка.html 30,8 9\u00a0765\u00a0625 Чуйкомер: не удалось "
                            u"открыть графический дисплей (проверьте DISPLAY или "
                            u"WAYLAND_DISPLAY).\n"_s;
    const QString english = u"Hunchmeter Help.html 30.8 9,765,625 Hunchmeter: could not open a "
                            u"graphical display (check DISPLAY or WAYLAND_DISPLAY).\n"_s;
    QTest::newRow("C") << QStringList{u"LANG=C"_s} << russian;
    QTest::newRow("POSIX") << QStringList{u"LC_ALL=POSIX"_s} << russian;
    QTest::newRow("ru_RU") << QStringList{u"LANG=ru_RU.UTF-8"_s} << russian;
    QTest::newRow("de_DE") << QStringList{u"LANG=de_DE.UTF-8"_s} << english;
    QTest::newRow("fr_FR") << QStringList{u"LANG=fr_FR.UTF-8"_s} << english;
    QTest::newRow("en_IN") << QStringList{u"LANG=en_IN.UTF-8"_s} << english;
    QTest::newRow("en_US") << QStringList{u"LANG=en_US.UTF-8"_s} << english;
    QTest::newRow("LC_ALL over LANG")
        << QStringList{u"LANG=ru_RU.UTF-8"_s, u"LC_ALL=en_US.UTF-8"_s} << english;
    QTest::newRow("LANGUAGE=de:en")
        << QStringList{u"LANG=de_DE.UTF-8"_s, u"LANGUAGE=de:en"_s} << english;
    QTest::newRow("LANGUAGE=de:ru")
        << QStringList{u"LANG=de_DE.UTF-8"_s, u"LANGUAGE=de:ru"_s} << russian;
    // The messages' language decides the numbers too, so that a sentence reads one way.
    QTest::newRow("ru_RU, LC_MESSAGES=en_US")
        << QStringList{u"LANG=ru_RU.UTF-8"_s, u"LC_MESSAGES=en_US.UTF-8"_s} << english;
}

// The title, the help, numbers and what is said before the window, as the program has them
// under a user's variables.
void LanguageTest::followsTheEnvironment()
{
    QFETCH(QStringList, variables);
    QFETCH(QString, said);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString &name : environment.keys())
        if (name.startsWith(u"LC_"_s) || name == u"LANG" || name == u"LANGUAGE")
            environment.remove(name);
    for (const QString &variable : variables)
        environment.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
    environment.insert(QString::fromLatin1(SayLanguage), u"1"_s);
    QProcess copy;
    copy.setProcessEnvironment(environment);
    copy.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(copy.waitForFinished(10000));
    QCOMPARE(QString::fromUtf8(copy.readAllStandardOutput()), said);
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

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsSet(SayLanguage)) {
        // As the program says it before its application object exists.
        const QString noDisplay = DisplayTexts::noDisplay();
        QCoreApplication application(argc, argv);
        Language::installForUser();
        const QString said = GameTexts::title() + u' ' +
                             Language::helpDocument(Language::current()) + u' ' +
                             QLocale().toString(30.8, 'f', 1) + u' ' + QLocale().toString(9765625) +
                             u' ' + noDisplay;
        std::fputs(said.toUtf8().constData(), stdout);
        return 0;
    }
    QCoreApplication application(argc, argv);
    LanguageTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_language.moc"
