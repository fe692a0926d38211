#include "Application.h"
#include "ApplicationFolder.h"
#include "MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

class TestApplication : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void separatorIsChosenByAnyBackslash_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("completed");
        QTest::newRow("windows folder") << uR"(C:\Games\Test)"_s << uR"(C:\Games\Test\)"_s;
        QTest::newRow("drive root") << uR"(C:\)"_s << uR"(C:\)"_s;
        QTest::newRow("network share") << uR"(\\server\share)"_s << uR"(\\server\share\)"_s;
        QTest::newRow("posix folder") << u"/opt/game"_s << u"/opt/game/"_s;
        QTest::newRow("posix root") << u"/"_s << u"/"_s;
        QTest::newRow("mixed, slash last") << uR"(C:\dir/)"_s << uR"(C:\dir/\)"_s;
        QTest::newRow("empty") << QString() << u"/"_s;
    }
    void separatorIsChosenByAnyBackslash()
    {
        QFETCH(QString, folder);
        QFETCH(QString, completed);
        QCOMPARE(ApplicationFolder::withSeparator(folder), completed);
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
