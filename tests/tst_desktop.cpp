// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Application.h"
#include "ApplicationFolder.h"
#include "DisplayCheck.h"
#include "HelpWindow.h"
#include "MainWindow.h"
#include "OpenFailureNotice.h"
#include "Platform.h"
#include "RecordingLauncher.h"
#include "RedirectPage.h"
#include "TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cerrno>
#include <cstring>
#include <stdexcept>

#ifdef Q_OS_UNIX
#include <csignal>
#include <fcntl.h>
#include <future>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;

namespace
{

#ifdef Q_OS_WIN
const QByteArray LineEnd = "\r\n";
#else
const QByteArray LineEnd = "\n";
#endif

QByteArray redirectPage(const QByteArray &url)
{
    return "<html><head><meta http-equiv='refresh' content='0; url=" + url +
           "'><meta http-equiv='Content-Type' content='text/html; charset=windows-1251'>"
           "<title>WWW</title></head><body></body></html>" +
           LineEnd;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

} // namespace

class TestDesktop : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void workingDirectoryKeepsOnlyARootsSeparator_data()
    {
        QTest::addColumn<QString>("raw");
        QTest::addColumn<QString>("expected");
        QTest::newRow("drive root") << uR"(C:\)"_s << uR"(C:\)"_s;
        QTest::newRow("drive folder") << uR"(C:\Games\Чуйкомер)"_s << uR"(C:\Games\Чуйкомер)"_s;
        QTest::newRow("trailing backslash") << uR"(D:\Games\)"_s << uR"(D:\Games)"_s;
        QTest::newRow("network share") << uR"(\\server\share\)"_s << uR"(\\server\share)"_s;
        QTest::newRow("posix folder") << u"/opt/chuikomer"_s << u"/opt/chuikomer"_s;
        QTest::newRow("posix trailing") << u"/opt/chuikomer//"_s << u"/opt/chuikomer"_s;
        QTest::newRow("posix root") << u"/"_s << u"/"_s;
    }
    void workingDirectoryKeepsOnlyARootsSeparator()
    {
        QFETCH(QString, raw);
        QFETCH(QString, expected);
        QCOMPARE(Desktop::shellWorkingDirectory(raw), expected);
    }

    // The shell gets the target as given and the program's own folder, in the platform's form,
    // to work in; whatever fails there stays there.
    void openWithShellHandsOverTargetAndProgramFolder()
    {
        RecordingLauncher launcher;
        launcher.during = [] { throw std::runtime_error("no desktop"); };
        Desktop desktop = launcher.desktop(u"/nowhere/"_s);
        QTest::ignoreMessage(
            QtWarningMsg,
            QRegularExpression(u"^Could not open \"/tmp/a file.html\": no desktop$"_s));
        QTest::ignoreMessage(
            QtWarningMsg,
            QRegularExpression(u"^Could not open \"http://www.example.org/site/\": no desktop$"_s));
        desktop.openWithDesktop(u"/tmp/a file.html"_s);
        desktop.openWithDesktop(u"http://www.example.org/site/"_s);
        QCOMPARE(launcher.calls.size(), 2u);
        QCOMPARE(launcher.calls[0].target, u"/tmp/a file.html"_s);
        QCOMPARE(launcher.calls[1].target, u"http://www.example.org/site/"_s);
        const QString folder = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
        QCOMPARE(launcher.calls[0].workingDirectory, folder);
        QVERIFY(!folder.endsWith(QDir::separator()));
    }

