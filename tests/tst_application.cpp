// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Language.h"
#include "ProgramSupport.h"
#include "RecordFile.h"
#include "RecordLine.h"
#include "SealsWindow.h"
#include "StatisticsLoader.h"
#include "TerminationSignals.h"
#include "VerifyCommand.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QDirIterator>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <csignal>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(ApplicationFolder::Separators)

namespace
{

FinishedGame firstLevelGame(int hits, bool training = false)
{
    FinishedGame game;
    game.training = training;
    game.playedAt = QDateTime(QDate(2026, 12, 7), QTime(9, 0), Qt::UTC);
    for (int i = 0; i < hits; ++i)
        game.guessed[i] = game.hidden[i];
    for (int i = hits; i < Game::Attempts; ++i)
        game.guessed[i] = 1;
    return TestSupport::sealed(game);
}

// What the session manager's last word comes to in Qt: the application is asked to quit.
void endSession()
{
    QEvent quit(QEvent::Quit);
    QCoreApplication::sendEvent(qApp, &quit);
}

bool reading(const StatisticsWindow &w)
{
    return !w.findChild<QWidget *>(u"Reading"_s)->isHidden();
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

int gamesIn(const QString &path)
{
    RecordReader reader = RecordFile(path).openForReading();
    const auto sums = StatisticsLoader::sumUp(reader);
    return sums.fault.failed() ? -1 : sums.statistics.games(Statistics::Total);
}

// Answers the questions about unsaved games as a player would, the buttons named in
// `answers` in turn, the last again and again, and `file` in the file dialog (none: cancel);
// counts them. "EndSession" and "SIGTERM" leave a question open while the program is ended.
struct Player : QObject {
    QStringList answers;
    QString file;
    int asked = 0;
    QStringList warnings;
    // The questions' titles, which name the record they are about.
    QStringList titles;

    Player(const QString &a, QString f) : answers(a.split(u',')), file(std::move(f))
    {
        startTimer(10);
    }
    void timerEvent(QTimerEvent *) override
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
            if (file == u"SIGTERM"_s) {
                ::raise(SIGTERM);
                file = u"raised"_s;
            } else if (file == u"raised"_s) {
            } else if (file.isEmpty()) {
                dialog->reject();
            } else if (dialog->selectedFiles().value(0) != file) {
                // Typed, as a player would: the dialog does not take a name it is given while
                // its name field has the focus.
                dialog->findChild<QLineEdit *>(u"fileNameEdit"_s)->setText(file);
            } else {
                static_cast<QDialog *>(dialog)->accept();
            }
        } else if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            if (box->objectName() != u"UnsavedGamesQuestion"_s) {
                warnings << box->text();
                box->accept();
                return;
            }
            ++asked;
            titles << box->windowTitle();
            const QString answer = answers.size() > 1 ? answers.takeFirst() : answers.first();
            if (answer == u"EndSession"_s)
                return endSession();
            TestSupport::control<QPushButton>(box, answer)->click();
            // Staying, the program goes on until the test ends it.
            if (answer == u"Stay"_s)
                QTimer::singleShot(100, this, [] { QCoreApplication::exit(2); });
        }
    }
};

// Everything the player, a screen reader or the disk could tell now, without spaces and in
// lower case: every accessible text of every window, the log so far, the clipboard, and every
// file under `folder`.
QString everythingTold(const QString &folder, const QStringList &log)
{
    QStringList told = log;
    std::function<void(QAccessibleInterface *)> walk = [&](QAccessibleInterface *at) {
        if (!at)
            return;
        for (QAccessible::Text t :
             {QAccessible::Name, QAccessible::Description, QAccessible::Value, QAccessible::Help})
            told << at->text(t);
        for (int i = 0; i < at->childCount(); ++i)
            walk(at->child(i));
    };
    for (QWidget *top : QApplication::topLevelWidgets())
        if (top->isVisible()) {
            walk(QAccessible::queryAccessibleInterface(top));
            for (const QWidget *w : top->findChildren<QWidget *>())
                told << w->toolTip();
        }
    told << QApplication::clipboard()->text();
    QDirIterator files(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext())
        told << QString::fromLatin1(contents(files.next()));
    static const QRegularExpression space(u"\\s"_s);
    return told.join(QString()).remove(space).toLower();
}

} // namespace

