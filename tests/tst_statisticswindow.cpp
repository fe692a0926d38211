// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Language.h"
#include "ProgramSupport.h"
#include "RecordFile.h"
#include "RecordLine.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#ifdef Q_OS_UNIX
#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;

namespace
{

// One game at level index + 1 with the pictures hidden as `hidden` and guessed as `guessed`.
void play(MainWindow &window, const TestSupport::ScriptedRandom &random, int level,
          const std::array<int, 10> &hidden, const std::array<int, 10> &guessed)
{
    random.hideAll(hidden, (level + 1) * Game::PicturesPerLevel);
    QTest::mouseClick(window.findChild<QPushButton *>(u"kLevel_%1"_s.arg(level)), Qt::LeftButton);
    for (int p : guessed)
        QTest::mouseClick(window.findChild<QPushButton *>(u"Command1_%1"_s.arg(p)), Qt::LeftButton);
    QVERIFY(window.game().score().has_value());
}

// What a screen reader gets for a figure's cell: its name, and its neighbours' headers.
QString spoken(const StatisticsWindow &w, int row, int column)
{
    QAccessibleInterface *table =
        QAccessible::queryAccessibleInterface(w.findChild<QTableWidget *>(u"Figures"_s));
    QAccessibleInterface *cell = table->tableInterface()->cellAt(row, column);
    return cell ? cell->text(QAccessible::Name) : QString();
}

} // namespace

class TestStatisticsWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { Language::install(Language::Choice::Russian); }

    void twoGamesAreKeptShownAndStartedAnew()
    {
        QTemporaryDir home;
        TestSupport::ScriptedRandom random;
        RecordingLauncher opened;
        auto program = start(home.path(), random, opened);
        MainWindow &window = program->mainWindow();
        // 3 right at the first level, 1 at the second.
        play(window, random, 0, {0, 1, 2, 3, 4, 0, 1, 2, 3, 4}, {0, 1, 2, 0, 0, 1, 2, 3, 0, 1});
        play(window, random, 1, {9, 8, 7, 6, 5, 4, 3, 2, 1, 0}, {9, 0, 0, 0, 0, 0, 0, 0, 0, 1});

        StatisticsWindow *statistics = openStatistics(window);
        QVERIFY(statistics);
        QCOMPARE(figure(*statistics, u"Guesses_0"_s), u"20"_s);
        QCOMPARE(figure(*statistics, u"Hits_0"_s), u"4"_s);
        QCOMPARE(figure(*statistics, u"Hits_1"_s), u"3"_s);
        QCOMPARE(figure(*statistics, u"Share_1"_s), u"30%"_s);
        QVERIFY(figure(*statistics, u"Evidence_1"_s).endsWith(u" из нужных 100"_s));
        QCOMPARE(figure(*statistics, u"Chance_2"_s), u"1 из 10"_s);
        QCOMPARE(figure(*statistics, u"Games_3"_s), u"hidden"_s);
        QVERIFY(figure(*statistics, u"Conclusions"_s).contains(u"пока слишком мало игр"_s));
        QVERIFY(!statistics->findChild<QWidget *>(u"Notes"_s)->isVisible());

        // Heard as a dialog; every figure with its meaning, the texts with the keyboard.
        QCOMPARE(QAccessible::queryAccessibleInterface(statistics)->role(), QAccessible::Dialog);
        QCOMPARE(spoken(*statistics, 2, 0), u"Первый уровень, верных ответов: 3"_s);
        // Each figure stands under its own level's header.
        const auto *table = statistics->findChild<QTableWidget *>(u"Figures"_s);
        for (int c = 0; c < table->columnCount(); ++c) {
            const int level =
                table->item(0, c)->data(Qt::UserRole).toString().section(u'_', 1).toInt();
            QCOMPARE(table->horizontalHeaderItem(c)->text().replace(u'\n', u' '),
                     level == Statistics::Total ? u"Всего"_s : Level::name(level));
        }
        QCOMPARE(spoken(*statistics, 0, 3), u"Всего, сыграно игр: 2"_s);
        for (const QString &name : {u"Conclusions"_s, u"ChartDescription"_s}) {
            auto *text = statistics->findChild<QTextEdit *>(name);
            QVERIFY(text->focusPolicy() & Qt::TabFocus);
            QVERIFY(QAccessible::queryAccessibleInterface(text)->textInterface());
        }
        QVERIFY2(figure(*statistics, u"ChartDescription"_s).contains(u"после 1 игры доля"_s),
                 qPrintable(figure(*statistics, u"ChartDescription"_s)));

        QTest::keyClick(statistics, Qt::Key_F1);
        QCOMPARE(opened.calls.size(), std::size_t(1));
        QVERIFY(opened.calls.front().target.endsWith(u"Справка.html"_s));
        const QRect main = window.frameGeometry();
        QVERIFY(qAbs(statistics->frameGeometry().center().x() - main.center().x()) <= 1);

        // Not modal: a game played beside it shows at once.
        play(window, random, 0, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
        QCOMPARE(figure(*statistics, u"Games_0"_s), u"3"_s);
        QCOMPARE(figure(*statistics, u"Hits_0"_s), u"14"_s);

        const QString record = RecordFile::defaultPath();
        QVERIFY(record.startsWith(home.path()));
        QFile file(record);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().count('\n'), 4);

        // Confirmed, the record starts anew; the old one keeps today's date.
        QTimer::singleShot(0, [] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
                box->buttons().first()->click();
        });
        statistics->findChild<QPushButton *>(u"ClearButton"_s)->click();
        QVERIFY(!QFileInfo::exists(record));
        QVERIFY(QFileInfo::exists(QFileInfo(record).path() + u"/games-"_s +
                                  QDate::currentDate().toString(Qt::ISODate) + u".tsv"_s));
        QCOMPARE(figure(*statistics, u"Games_0"_s), u"0"_s);

        QTest::keyClick(statistics, Qt::Key_Escape);
        QTRY_VERIFY(!window.findChild<StatisticsWindow *>());
    }

    // Whatever keeps the record from taking a game, the game ends at once, within a second,
    // and is kept in memory; the statistics count it and say how many games are unsaved and
    // why, and the record is left as it was.
    void unsavedGamesAreCountedAndExplained_data()
    {
        QTest::addColumn<QString>("plant");
        QTest::addColumn<QString>("cause");
        QTest::newRow("neither HOME nor XDG_DATA_HOME")
            << u"homeless"_s << u"Ни HOME, ни XDG_DATA_HOME не задают полный путь"_s;
        QTest::newRow("a file where the folder should be")
            << u"blocked"_s << u"На месте папки данных стоит не папка."_s;
        QTest::newRow("a record a newer version wrote")
            << u"newer"_s << u"сделана более новой версией программы"_s;
#ifdef Q_OS_UNIX
        QTest::newRow("a record held by a stopped copy")
            << u"locked"_s << u"Запись занята другой копией программы"_s;
#endif
    }
    void unsavedGamesAreCountedAndExplained()
    {
        QFETCH(QString, plant);
        QFETCH(QString, cause);
        QTemporaryDir dir;
        const QString rootRecord = u"/.local/share/"_s + QCoreApplication::applicationName();
        const bool existed = QFileInfo::exists(rootRecord);
        const QByteArray home = qgetenv("HOME");
        qint64 holder = 0;
        const auto restore = qScopeGuard([&] {
            qputenv("HOME", home);
#ifdef Q_OS_UNIX
            if (holder > 0) {
                ::kill(pid_t(holder), SIGKILL);
                ::waitpid(pid_t(holder), nullptr, 0);
            }
#endif
        });
        if (plant == u"homeless"_s)
            qunsetenv("HOME");
        // Nothing can be created under a file.
        const QString blocked = dir.filePath(u"blocked"_s);
        TestSupport::writeFile(blocked, {});
        TestSupport::ScriptedRandom random;
        RecordingLauncher opened;
        auto program = start(plant == u"homeless"_s  ? QString()
                             : plant == u"blocked"_s ? blocked
                                                     : dir.path(),
                             random, opened);
        const QString record = plant == u"blocked"_s ? blocked : RecordFile::defaultPath();
        QByteArray kept;
        if (plant == u"newer"_s || plant == u"locked"_s) {
            QVERIFY(QDir().mkpath(QFileInfo(record).path()));
            kept = plant == u"newer"_s ? "#chuikomer-games\t2\n"_ba : RecordLine::header();
            TestSupport::writeFile(record, kept);
        }
#ifdef Q_OS_UNIX
        if (plant == u"locked"_s) {
            // Another copy that took the lock and was stopped, in a debugger say.
            const QByteArray name = QFile::encodeName(record);
            holder = ::fork();
            if (holder == 0) {
                const int fd = ::open(name.constData(), O_RDONLY);
                ::flock(fd, LOCK_EX);
                ::raise(SIGSTOP);
                ::_exit(0);
            }
            int status = 0;
            QCOMPARE(::waitpid(pid_t(holder), &status, WUNTRACED), holder);
            QVERIFY(WIFSTOPPED(status));
        }
#endif
        MainWindow &window = program->mainWindow();
        StatisticsWindow *statistics = openStatistics(window);
        QVERIFY(statistics);
        QElapsedTimer clock;
        clock.start();
        play(window, random, 2, {14, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {14, 1, 1, 1, 1, 1, 1, 1, 1, 1});
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(figure(*statistics, u"Games_3"_s), u"1"_s);
        QCOMPARE(figure(*statistics, u"Hits_3"_s), u"1"_s);
        const QString notes = figure(*statistics, u"Notes"_s);
        const QString unsaved = u"1 игру этого запуска не удалось сохранить"_s;
        QVERIFY2(notes.contains(unsaved) && notes.contains(cause), qPrintable(notes));
        if (plant == u"blocked"_s)
            QVERIFY(notes.contains(blocked));
        QCOMPARE(QFileInfo::exists(rootRecord), existed);
        if (!kept.isEmpty() || plant == u"blocked"_s) {
            QFile file(record);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), kept);
        }
        if (plant != u"locked"_s)
            return;
#ifdef Q_OS_UNIX
        // Let go, the record takes the game kept in memory along with the next.
        ::kill(pid_t(std::exchange(holder, 0)), SIGKILL);
        ::wait(nullptr);
#endif
        play(window, random, 0, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
        QVERIFY(!figure(*statistics, u"Notes"_s).contains(unsaved));
        QCOMPARE(figure(*statistics, u"Games_0"_s), u"2"_s);
        QFile file(record);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().count('\n'), 3);
    }
};

QTEST_MAIN(TestStatisticsWindow)
#include "tst_statisticswindow.moc"