    // The help document is asked for by name beside the program, present or not, from the
    // menu of the started program as from the function itself.
    void helpOpensTheDocumentBesideTheProgram()
    {
        RecordingLauncher launcher;
        launcher.desktop(u"/nowhere/чуйкомер/"_s).openHelp(u"Справка.html"_s);
        Application program(launcher.desktop(ApplicationFolder::find()),
                            TestSupport::ScriptedRandom{});
        program.start();
        program.mainWindow().findChild<QAction *>(u"HelpCalHelp"_s)->trigger();
        QCOMPARE(launcher.calls.size(), 2u);
        QCOMPARE(launcher.calls[0].target, u"/nowhere/чуйкомер/Справка.html"_s);
        QCOMPARE(launcher.calls[1].target,
                 QDir::toNativeSeparators(QCoreApplication::applicationDirPath()) +
                     QDir::separator() + u"Справка.html"_s);
    }

#ifdef Q_OS_LINUX
    // The display gone while games are unsaved (the record someone else's file): before the
    // program ends, they go beside the record, and the log says where and why.
    void unsavedGamesOutliveTheDisplay()
    {
        QTemporaryDir home;
        const QString folder = home.filePath(u"org.example.Chuikomer"_s);
        QVERIFY(QDir().mkpath(folder));
        TestSupport::writeFile(folder + u"/games.tsv"_s, "not a record of games\n");
        QProcess display;
        display.start(u"Xvfb"_s,
                      {u"-displayfd"_s, u"1"_s, u"-nolisten"_s, u"tcp"_s, u"-noreset"_s});
        QVERIFY(display.waitForReadyRead(20000));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(u"QT_QPA_PLATFORM"_s);
        environment.insert(u"DISPLAY"_s, u":"_s + QString::fromLatin1(display.readAll().trimmed()));
        environment.insert(u"XDG_DATA_HOME"_s, home.path());
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(CHUIKOMER_EXE), {});
        // A game by keyboard, once the window is there: a level, ten guesses.
        QProcess keys;
        keys.setProcessEnvironment(environment);
        keys.start(u"sh"_s, {u"-c"_s, u"xdotool search --sync --onlyvisible --name '^Чуйкомер$' "
                                      u"windowfocus --sync key --delay 50 shift+Tab "
                                      u"space space space space space space space space space "
                                      u"space space"_s});
        QVERIFY(keys.waitForFinished(30000));
        QByteArray log;
        QTRY_VERIFY_WITH_TIMEOUT((log += program.readAllStandardError()).contains("Appending"),
                                 20000);
        display.kill();
        QVERIFY(program.waitForFinished(20000));
        log += program.readAllStandardError();
        QCOMPARE(program.exitCode(), 1);
        const auto kept = QRegularExpression(u"Kept 1 unsaved games beside the record, in "
                                             u"\"(.*)\", as the program ends: the display was "
                                             u"lost\n"_s)
                              .match(QString::fromUtf8(log));
        QVERIFY2(kept.hasMatch(), log.constData());
        QCOMPARE(contents(kept.captured(1)).count('\n'), 2);
    }

    // Without a test's launcher, the desktop's opener is started from the PATH in the
    // program's folder; without one on the PATH the start fails and nothing is opened. One
    // that finds no program for the target gives up later, and that is told too.
    void desktopOpenerIsStartedFromThePath()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString log = dir.filePath(u"opened"_s);
        const QString opener = dir.filePath(u"xdg-open"_s);
        TestSupport::writeFile(
            opener, "#!/bin/sh\nprintf '%s\\n%s\\n' \"$PWD\" \"$1\" > \"" + QFile::encodeName(log) +
                        ".part\" && /bin/mv \"" + QFile::encodeName(log) + ".part\" \"" +
                        QFile::encodeName(log) + "\"\ncase \"$1\" in *.pdf) exit 3;; esac\n");
        QVERIFY(QFile::setPermissions(opener, QFile::permissions(opener) | QFile::ExeOwner));

        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(dir.path()));
        int gaveUp = 0;
        const auto count = [&gaveUp] { ++gaveUp; };
        QVERIFY(Desktop::startPlatformOpener(u"/tmp/Справка.html"_s,
                                             QCoreApplication::applicationDirPath(), count));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(log), 10000);
        QCOMPARE(QString::fromUtf8(contents(log)),
                 QCoreApplication::applicationDirPath() + u"\n/tmp/Справка.html\n"_s);
        QVERIFY(Desktop::startPlatformOpener(u"/tmp/a.pdf"_s, dir.path(), count));
        QTRY_COMPARE_WITH_TIMEOUT(gaveUp, 1, 10000);

        qputenv("PATH", QFile::encodeName(dir.path() + u"/empty"_s));
        QTest::ignoreMessage(
            QtWarningMsg,
            QRegularExpression(u"^Could not start \"xdg-open\" for \"/tmp/other.html\": \\w"_s));
        const bool startedWithout =
            Desktop::startPlatformOpener(u"/tmp/other.html"_s, dir.path(), count);
        qputenv("PATH", path);
        QVERIFY(!startedWithout);
        QCOMPARE(gaveUp, 1);
    }
