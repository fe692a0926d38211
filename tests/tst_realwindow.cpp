// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Pictures.h"
#include "ResultBoard.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

namespace
{

QByteArray run(const QString &program, const QStringList &arguments)
{
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(20000) || p.exitCode() != 0)
        qWarning() << program << arguments << p.readAllStandardError();
    return p.readAllStandardOutput();
}

// The first visible window of that exact title, waiting for it; empty if none comes.
QString windowNamed(const QString &title, const QStringList &more = {})
{
    return QString::fromLatin1(run(u"timeout"_s, QStringList{u"20"_s, u"xdotool"_s, u"search"_s,
                                                             u"--sync"_s, u"--onlyvisible"_s} +
                                                     more + QStringList{u"--name"_s, title})
                                   .split('\n')
                                   .first()
                                   .trimmed());
}

// A window's client area and, under a window manager, its whole frame, on the root window.
struct Placement {
    QRect client;
    QRect frame;
};

Placement placement(const QString &id)
{
    const QString info = QString::fromLatin1(run(u"xwininfo"_s, {u"-id"_s, id}));
    const auto field = [&](const QString &name) {
        const auto m = QRegularExpression(name + uR"(:\s*(-?\d+))"_s).match(info);
        return m.hasMatch() ? m.captured(1).toInt() : -1;
    };
    Placement p;
    p.client = QRect(field(u"Absolute upper-left X"_s), field(u"Absolute upper-left Y"_s),
                     field(u"Width"_s), field(u"Height"_s));
    const QString extents =
        QString::fromLatin1(run(u"xprop"_s, {u"-id"_s, id, u"_NET_FRAME_EXTENTS"_s}));
    const auto m = QRegularExpression(uR"(= (\d+), (\d+), (\d+), (\d+))"_s).match(extents);
    p.frame = m.hasMatch() ? p.client.adjusted(-m.captured(1).toInt(), -m.captured(3).toInt(),
                                               m.captured(2).toInt(), m.captured(4).toInt())
                           : p.client;
    return p;
}

QRect screen()
{
    const QStringList size =
        QString::fromLatin1(run(u"xdotool"_s, {u"getdisplaygeometry"_s}).trimmed()).split(u' ');
    return size.size() == 2 ? QRect(0, 0, size[0].toInt(), size[1].toInt()) : QRect();
}

bool centred(const QRect &frame)
{
    const QPoint offset = frame.center() - screen().center();
    return qAbs(offset.x()) <= 1 && qAbs(offset.y()) <= 1;
}

QProcessEnvironment environmentWithout(const QStringList &names)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString &name : names)
        env.remove(name);
    return env;
}

} // namespace

// The built program in real X windows, on the display that tools/with-xvfb gives, with or
// without a window manager: a level and ten pictures clicked with xdotool, the screen read
// back, the About window, and the start-up without a usable display.
class TestRealWindow : public QObject
{
    Q_OBJECT

