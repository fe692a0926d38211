// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Game.h"
#include "MainWindow.h"
#include "ResultBoard.h"
#include "StatisticsWindow.h"
#include "TestSupport.h"

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <memory>

using namespace Qt::StringLiterals;

namespace
{

// Five of ten right at every game, levels in turn: far above chance, so every level's luck
// cell holds its longest text.
FinishedGame fiveRight(int n)
{
    FinishedGame g;
    g.level = Level::all()[std::size_t(n % Level::Count)];
    for (int i = 0; i < Game::Attempts; ++i) {
        g.hidden[i] = i % g.offeredPictures();
        g.guessed[i] = i < 5 ? g.hidden[i] : (g.hidden[i] + 1) % g.offeredPictures();
    }
    return g;
}

Statistics played(int games)
{
    Statistics s;
    for (int n = 0; n < games; ++n)
        s.add(fiveRight(n));
    return s;
}

// The frame as the window system has it: a widget's own copy can lag behind on a busy machine.
QRect frameOf(const QWidget &w)
{
    return w.windowHandle() ? w.windowHandle()->frameGeometry() : w.frameGeometry();
}

bool framed(const QWidget &w)
{
    return frameOf(w) != w.geometry() || qEnvironmentVariableIsEmpty("CHUIKOMER_WM");
}

// Waits until the window manager has answered the window's last placement: its frame stays
// put for a second of events, however long a busy machine takes to get there.
void settle(const QWidget &w)
{
    QRect last;
    int same = 0;
    QTRY_VERIFY_WITH_TIMEOUT(
        (same = frameOf(w) == std::exchange(last, frameOf(w)) ? same + 1 : 0) >= 20, 60000);
}

// What the frame holds above the client area.
QRect titleBarOf(const QWidget &w)
{
    const QRect frame = frameOf(w);
    return QRect(
        frame.topLeft(),
        QPoint(frame.right(),
               (w.windowHandle() ? w.windowHandle()->geometry() : w.geometry()).top() - 1));
}

} // namespace

// The statistics window in a real X window at the scale the test runs at, under openbox or
// none: its whole frame stays on the screen's available area wherever the main window
// stands, beside it where there is room and never over its title bar, however many games it
// shows, also as games are added.
class TestStatisticsFrame : public QObject
{
    Q_OBJECT

    ResultBoard board_;
    Game game_{board_, TestSupport::ScriptedRandom()};
    std::unique_ptr<MainWindow> main_;

private Q_SLOTS:
    void initTestCase()
    {
        main_ = std::make_unique<MainWindow>(game_, board_);
        main_->show();
        // A window manager on a busy machine may take many seconds, starting up as much as
        // framing the window.
        QVERIFY(QTest::qWaitForWindowExposed(main_.get(), 60000));
        QTRY_VERIFY_WITH_TIMEOUT(framed(*main_), 60000);
        settle(*main_);
    }
    void cleanupTestCase() { main_.reset(); }

    void theWholeFrameStaysOnScreen_data()
    {
        QTest::addColumn<int>("games");
        // Where the main window's centre goes, in screens from the top left.
        QTest::addColumn<QPointF>("mainAt");
        for (int games : {0, 4, 300}) {
            const QByteArray n = QByteArray::number(games);
            QTest::newRow(n + " games, centre") << games << QPointF(0.5, 0.5);
            QTest::newRow(n + " games, bottom left") << games << QPointF(0.1, 0.9);
            QTest::newRow(n + " games, half off the top right") << games << QPointF(1, 0);
        }
    }
    void theWholeFrameStaysOnScreen()
    {
        QFETCH(int, games);
        QFETCH(QPointF, mainAt);
        MainWindow &main = *main_;
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        const QRect mainFrame = frameOf(main);
        main.move(QPoint(int(area.width() * mainAt.x()), int(area.height() * mainAt.y())) -
                  (mainFrame.center() - mainFrame.topLeft()));
        settle(main);

        auto *statistics = new StatisticsWindow(&main);
        statistics->setStatistics(played(games));
        statistics->show();
        QVERIFY(QTest::qWaitForWindowExposed(statistics, 60000));
        const auto onScreen = [&] {
            return framed(*statistics) && area.contains(frameOf(*statistics));
        };
        const auto where = [&] {
            QString text;
            QDebug(&text) << frameOf(*statistics) << "min" << statistics->minimumSize() << "over"
                          << frameOf(main) << "title bar" << titleBarOf(main);
            return text;
        };
        // A window manager on a loaded machine may take its time to frame the windows.
        QTRY_VERIFY2_WITH_TIMEOUT(onScreen(), qPrintable(where()), 60000);
        QVERIFY(statistics->minimumSize() != statistics->maximumSize());
        const auto *close = statistics->findChild<QPushButton *>(u"CloseButton"_s);
        QVERIFY(statistics->rect().contains(close->geometry()));
        // Beside the game where the screen has room for it, tops level as far as the screen lets;
        // else over it, but never over its title bar.
        const auto beside = [&] {
            const QRect m = frameOf(main);
            const QRect f = frameOf(*statistics);
            const bool right = area.right() - m.right() >= f.width();
            const bool left = m.left() - area.left() >= f.width();
            if (!right && !left)
                return titleBarOf(main).isEmpty() || !f.intersects(titleBarOf(main));
            if (f.top() != std::max(area.top(), std::min(m.top(), area.bottom() + 1 - f.height())))
                return false;
            return right ? f.left() == m.right() + 1 : f.right() == m.left() - 1;
        };
        QTRY_VERIFY2_WITH_TIMEOUT(beside(), qPrintable(where()), 10000);

        // More games: larger if there is more to show, and still whole on the screen.
        QTest::qWait(100);
        const QSize size = statistics->size();
        for (int n = games; n < games + 40; ++n)
            statistics->addGame(fiveRight(n));
        // A window manager on a loaded machine may take its time to frame the windows.
        QTRY_VERIFY2_WITH_TIMEOUT(onScreen(), qPrintable(where()), 60000);
        QVERIFY(statistics->height() >= size.height() ||
                frameOf(*statistics).bottom() == area.bottom());
        QVERIFY2(titleBarOf(main).isEmpty() || !frameOf(*statistics).intersects(titleBarOf(main)),
                 qPrintable(where()));
        delete statistics;
    }
};

QTEST_MAIN(TestStatisticsFrame)
#include "tst_statisticsframe.moc"