#endif

    // Help that cannot be opened for want of an opener or of a browser is not met with
    // silence: the player is told what is missing, over the window they look at, and plays on.
    void whenNothingOpensThePlayerIsTold()
    {
        RecordingLauncher launcher;
        launcher.starts = false;
        Application program(launcher.desktop(ApplicationFolder::find()),
                            TestSupport::ScriptedRandom{});
        program.start();
        MainWindow &window = program.mainWindow();
        const auto notices = [&window] {
            QStringList texts;
            for (const QMessageBox *box :
                 window.findChildren<QMessageBox *>(u"OpenFailureNotice"_s))
                if (box->isVisible())
                    texts << box->text();
            return texts;
        };
        // The help the browser did not show, the program shows in a window of its own.
        const QString instead = u"\nВместо этого справка открыта в окне программы."_s;
        window.findChild<QAction *>(u"HelpCalHelp"_s)->trigger();
        QCOMPARE(launcher.calls.size(), 1u);
        QCOMPARE(notices(),
                 QStringList{u"Справка не открылась в браузере: в системе нет программы %1 из "
                             u"пакета xdg-utils, которая передаёт документы браузеру."_s.arg(
                                 QString::fromLatin1(Platform::OpenerName)) +
                             instead});
        auto *help = window.findChild<HelpWindow *>();
        QVERIFY(help && help->isVisible());
        QCOMPARE(help->document(), launcher.calls[0].target);
        QVERIFY(window.isEnabled());
        for (QMessageBox *box : window.findChildren<QMessageBox *>())
            box->close();

        launcher.starts = true;
        window.findChild<QAction *>(u"HelpCalHelp"_s)->trigger();
        QVERIFY(notices().isEmpty());
        launcher.gaveUp();
        QCOMPARE(notices(), QStringList{u"Справка не открылась в браузере: в системе нет браузера, "
                                        u"чтобы её показать."_s +
                                        instead});
        QCOMPARE(window.findChildren<HelpWindow *>().size(), 1);
        QCOMPARE(OpenFailureNotice::text(
                     {OpenFailure::Request::Link, OpenFailure::Reason::NoOpener, u"xdg-open"_s}),
                 u"Сайт не открылся: в системе нет программы xdg-open из пакета xdg-utils, "
                 u"которая передаёт ссылки браузеру."_s);
    }

    // A held key or a double click asks many times at once: one viewer opens, and the next
    // request after a second's pause is heard again.
    void repeatsWithinASecondAreIgnored()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        RecordingLauncher launcher;
        qint64 now = 0;
        Desktop desktop(dir.path() + u'/', launcher.launcher(), [&] { return now; });
        for (int i = 0; i < 200; ++i, now += 1) {
            desktop.openHelp(u"Справка.html"_s);
            desktop.openUrl(u"http://www.example.org/site/"_s);
        }
        QCOMPARE(launcher.calls.size(), 2u);
        now += Desktop::RepeatIgnoredMs;
        desktop.openHelp(u"Справка.html"_s);
        desktop.openUrl(u"http://www.example.org/site/"_s);
        QCOMPARE(launcher.calls.size(), 4u);

        // F1 held for five seconds, repeating every 30 ms: still one viewer.
        now += Desktop::RepeatIgnoredMs;
        for (int i = 0; i < 5000 / 30; ++i, now += 30)
            desktop.openHelp(u"Справка.html"_s);
        QCOMPARE(launcher.calls.size(), 5u);

        // The pause is counted from the last request: a millisecond short of it is a repeat,
        // and exactly the pause after that one is a new request.
        now += 2 * Desktop::RepeatIgnoredMs;
        desktop.openHelp(u"Справка.html"_s);
        QCOMPARE(launcher.calls.size(), 6u);
        now += Desktop::RepeatIgnoredMs - 1;
        desktop.openHelp(u"Справка.html"_s);
        QCOMPARE(launcher.calls.size(), 6u);
        now += Desktop::RepeatIgnoredMs;
        desktop.openHelp(u"Справка.html"_s);
        QCOMPARE(launcher.calls.size(), 7u);
    }

    // A scale factor that is no number from 0.5 to 8 is dropped before Qt sees it; the
    // program then runs at the screen's own scale, and says why on stderr.
    void senselessScaleFactorsAreIgnored_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<bool>("kept");
        for (const char *nonsense :
             {"0", "nan", "inf", "-inf", "1e9", "0.0001", "-1", "100", "abc", "0.49"})
            QTest::newRow(nonsense) << QByteArray(nonsense) << false;
        for (const char *sensible : {"0.5", "1", "1.25", " 2 ", "8"})
            QTest::newRow(sensible) << QByteArray(sensible) << true;
    }
    void senselessScaleFactorsAreIgnored()
    {
        QFETCH(QByteArray, value);
        QFETCH(bool, kept);
        const QByteArray saved = qgetenv("QT_SCALE_FACTOR");
        qputenv("QT_SCALE_FACTOR", value);
        DisplayCheck::dropSenselessScaleFactor();
        const QByteArray left = qgetenv("QT_SCALE_FACTOR");
        qputenv("QT_SCALE_FACTOR", saved);
        QCOMPARE(left, kept ? value : QByteArray());

        // The program itself, before its window: it warns and goes on.
        if (value != "nan")
            return;
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"QT_SCALE_FACTOR"_s, u"nan"_s);
        environment.insert(u"LC_ALL"_s, u"C"_s);
        environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(CHUIKOMER_EXE), {});
        QVERIFY(program.waitForStarted());
        QVERIFY(!program.waitForFinished(1000));
        program.kill();
        program.waitForFinished();
        QVERIFY(program.readAllStandardError().contains(
            "QT_SCALE_FACTOR=nan не число от 0,5 до 8, оно не учитывается."));
    }

    // Without a known program folder the help is not looked for anywhere, and links go
    // straight to the browser.
    void withoutAFolderNothingIsMadeUp()
    {
        RecordingLauncher launcher;
        Desktop desktop = launcher.desktop(std::nullopt);
        desktop.openHelp(u"Справка.html"_s);
        desktop.openUrl(u"http://www.example.org/site/"_s);
        QCOMPARE(launcher.calls.size(), 1u);
        QCOMPARE(launcher.calls[0].target, u"http://www.example.org/site/"_s);
    }

    // The page for an address, rewritten at 0.html on every use and handed to the shell after
    // the waiting events have been dispatched.
    void redirectPageGoesToZeroEveryTime()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString zero = dir.filePath(u"0.html"_s);
        TestSupport::writeFile(zero, QByteArray(2000, 'x'));

        bool dispatched = false;
        bool dispatchedBeforeShell = false;
        RecordingLauncher launcher;
        launcher.during = [&] { dispatchedBeforeShell = dispatched; };
        Desktop desktop = launcher.desktop(dir.path() + u'/');
        QTimer::singleShot(0, this, [&] { dispatched = true; });
        desktop.openUrl(u"http://www.example.org/site/"_s);
        QVERIFY(dispatchedBeforeShell);
        QCOMPARE(contents(zero), redirectPage("http://www.example.org/site/"));

        desktop.openUrl(u"https://example.com/a?b=1&c=2#d"_s);
        QCOMPARE(contents(zero), redirectPage("https://example.com/a?b=1&c=2#d"));

        QCOMPARE(launcher.calls.size(), 2u);
        for (const auto &call : launcher.calls)
            QCOMPARE(call.target, dir.path() + u"/0.html"_s);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"0.html"_s});
    }

    // An apostrophe would end the attribute that holds the address; everything else stays.
    void apostropheIsEscapedAndNothingElse()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        RecordingLauncher launcher;
        launcher.desktop(dir.path() + u'/')
            .openUrl(u"http://example.org/o'neil?q=\"a\"&r=%27<b>"_s);
        QCOMPARE(contents(dir.filePath(u"0.html"_s)),
                 redirectPage("http://example.org/o%27neil?q=\"a\"&r=%27<b>"));
    }

    // A name that cannot be opened for writing is passed over and left as it is.
    void unopenableNamesMoveThePageOn()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(QDir(dir.path()).mkdir(u"0.html"_s));
        RecordingLauncher launcher;
        Desktop desktop = launcher.desktop(dir.path() + u'/');
        desktop.openUrl(u"http://www.example.org/site/"_s);
        QCOMPARE(contents(dir.filePath(u"1.html"_s)), redirectPage("http://www.example.org/site/"));
        QVERIFY(QFileInfo(dir.filePath(u"0.html"_s)).isDir());
        QVERIFY(QDir(dir.filePath(u"0.html"_s)).isEmpty());

        QVERIFY(QFile::remove(dir.filePath(u"1.html"_s)));
        QVERIFY(QDir(dir.path()).mkdir(u"1.html"_s));
        desktop.openUrl(u"http://www.example.org/site/"_s);
        QVERIFY(QFileInfo::exists(dir.filePath(u"2.html"_s)));

        QCOMPARE(launcher.calls.size(), 2u);
        QCOMPARE(launcher.calls[0].target, dir.path() + u"/1.html"_s);
        QCOMPARE(launcher.calls[1].target, dir.path() + u"/2.html"_s);
    }

