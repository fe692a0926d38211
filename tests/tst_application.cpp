#include "Application.h"
#include "ApplicationFolder.h"
#include "MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(ApplicationFolder::Separators)

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
        QCOMPARE(window.windowTitle(), u"Чуйкомер"_s);

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
};

QTEST_MAIN(TestApplication)
#include "tst_application.moc"