class TestApplication : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A secret never shows before the game is over, wherever one could look: the windows, what
    // a screen reader gets, the clipboard, the log and the record. After, the seals window has
    // every one.
    void secretsStayHiddenUntilTheGameIsOver()
    {
        QTemporaryDir home;
        TestSupport::ScriptedRandom random;
        RecordingLauncher opened;
        static QStringList log;
        log.clear();
        const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext &, const QString &message) { log << message; });
        const auto restore = qScopeGuard([previous] { qInstallMessageHandler(previous); });
        auto program = start(home.path(), random, opened);
        MainWindow &window = program->mainWindow();
        window.findChild<QAction *>(u"MenuSeals"_s)->trigger();
        QVERIFY(window.findChild<SealsWindow *>());
        QVERIFY(openStatistics(window));
        random.hide({0, 1, 2, 3, 4, 0, 1, 2, 3, 4}, 5);
        QTest::mouseClick(window.findChild<QPushButton *>(u"kLevel_0"_s), Qt::LeftButton);
        auto *copy = window.findChild<QPushButton *>(u"CopySeals"_s);
        const QString secret =
            QString::fromLatin1(Seal::hex(TestSupport::ScriptedRandom::secret(1)));
        const QString noted = QString::fromLatin1(program->game().seal());
        // The digits to note, and no more, stand out.
        const QString shownSeal = window.findChild<QLabel *>(u"Seal"_s)->text();
        QCOMPARE(shownSeal.count(u"<b>"_s), Seal::NotedDigits / 4);
        QVERIFY(shownSeal.startsWith(u"<b>"_s + noted.left(4) + u"</b>"_s));
        QVERIFY(shownSeal.contains(u"<b>"_s + noted.mid(12, 4) + u"</b> "_s + noted.mid(16, 4)));
        for (int n = 1; n <= Game::Attempts; ++n) {
            copy->click();
            const QString told = everythingTold(home.path(), log);
            QVERIFY(told.contains(noted));
            QVERIFY2(!told.contains(secret), qPrintable(u"attempt %1: the secret"_s.arg(n)));
            QTest::mouseClick(window.findChild<QPushButton *>(u"Command1_%1"_s.arg(n % 5)),
                              Qt::LeftButton);
        }
        copy->click();
        // All of it in sight: the window grew to the revealed game.
        for (const QLabel *label : window.findChild<SealsWindow *>()->findChildren<QLabel *>())
            QVERIFY2(label->isHidden() || label->height() >= label->heightForWidth(label->width()),
                     qPrintable(label->objectName()));
        const QString kept = QApplication::clipboard()->text();
        QVERIFY(kept.contains(secret));
        // The command the window gives makes, in a shell, the seal noted before the first
        // guess, though every guess missed.
        const QString command = kept.section(u'\n', 5, 5);
        QProcess shell;
        shell.start(u"sh"_s, {u"-c"_s, command});
        QVERIFY(shell.waitForFinished(10000));
        QCOMPARE(QString::fromLatin1(shell.readAllStandardOutput()).section(u' ', 0, 0), noted);
        // And the record's code after the game is the one a check of the record prints.
        QString out, errors;
        QTextStream printed(&out), misused(&errors);
        VerifyCommand::run({"chuikomer", "--verify", QFile::encodeName(RecordFile::defaultPath())},
                           printed, misused);
        const QString code = out.section(u": "_s, -1).trimmed();
        QCOMPARE(code.size(), 19);
        QVERIFY2(kept.contains(code), qPrintable(kept + out));
    }

    void initTestCase() { Language::install(Language::Choice::Russian); }

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
        auto program = std::make_unique<Application>(Desktop(ApplicationFolder::find()),
                                                     TestSupport::ScriptedRandom{});
        program->start();
        MainWindow &window = program->mainWindow();
        QVERIFY(window.isVisible());

        // Mid-game, the Exit command ends the event loop at once, asking nothing.
        QTest::mouseClick(window.findChild<QPushButton *>(u"kLevel_0"_s), Qt::LeftButton);
        QCOMPARE(program->game().attempt(), 1);
        QTimer::singleShot(0, window.findChild<QAction *>(u"MenuExit"_s), &QAction::trigger);
        // Gone with the window, so that it never ends a later test's loop.
        QTimer::singleShot(30000, &window, [] { QCoreApplication::exit(1); });
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
        QByteArray lines;
        for (int i = 0; i < Games; ++i)
            lines += RecordLine::serialise(firstLevelGame(1));
        const QByteArray text = TestSupport::recordOf(lines);
        TestSupport::writeFile(path, text);
        MainWindow &window = program->mainWindow();

        StatisticsWindow *statistics = openStatistics(window);
        QVERIFY(statistics && reading(*statistics));
        // Nothing is handed over before the event loop runs again.
        Q_EMIT program->game().finished(firstLevelGame(10));
        Q_EMIT program->game().finished(firstLevelGame(10));
        QTRY_VERIFY_WITH_TIMEOUT(!reading(*statistics), 60000);
        // Sized to its figures once they came, not to the reading, as far as the screen lets it.
        const QRect screen = statistics->screen()->availableGeometry();
        QVERIFY2(statistics->size() == statistics->sizeHint() ||
                     (statistics->height() < statistics->sizeHint().height() &&
                      statistics->frameGeometry().bottom() >= screen.bottom() - 1),
                 qPrintable(u"%1x%2 at %3, hint %4, screen bottom %5"_s.arg(statistics->width())
                                .arg(statistics->height())
                                .arg(statistics->frameGeometry().bottom())
                                .arg(statistics->sizeHint().height())
                                .arg(screen.bottom())));
        const auto shown = [](int n) { return QLocale().toString(n).replace(u'\u00a0', u' '); };
        QCOMPARE(figure(*statistics, u"Games_1"_s), shown(Games + 2));
        QCOMPARE(figure(*statistics, u"Hits_1"_s), shown(Games + 20));
        // Once the reading is done, games are added as they finish.
        Q_EMIT program->game().finished(firstLevelGame(10));
        QCOMPARE(figure(*statistics, u"Hits_1"_s), shown(Games + 30));

        // Opened again, the figures are there at once; changed behind the program's back, the
        // record is read again. Starting anew during that reading drops it.
        statistics->close();
        QTRY_VERIFY(!window.findChild<StatisticsWindow *>());
        statistics = openStatistics(window);
        QVERIFY(statistics && !reading(*statistics));
        QCOMPARE(figure(*statistics, u"Hits_1"_s), shown(Games + 30));
        statistics->close();
        QTRY_VERIFY(!window.findChild<StatisticsWindow *>());
        QFile file(path);
        QVERIFY(file.open(QIODevice::Append) && file.write("\n") == 1);
        file.close();
        statistics = openStatistics(window);
        QVERIFY(statistics && reading(*statistics));
        Q_EMIT statistics->startAnewRequested();
        QVERIFY(!reading(*statistics));
        QTest::qWait(200);
        QVERIFY(figure(*statistics, u"Notes"_s).startsWith(u"Игр пока нет"_s));
        QCOMPARE(figure(*statistics, u"Games_1"_s), u"hidden"_s);
        QCOMPARE(gamesIn(QFileInfo(path).path() + u"/games-"_s +
                         QDate::currentDate().toString(Qt::ISODate) + u".tsv"_s),
                 Games + 3);

        statistics->close();
        QTRY_VERIFY(!window.findChild<StatisticsWindow *>());
        TestSupport::writeFile(path, text);
        Q_EMIT program->game().finished(firstLevelGame(10));
        statistics = openStatistics(window);
        QVERIFY(statistics && reading(*statistics));
        program.reset();
        QCOMPARE(gamesIn(path), Games + 1);
    }
    // A whole game in the mode the player chose, in that mode's record alone; the choice
    // outlives the program, and the statistics show training apart, also a game finished
    // while they show.
    void trainingIsKeptApart_data()
    {
        QTest::addColumn<bool>("training");
        QTest::addColumn<QStringList>("heard");
        QTest::newRow("training") << true
                                  << QStringList{u"Тренировка: Сыграна 1 игра."_s,
                                                 u"Тренировка: Сыграно 2 игры."_s};
        QTest::newRow("test") << false << QStringList(2, u"Тренировка: Сыграно 0 игр."_s);
    }
    void trainingIsKeptApart()
    {
        QFETCH(bool, training);
        QFETCH(QStringList, heard);
        QTemporaryDir home;
        const QString folder = home.filePath(QCoreApplication::applicationName()) + u'/';
        TestSupport::ScriptedRandom random;
        RecordingLauncher opened;
        auto program = start(home.path(), random, opened);
        const auto play = [&program] {
            program->game().chooseLevel(TestSupport::level(2));
            for (int n = 0; n < Game::Attempts; ++n)
                program->game().guess(1);
        };
        // On, and off again for the test: the last choice counts.
        for (int i = 0; i < (training ? 1 : 2); ++i)
            program->mainWindow().findChild<QAction *>(u"MenuTraining"_s)->trigger();
        play();
        QCOMPARE(gamesIn(folder + u"training.tsv"_s), training ? 1 : 0);
        QVERIFY(QFileInfo::exists(folder + u"games.tsv"_s) != training);

        program.reset();
        program = start(home.path(), random, opened);
        QCOMPARE(program->mainWindow().findChild<QAction *>(u"MenuTraining"_s)->isChecked(),
                 training);
        StatisticsWindow *statistics = openStatistics(program->mainWindow());
        QVERIFY(statistics);
        auto *trained = statistics->findChild<QWidget *>(u"TrainingSummary"_s);
        for (const QString &said : heard) {
            QTRY_COMPARE(trained->isVisibleTo(statistics), training);
            QCOMPARE(QAccessible::queryAccessibleInterface(trained)->text(QAccessible::Name), said);
            QCOMPARE(figure(*statistics, u"Notes"_s).startsWith(u"Обычных игр пока нет"_s),
                     training);
            play();
        }
        // Clearing starts the regular record anew and leaves training's as it is.
        const QByteArray trainingKept = contents(folder + u"training.tsv"_s);
        Q_EMIT statistics->startAnewRequested();
        QCOMPARE(contents(folder + u"training.tsv"_s), trainingKept);
        QVERIFY(!QFileInfo::exists(folder + u"games.tsv"_s) ||
                gamesIn(folder + u"games.tsv"_s) == 0);
    }

    // Games that could not be saved are never dropped without a word: the program makes one
    // more attempt as it ends, by "Выход" or by closing its window, then asks. Ended with
    // nobody to ask, by the end of the desktop session or a signal, also while a question is
    // open, it writes them beside the record, closes the question and says so in the log.
    void unsavedGamesAreNotLostAtTheEnd_data()
    {
        QTest::addColumn<QString>("route");
        QTest::addColumn<QString>("answer");
        // Where the player saves them: nowhere, a new file, a record of their own.
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<bool>("roomAgain");
        QTest::addColumn<int>("exitCode");
        // What ended the program with nobody to ask, as the log says it.
        QTest::addColumn<QString>("endedBy");
        QTest::newRow("exit, stay")
            << u"menu"_s << u"Stay"_s << QString() << false << 2 << QString();
        QTest::newRow("close, quit without them")
            << u"close"_s << u"QuitWithout"_s << QString() << false << 0 << QString();
        QTest::newRow("exit, saved to a new file")
            << u"menu"_s << u"SaveToFile"_s << u"new"_s << false << 0 << QString();
        QTest::newRow("close, saved to a record of the player's")
            << u"close"_s << u"SaveToFile"_s << u"record"_s << false << 0 << QString();
        QTest::newRow("exit, another file refused, then quit without them")
            << u"menu"_s << u"SaveToFile,QuitWithout"_s << u"foreign"_s << false << 0 << QString();
        QTest::newRow("exit, no file chosen, then quit without them")
            << u"menu"_s << u"SaveToFile,QuitWithout"_s << QString() << false << 0 << QString();
        QTest::newRow("room again before the end")
            << u"menu"_s << QString() << QString() << true << 0 << QString();
        QTest::newRow("session ends, nobody to ask")
            << u"session"_s << QString() << QString() << false << 0 << u"the session ended"_s;
        QTest::newRow("session ends while the question is open")
            << u"menu"_s << u"EndSession"_s << QString() << false << 0 << u"the session ended"_s;
        QTest::newRow("SIGTERM while the file dialog is open")
            << u"close"_s << u"SaveToFile"_s << u"SIGTERM"_s << false << 143 << u"SIGTERM"_s;
        // Training games, kept in a record of their own, are handled alike.
        QTest::newRow("training, close, saved to a new file")
            << u"close"_s << u"SaveToFile"_s << u"new"_s << false << 0 << QString();
        QTest::newRow("training, session ends, nobody to ask")
            << u"session"_s << QString() << QString() << false << 0 << u"the session ended"_s;
        for (int number : {SIGTERM, SIGHUP, SIGINT, SIGQUIT})
            QTest::newRow(qPrintable(TerminationSignals::name(number)))
                << u"signal"_s << QString() << QString() << false << 128 + number
                << TerminationSignals::name(number);
    }
    void unsavedGamesAreNotLostAtTheEnd()
    {
        QFETCH(QString, route);
        QFETCH(QString, answer);
        QFETCH(QString, chosen);
        QFETCH(bool, roomAgain);
        QFETCH(int, exitCode);
        QFETCH(QString, endedBy);
        const bool training = QByteArray(QTest::currentDataTag()).startsWith("training");
        const QString name = training ? u"training"_s : u"games"_s;
        QTemporaryDir home;
        const QString folder = home.filePath(QCoreApplication::applicationName());
        QVERIFY(QDir().mkpath(folder));
        // Someone else's file where the record should be: the games stay in memory.
        const QString record = folder + u'/' + name + u".tsv"_s;
        const QByteArray notes = "not a record of games\n";
        TestSupport::writeFile(record, notes);
        const QString file = home.filePath(u"saved.tsv"_s);
        if (chosen == u"record"_s)
            TestSupport::writeFile(file,
                                   TestSupport::recordOf(RecordLine::serialise(firstLevelGame(2))));
        if (chosen == u"foreign"_s)
            TestSupport::writeFile(file, notes);
        // As the desktop starts a program, whatever started this test.
        for (int number : {SIGTERM, SIGHUP, SIGINT, SIGQUIT})
            std::signal(number, SIG_DFL);
        TestSupport::ScriptedRandom random;
        RecordingLauncher opened;
        auto program = start(home.path(), random, opened);
        MainWindow &window = program->mainWindow();
        Q_EMIT program->game().finished(firstLevelGame(7, training));
        Q_EMIT program->game().finished(firstLevelGame(3, training));
        if (roomAgain)
            QVERIFY(QFile::remove(record));

        // A refused file is said so, and the question comes again.
        Player player(answer, chosen.isEmpty() || chosen == u"SIGTERM"_s ? chosen : file);
        if (!endedBy.isEmpty())
            QTest::ignoreMessage(
                QtWarningMsg, QRegularExpression(u"^Kept 2 unsaved games beside the record, "
                                                 u"in \".*/%1-unsaved-[-0-9]+\\.tsv\", "
                                                 u"as the program ends: %2$"_s.arg(name, endedBy)));
        if (route == u"session"_s)
            QTimer::singleShot(0, qApp, &endSession);
        else if (route == u"signal"_s)
            QTimer::singleShot(0, [exitCode] { ::raise(exitCode - 128); });
        else if (route == u"menu"_s)
            QTimer::singleShot(0, window.findChild<QAction *>(u"MenuExit"_s), &QAction::trigger);
        else
            QTimer::singleShot(0, &window, &QWidget::close);
        QTimer::singleShot(30000, &player, [] { QCoreApplication::exit(1); });
        QCOMPARE(QApplication::exec(), exitCode);
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(player.asked, answer.isEmpty() ? 0 : int(answer.count(u',')) + 1);
        for (const QString &title : player.titles)
            QCOMPARE(title.endsWith(u"тренировки"_s), training);
        QCOMPARE(player.warnings.size(), chosen == u"foreign"_s ? 1 : 0);
        QCOMPARE(gamesIn(record), roomAgain ? 2 : -1);
        if (!roomAgain)
            QCOMPARE(contents(record), notes);
        if (chosen == u"foreign"_s)
            QCOMPARE(contents(file), notes);
        else
            QCOMPARE(QFileInfo::exists(file) ? gamesIn(file) : 0, chosen == u"new"_s      ? 2
                                                                  : chosen == u"record"_s ? 3
                                                                                          : 0);
        const QStringList beside = QDir(folder).entryList({name + u"-unsaved-*"_s});
        QCOMPARE(beside.size(), endedBy.isEmpty() ? 0 : 1);
        if (!endedBy.isEmpty())
            QCOMPARE(gamesIn(folder + u'/' + beside.first()), 2);
        // Staying, the games are still there to be saved.
        if (exitCode == 2) {
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^Kept 2 unsaved games"_s));
            endSession();
        }
    }
};

QTEST_MAIN(TestApplication)
#include "tst_application.moc"
