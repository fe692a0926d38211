// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ProgramSupport.h"
#include "RecordFile.h"
#include "RecordLine.h"

#include <QApplication>
#include <QDir>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(ApplicationFolder::Separators)

namespace
{

FinishedGame firstLevelGame(int hits)
{
    FinishedGame game;
    game.playedAt = QDateTime(QDate(2026, 12, 7), QTime(9, 0), Qt::UTC);
    for (int i = 0; i < hits; ++i)
        game.guessed[i] = game.hidden[i];
    for (int i = hits; i < Game::Attempts; ++i)
        game.guessed[i] = 1;
    return game;
}

bool reading(const StatisticsWindow &w)
{
    return !w.findChild<QWidget *>(u"Reading"_s)->isHidden();
}

} // namespace

class TestApplication : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void separatorFollowsThePlatform_data()
    {
        using S = ApplicationFolder::Separators;
        QTest::addColumn<QString>("folder");
        QTest::addColumn<S>("separators");
        QTest::addColumn<QString>("completed");
        QTest::newRow("windows folder")
            << uR"(C:\Games\Test)"_s << S::Windows << uR"(C:\Games\Test\)"_s;
        QTest::newRow("drive root") << uR"(C:\)"_s << S::Windows << uR"(C:\)"_s;
        QTest::newRow("network share")
            << uR"(\\server\share)"_s << S::Windows << uR"(\\server\share\)"_s;
        QTest::newRow("windows, slash last") << uR"(C:\dir/)"_s << S::Windows << uR"(C:\dir/\)"_s;
        QTest::newRow("windows, no backslash") << u"/opt/game"_s << S::Windows << u"/opt/game/"_s;
        QTest::newRow("posix folder") << u"/opt/game"_s << S::Posix << u"/opt/game/"_s;
        QTest::newRow("posix root") << u"/"_s << S::Posix << u"/"_s;
        // On Linux a backslash is part of a folder's name.
        QTest::newRow("posix backslash") << uR"(/home/a\)"_s << S::Posix << uR"(/home/a\/)"_s;
        QTest::newRow("empty") << QString() << S::Posix << u"/"_s;
    }
    void separatorFollowsThePlatform()
    {
        QFETCH(QString, folder);
        QFETCH(ApplicationFolder::Separators, separators);
        QFETCH(QString, completed);
        QCOMPARE(ApplicationFolder::withSeparator(folder, separators), completed);
    }

    // A folder that cannot be known is never made up: not "/", not the working directory.
    void unknownFolderIsNone()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QCOMPARE(ApplicationFolder::known(dir.path()), dir.path() + u'/');
        QCOMPARE(ApplicationFolder::known(QString()), std::nullopt);
        QCOMPARE(ApplicationFolder::known(u"relative/folder"_s), std::nullopt);
        // What an undecodable name comes out as.
        QCOMPARE(ApplicationFolder::known(dir.path() + u"/\uFFFD"_s), std::nullopt);
        QCOMPARE(ApplicationFolder::known(dir.path() + u"/"_s + QString(5000, u'a')), std::nullopt);
    }

    void startShowsTheWindowAndExitEndsTheLoop()
    {
        QCOMPARE(ApplicationFolder::find(), QCoreApplication::applicationDirPath() + u'/');
        auto program =
            std::make_unique<Application>(Desktop(ApplicationFolder::find()), [] { return 0.0; });
        program->start();
        MainWindow &window = program->mainWindow();
        QVERIFY(window.isVisible());

        // Mid-game, the Exit command ends the event loop at once, asking nothing.
        QTest::mouseClick(window.findChild<QPushButton *>(u"kLevel_0"_s), Qt::LeftButton);
        QCOMPARE(window.game().attempt(), 1);
        QTimer::singleShot(0, window.findChild<QAction *>(u"MenuExit"_s), &QAction::trigger);
        QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
        QPointer<MainWindow> watch(&window);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(watch);
        // The window goes with the program, before the application object.
        program.reset();
        QVERIFY(watch.isNull());
    }

    // A record long enough to be read on a thread of its own: the window shows how far, a
    // game finished meanwhile is counted once, and closing the window or the program during
    // the reading stops it.
    void longRecordIsReadBesideTheGame()
    {
        QTemporaryDir home;
        TestSupport::ScriptedRandom random;
        RecordingLauncher opened;
        auto program = start(home.path(), random, opened);
        const QString path = RecordFile::defaultPath();
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        constexpr int Games = 60000;
        QByteArray text = RecordLine::header();
        for (int i = 0; i < Games; ++i)
            text += RecordLine::serialise(firstLevelGame(1));
        TestSupport::writeFile(path, text);
        MainWindow &window = program->mainWindow();

        StatisticsWindow *statistics = openStatistics(window);
        QVERIFY(statistics && reading(*statistics));
        // Nothing is handed over before the event loop runs again.
        Q_EMIT window.game().finished(firstLevelGame(10));
        Q_EMIT window.game().finished(firstLevelGame(10));
        QTRY_VERIFY(!reading(*statistics));
        const auto shown = [](int n) { return QLocale().toString(n).replace(u'\u00a0', u' '); };
        QCOMPARE(figure(*statistics, u"Games_1"_s), shown(Games + 2));
        QCOMPARE(figure(*statistics, u"Hits_1"_s), shown(Games + 20));
        // Once the reading is done, games are added as they finish.
        Q_EMIT window.game().finished(firstLevelGame(10));
        QCOMPARE(figure(*statistics, u"Hits_1"_s), shown(Games + 30));

        // Starting anew during a reading drops it: the old record is the archive now.
        statistics->close();
        QTRY_VERIFY(!window.findChild<StatisticsWindow *>());
        statistics = openStatistics(window);
        QVERIFY(statistics && reading(*statistics));
        Q_EMIT statistics->startAnewRequested();
        QVERIFY(!reading(*statistics));
        QTest::qWait(200);
        QVERIFY(figure(*statistics, u"Notes"_s).startsWith(u"Игр пока нет"_s));
        QCOMPARE(figure(*statistics, u"Games_1"_s), u"hidden"_s);
        auto games = [](const QString &record) {
            Statistics kept;
            const RecordProblem problem =
                RecordFile(record).read([&kept](QByteArrayView line) { kept.addLine(line); });
            return problem == RecordProblem::None ? kept.games(1) : -1;
        };
        QCOMPARE(games(QFileInfo(path).path() + u"/games-"_s +
                       QDate::currentDate().toString(Qt::ISODate) + u".tsv"_s),
                 Games + 3);

        statistics->close();
        QTRY_VERIFY(!window.findChild<StatisticsWindow *>());
        TestSupport::writeFile(path, text);
        Q_EMIT window.game().finished(firstLevelGame(10));
        statistics = openStatistics(window);
        QVERIFY(statistics && reading(*statistics));
        program.reset();
        QCOMPARE(games(path), Games + 1);
    }
};

QTEST_MAIN(TestApplication)
#include "tst_application.moc"
