#include "MainM.h"
#include "frmForma.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

class TestMainM : public QObject
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
        QCOMPARE(MainM::WithSeparator(folder), completed);
    }

    void mainShowsTheWindowAndExitEndsTheLoop()
    {
        MainM::Main();
        QVERIFY(MainM::AppFolder.endsWith(u'/'));
        QCOMPARE(MainM::AppFolder, QCoreApplication::applicationDirPath() + u'/');
        frmForma *window = MainM::Forma();
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->windowTitle(), u"Чуйкомер"_s);

        // Mid-game, the Exit command ends the event loop at once, asking nothing.
        QTest::mouseClick(window->kLevel[0], Qt::LeftButton);
        QTimer::singleShot(0, window->MenuExit, &QAction::trigger);
        QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
        QPointer<frmForma> watch(window);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(watch.isNull());
        QCOMPARE(MainM::Forma(), nullptr);
    }
};

QTEST_MAIN(TestMainM)
#include "tst_mainm.moc"