    QProcess game;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "run under tools/with-xvfb");
        game.setProcessEnvironment(environmentWithout({u"QT_QPA_PLATFORM"_s}));
        game.start(QStringLiteral(CHUIKOMER_EXE), {});
        QVERIFY(game.waitForStarted());
    }

    void cleanupTestCase()
    {
        game.terminate();
        game.waitForFinished(5000);
    }

    void withoutADisplayItSaysSoAndFails_data()
    {
        QTest::addColumn<QStringList>("assignments");
        QTest::addColumn<QByteArray>("said");
        // In the user's language, named as the program is in it.
        const QByteArray russian = "Чуйкомер: не удалось открыть графический дисплей";
        const QByteArray english = "Hunchmeter: could not open a graphical display";
        QTest::newRow("nothing set") << QStringList{u"LANG=C"_s} << russian;
        QTest::newRow("empty variables")
            << QStringList{u"DISPLAY="_s, u"WAYLAND_DISPLAY="_s, u"LANG=en_US.UTF-8"_s} << english;
        QTest::newRow("dead display")
            << QStringList{u"DISPLAY=:9999"_s, u"LANG=de_DE.UTF-8"_s} << english;
        QTest::newRow("no such plugin")
            << QStringList{u"QT_QPA_PLATFORM=wayland"_s, u"LANG=ru_RU.UTF-8"_s} << russian;
    }
    void withoutADisplayItSaysSoAndFails()
    {
        QFETCH(QStringList, assignments);
        QFETCH(QByteArray, said);
        QProcessEnvironment env = environmentWithout(
            {u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s, u"XDG_SESSION_TYPE"_s,
             u"LANGUAGE"_s, u"LC_ALL"_s, u"LC_MESSAGES"_s});
        for (const QString &a : assignments)
            env.insert(a.section(u'=', 0, 0), a.section(u'=', 1));
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(CHUIKOMER_EXE), {});
        QVERIFY(p.waitForFinished(20000));
        const QByteArray errors = p.readAllStandardError();
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 1);
        QVERIFY2(errors.contains(said), errors);
        QVERIFY2(!errors.contains("Reinstalling"), errors);
    }

    // With no DISPLAY in the environment, a display on the command line is enough.
    void displayOnTheCommandLine_data()
    {
        const QString display = qEnvironmentVariable("DISPLAY");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("-display") << QStringList{u"-display"_s, display};
        QTest::newRow("-platform") << QStringList{u"-platform"_s, u"xcb:display="_s + display};
    }
    void displayOnTheCommandLine()
    {
        QFETCH(QStringList, arguments);
        QProcess p;
        p.setProcessEnvironment(environmentWithout({u"DISPLAY"_s, u"QT_QPA_PLATFORM"_s}));
        p.start(QStringLiteral(CHUIKOMER_EXE), arguments);
        QVERIFY(p.waitForStarted());
        const QString id =
            windowNamed(u"^Чуйкомер$"_s, {u"--pid"_s, QString::number(p.processId())});
        p.kill();
        p.waitForFinished(5000);
        QVERIFY2(!id.isEmpty(), p.readAllStandardError());
    }

    void aWholeGameInARealWindow()
    {
        const QString id =
            windowNamed(u"^Чуйкомер$"_s, {u"--pid"_s, QString::number(game.processId())});
        QVERIFY2(!id.isEmpty(), "no window");
        // Task bars match the window to its desktop entry by its class.
        QVERIFY(
            run(u"xprop"_s, {u"-id"_s, id, u"WM_CLASS"_s}).contains("\"org.example.Chuikomer\""));

        // Centred as a whole frame once the window manager, if any, has framed it.
        Placement p;
        QTRY_VERIFY_WITH_TIMEOUT(centred((p = placement(id)).frame), 3000);
        QCOMPARE(p.client.width(), 650);
        const QPoint client = p.client.bottomLeft() + QPoint(0, 1 - 308);

        const auto click = [&](QPoint at) {
            const QPoint c = client + at;
            run(u"xdotool"_s, {u"mousemove"_s, QString::number(c.x()), QString::number(c.y()),
                               u"click"_s, u"1"_s});
            QTest::qWait(60);
        };
        click({8 + 101, 80 + 16});
        const std::array<int, 10> guesses{0, 1, 2, 3, 4, 4, 3, 2, 1, 0};
        for (int picture : guesses)
            click({8 + 58 * picture + 27, 128 + 27});
        QTest::qWait(300);

        QCOMPARE(QString::fromUtf8(run(u"xdotool"_s, {u"getwindowname"_s, id}).trimmed()),
                 u"Чуйкомер: Первый уровень"_s);

        QImage shot;
        QVERIFY(shot.loadFromData(run(u"import"_s, {u"-window"_s, u"root"_s, u"png:-"_s})));
        const QImage board = shot.copy(QRect(client + QPoint(304, 144), QSize(335, 130)))
                                 .convertToFormat(QImage::Format_RGB32);

        // Every cell shows its guess, and a first-level picture revealed above it; strokes
        // may cross the quadrants' inner corners only.
        const auto matches = [&](const QRect &quadrant, int picture, QPoint cell) {
            ResultBoard reference;
            reference.startAttempt(1, picture);
            reference.reveal(1);
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
            for (int picture = 0; picture < 5; ++picture)
                revealed = revealed || matches(QRect(o + QPoint(1, 1), QSize(30, 30)), picture, o);
            QVERIFY2(revealed, qPrintable(u"reveal %1"_s.arg(n)));
        }

        // The About window, from the menu: centred as a whole frame, transient for the game.
        click({88, -12});
        run(u"xdotool"_s, {u"key"_s, u"Down"_s, u"Down"_s, u"Return"_s});
        const QString about = windowNamed(u"^О программе$"_s);
        QVERIFY2(!about.isEmpty(), "no About window");
        QTRY_VERIFY_WITH_TIMEOUT(centred(placement(about).frame), 3000);
        QVERIFY(run(u"xprop"_s, {u"-id"_s, about, u"WM_TRANSIENT_FOR"_s}).contains("window id"));
        run(u"xdotool"_s, {u"key"_s, u"Escape"_s});
    }
};

QTEST_GUILESS_MAIN(TestRealWindow)
#include "tst_realwindow.moc"
