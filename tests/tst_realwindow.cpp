#include "Pictures.h"
#include "ResultBoard.h"

#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;

// The built program in a real X window, on the display that tools/with-xvfb gives: a level
// and ten pictures clicked with xdotool, then the screen read back.
class TestRealWindow : public QObject
{
    Q_OBJECT

    QProcess game;

    static QByteArray run(const QString &program, const QStringList &arguments)
    {
        QProcess p;
        p.start(program, arguments);
        if (!p.waitForFinished(20000) || p.exitCode() != 0)
            qWarning() << program << arguments << p.readAllStandardError();
        return p.readAllStandardOutput();
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "run under tools/with-xvfb");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(u"QT_QPA_PLATFORM"_s);
        game.setProcessEnvironment(env);
        game.start(QStringLiteral(CHUIKOMER_EXE), {});
        QVERIFY(game.waitForStarted());
    }

    void cleanupTestCase()
    {
        game.terminate();
        game.waitForFinished(5000);
    }

    void withoutADisplayItSaysSoAndFails()
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const QString &name : {u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s})
            env.remove(name);
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(CHUIKOMER_EXE), {});
        QVERIFY(p.waitForFinished(20000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QVERIFY(p.exitCode() != 0);
        QVERIFY(p.readAllStandardError().contains("DISPLAY"));
    }

    void aWholeGameInARealWindow()
    {
        const QString id =
            QString::fromLatin1(run(u"xdotool"_s, {u"search"_s, u"--sync"_s, u"--onlyvisible"_s,
                                                   u"--name"_s, u"^Чуйкомер$"_s})
                                    .trimmed());
        QVERIFY2(!id.isEmpty(), "no window");
        // No window manager: the window's geometry is its menu bar and client area.
        const QString geometry =
            QString::fromLatin1(run(u"xdotool"_s, {u"getwindowgeometry"_s, u"--shell"_s, id}));
        QMap<QString, int> g;
        for (const QString &line : geometry.split(u'\n', Qt::SkipEmptyParts))
            g[line.section(u'=', 0, 0)] = line.section(u'=', 1).toInt();
        QCOMPARE(g[u"WIDTH"_s], 650);
        // Centred on the screen.
        const QStringList display =
            QString::fromLatin1(run(u"xdotool"_s, {u"getdisplaygeometry"_s}).trimmed()).split(u' ');
        QCOMPARE(display.size(), 2);
        QVERIFY(qAbs(g[u"X"_s] - (display[0].toInt() - 650) / 2) <= 1);
        QVERIFY(qAbs(g[u"Y"_s] - (display[1].toInt() - g[u"HEIGHT"_s]) / 2) <= 1);
        const QPoint client(g[u"X"_s], g[u"Y"_s] + g[u"HEIGHT"_s] - 308);

        const auto click = [&](QPoint at) {
            const QPoint p = client + at;
            run(u"xdotool"_s, {u"mousemove"_s, QString::number(p.x()), QString::number(p.y()),
                               u"click"_s, u"1"_s});
            QTest::qWait(60);
        };
        click({8 + 101, 80 + 16});
        const std::array<int, 10> guesses{0, 1, 2, 3, 4, 4, 3, 2, 1, 0};
        for (int p : guesses)
            click({8 + 58 * p + 27, 128 + 27});
        QTest::qWait(300);

        QCOMPARE(QString::fromUtf8(run(u"xdotool"_s, {u"getwindowname"_s, id}).trimmed()),
                 u"Чуйкомер: Первый уровень"_s);

        QImage screen;
        QVERIFY(screen.loadFromData(run(u"import"_s, {u"-window"_s, u"root"_s, u"png:-"_s})));
        const QImage board = screen.copy(QRect(client + QPoint(304, 144), QSize(335, 130)))
                                 .convertToFormat(QImage::Format_RGB32);

        // Every cell shows its guess, and a first-level picture revealed above it; strokes
        // may cross the quadrants' inner corners only.
        const auto matches = [&](const QRect &quadrant, int picture, QPoint cell) {
            ResultBoard reference;
            reference.drawReveal(1, picture);
            const QImage expected = reference.image().copy(QRect(QPoint(1, 1), QSize(30, 30)));
            for (int y = 0; y < 30; ++y)
                for (int x = 0; x < 30; ++x) {
                    const QPoint at = quadrant.topLeft() + QPoint(x, y);
                    const int d = (at.x() - cell.x()) + (at.y() - cell.y());
                    if (d >= 56 && d <= 68)
                        continue;
                    if (board.pixel(at) != expected.pixel(x, y))
                        return false;
                }
            return true;
        };
        for (int n = 1; n <= 10; ++n) {
            const QPoint o = ResultBoard::cellOrigin(n);
            QVERIFY2(matches(QRect(o + QPoint(32, 32), QSize(30, 30)), guesses[n - 1], o),
                     qPrintable(u"guess %1"_s.arg(n)));
            bool revealed = false;
            for (int p = 0; p < 5; ++p)
                revealed = revealed || matches(QRect(o + QPoint(1, 1), QSize(30, 30)), p, o);
            QVERIFY2(revealed, qPrintable(u"reveal %1"_s.arg(n)));
        }
    }
};

QTEST_GUILESS_MAIN(TestRealWindow)
#include "tst_realwindow.moc"