#ifdef Q_OS_UNIX
    // A page whose mode forbids writing is passed over, even by root, whom access() lets
    // write anything.
    void readOnlyPageIsPassedOver()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString zero = dir.filePath(u"0.html"_s);
        TestSupport::writeFile(zero, "read-only");
        QCOMPARE(::chmod(QFile::encodeName(zero).constData(), 0444), 0);
        RecordingLauncher launcher;
        launcher.desktop(dir.path() + u'/').openUrl(u"http://www.example.org/site/"_s);
        QCOMPARE(contents(zero), QByteArray("read-only"));
        QCOMPARE(launcher.calls.size(), 1u);
        QCOMPARE(launcher.calls[0].target, dir.filePath(u"1.html"_s));
    }
#endif

    // A read-only or missing folder, or every name taken: the shell gets the address itself,
    // after a bounded search.
    void withoutAnyRedirectFileTheAddressGoesStraightToTheShell()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        RecordingLauncher launcher;
        QTest::ignoreMessage(
            QtWarningMsg, QRegularExpression(u"^No redirect page in \".*/missing/\" \\(\\w.*\\); "
                                             u"the address goes to the browser itself$"_s));
        launcher.desktop(dir.path() + u"/missing/"_s).openUrl(u"http://example.org/o'neil"_s);
        for (int i = 0; i < RedirectPage::MaxNames; ++i)
            QVERIFY(QDir(dir.path()).mkdir(QString::number(i) + u".html"_s));
        QTest::ignoreMessage(
            QtWarningMsg,
            QRegularExpression(u"^No redirect page in .*\\(every name from 0.html to "
                               u"%1.html is taken\\)"_s.arg(RedirectPage::MaxNames - 1)));
        launcher.desktop(dir.path() + u'/').openUrl(u"http://www.example.org/site/"_s);
        QCOMPARE(launcher.calls.size(), 2u);
        QCOMPARE(launcher.calls[0].target, u"http://example.org/o'neil"_s);
        QCOMPARE(launcher.calls[1].target, u"http://www.example.org/site/"_s);
        QVERIFY(!QFileInfo::exists(dir.filePath(u"%1.html"_s.arg(RedirectPage::MaxNames))));
        QVERIFY(!QFileInfo::exists(dir.path() + u"/missing"_s));
    }

    // A link planted as a redirect name is not followed: its target keeps its contents, and a
    // dangling one does not create a file elsewhere.
    void symbolicLinksAreNotFollowed()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QDir root(dir.path());
        QVERIFY(root.mkdir(u"program"_s));
        const QString precious = dir.filePath(u"precious.txt"_s);
        TestSupport::writeFile(precious, "keep me");
        if (!QFile::link(precious, dir.filePath(u"program/0.html"_s)))
            QSKIP("symbolic links cannot be made here");
        const QString dangling = dir.filePath(u"created-elsewhere.txt"_s);
        QVERIFY(QFile::link(dangling, dir.filePath(u"program/1.html"_s)));

        RecordingLauncher launcher;
        launcher.desktop(dir.filePath(u"program/"_s)).openUrl(u"http://www.example.org/site/"_s);

        QCOMPARE(contents(precious), QByteArray("keep me"));
        QVERIFY(!QFileInfo::exists(dangling));
        QVERIFY(QFileInfo(dir.filePath(u"program/0.html"_s)).isSymLink());
        QCOMPARE(contents(dir.filePath(u"program/2.html"_s)),
                 redirectPage("http://www.example.org/site/"));
        QCOMPARE(launcher.calls.size(), 1u);
        QCOMPARE(launcher.calls[0].target, dir.filePath(u"program/2.html"_s));
    }

    // Everything outside ASCII as a browser sends it, so that the bytes are what the page's
    // charset says: the host in its IDN form, the rest percent-encoded UTF-8.
    void nonAsciiAddressesAreEncoded()
    {
        QCOMPARE(RedirectPage::document(u"http://пример.рф/сайт/?q=ё"_s),
                 redirectPage("http://xn--e1afmkfd.xn--p1ai/%D1%81%D0%B0%D0%B9%D1%82/?q=%D1%91")
                     .chopped(LineEnd.size()));
        // Either side of the first byte that is not ASCII.
        QCOMPARE(RedirectPage::document(u"http://example.org/\u007f\u0080"_s),
                 redirectPage("http://example.org/\x7f%C2%80").chopped(LineEnd.size()));
    }

#ifdef Q_OS_UNIX
    // What a neighbour who can write to the folder might plant under the page's name is left
    // alone, and never holds the program up: a FIFO, a second name of another file, another
    // user's page, which not even root replaces.
    void plantedNamesAreLeftAlone_data()
    {
        QTest::addColumn<QString>("planted");
        QTest::addColumn<QString>("page");
        QTest::newRow("FIFO, hard link") << u"fifo link"_s << u"2.html"_s;
        QTest::newRow("another user's page") << u"foreign"_s << u"1.html"_s;
    }

    void plantedNamesAreLeftAlone()
    {
        QFETCH(QString, planted);
        QFETCH(QString, page);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QByteArray zero = QFile::encodeName(dir.filePath(u"0.html"_s));
        const QString precious = dir.filePath(u"precious.txt"_s);
        TestSupport::writeFile(precious, "keep me");
        constexpr uid_t Nobody = 65534;
        if (planted == u"foreign") {
            if (::geteuid() != 0)
                QSKIP("only root can give a file to another user");
            TestSupport::writeFile(dir.filePath(u"0.html"_s), "keep me");
            QCOMPARE(::chown(zero.constData(), Nobody, Nobody), 0);
        } else {
            QCOMPARE(::mkfifo(zero.constData(), 0666), 0);
            QVERIFY(::link(QFile::encodeName(precious).constData(),
                           QFile::encodeName(dir.filePath(u"1.html"_s)).constData()) == 0);
        }

        QString whyNot;
        auto written = std::async(std::launch::async, [&] {
            return RedirectPage::write(dir.path() + u'/', u"http://www.example.org/site/"_s,
                                       whyNot);
        });
        const bool returned =
            written.wait_for(std::chrono::seconds(1)) == std::future_status::ready;
        if (!returned) {
            // Free the writer, so that the failure is reported instead of hanging.
            const int reader = ::open(zero.constData(), O_RDONLY | O_NONBLOCK);
            written.wait();
            ::close(reader);
        }
        QVERIFY2(returned, "a FIFO under the page's name blocked the writer");
        QCOMPARE(written.get(), dir.filePath(page));
        QCOMPARE(contents(precious), QByteArray("keep me"));
        struct stat info {
        };
        QCOMPARE(::lstat(zero.constData(), &info), 0);
        if (planted == u"foreign") {
            QCOMPARE(contents(dir.filePath(u"0.html"_s)), QByteArray("keep me"));
            QCOMPARE(info.st_uid, Nobody);
        } else {
            QVERIFY(S_ISFIFO(info.st_mode));
        }
    }

    // An installed copy's folder belongs to its package: nothing is written there, even by
    // root, and the browser gets the address itself.
    void anInstalledCopyWritesNoPage()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        TestSupport::writeFile(dir.filePath(QString::fromUtf16(ApplicationFolder::InstalledMark)),
                               "installed");
        RecordingLauncher launcher;
        launcher.desktop(dir.path() + u'/').openUrl(u"http://www.example.org/site/"_s);
        QCOMPARE(launcher.calls.size(), 1u);
        QCOMPARE(launcher.calls[0].target, u"http://www.example.org/site/"_s);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QString::fromUtf16(ApplicationFolder::InstalledMark)});
    }

    // A page that cannot be written whole never replaces the old one: the old page stays,
    // no half file is left, and the browser gets the address itself.
    void failedWriteKeepsTheOldPage()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString zero = dir.filePath(u"0.html"_s);
        TestSupport::writeFile(zero, "old page");
        RecordingLauncher launcher;
        Desktop desktop = launcher.desktop(dir.path() + u'/');

        // A disk that is full after a few bytes: a file-size limit, its signal ignored.
        rlimit saved{};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto previous = std::signal(SIGXFSZ, SIG_IGN);
        rlimit tiny = saved;
        tiny.rlim_cur = 16;
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &tiny), 0);
        QTest::ignoreMessage(
            QtWarningMsg,
            QRegularExpression(u"^No redirect page in .* \\(%1\\); the address"_s.arg(
                QRegularExpression::escape(QString::fromLocal8Bit(std::strerror(EFBIG))))));
        desktop.openUrl(u"http://www.example.org/site/"_s);
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previous);

        QCOMPARE(contents(zero), QByteArray("old page"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"0.html"_s});
        QCOMPARE(launcher.calls.size(), 1u);
        QCOMPARE(launcher.calls[0].target, u"http://www.example.org/site/"_s);

        // With room again, the page replaces the old one in one step.
        desktop.openUrl(u"http://www.example.org/site/"_s);
        QCOMPARE(contents(zero), redirectPage("http://www.example.org/site/"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"0.html"_s});
    }
#endif
};

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
