// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ChartGeometry.h"
#include "GameTexts.h"
#include "Language.h"
#include "ProgramSupport.h"
#include "RecordFile.h"
#include "RecordLine.h"
#include "StatisticsChart.h"
#include "StatisticsSummary.h"
#include "StatisticsTexts.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollArea>
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
void play(Application &program, const TestSupport::ScriptedRandom &random, int level,
          const std::array<int, 10> &hidden, const std::array<int, 10> &guessed)
{
    MainWindow &window = program.mainWindow();
    random.hideAll(hidden, (level + 1) * Level::PicturesEach);
    QTest::mouseClick(window.findChild<QPushButton *>(u"kLevel_%1"_s.arg(level)), Qt::LeftButton);
    for (int p : guessed)
        QTest::mouseClick(window.findChild<QPushButton *>(u"Command1_%1"_s.arg(p)), Qt::LeftButton);
    QVERIFY(program.game().score().has_value());
}

// What a screen reader gets for a figure's cell: its name, and its neighbours' headers.
QString spoken(const StatisticsWindow &w, int row, int column)
{
    QAccessibleInterface *table =
        QAccessible::queryAccessibleInterface(w.findChild<QTableWidget *>(u"Figures"_s));
    QAccessibleInterface *cell = table->tableInterface()->cellAt(row, column);
    return cell ? cell->text(QAccessible::Name) : QString();
}

// A number as the window writes it in Russian.
double number(const QString &text)
{
    return QString(text).replace(u',', u'.').toDouble();
}

// The evidence's number of times is the figure cut down to the digits shown, never rounded
// up, and its gauge is full toward one end or the other: both reach the point where the verdict
// changes exactly when it has, the gauge stopping a pixel or more of its 84 short until then.
bool evidenceShownRight(QString evidence, const Statistics &s, Statistics::Line level)
{
    static const QRegularExpression times(u"в ([\\d ,]+) раз"_s);
    const QRegularExpressionMatch m = times.match(evidence.replace(u'\u00a0', u' '));
    const double figure = s.evidence(level);
    const double ratio = figure >= 1 ? figure : 1 / figure;
    const bool changed = s.finding(level) != Statistics::Finding::TooEarly;
    const double at = StatisticsSummary::gauge(figure, s.finding(level));
    if ((changed ? qAbs(at) != 1 : qAbs(at) >= 0.99) || (at > 0) != (figure >= 1))
        return false;
    const double cut = number(m.captured(1).remove(u' '));
    const double step = m.captured(1).contains(u',') ? 0.1 : 1;
    const double threshold = figure >= 1 ? Evidence::Needed : Evidence::LuckEnough;
    return !m.hasMatch() ||
           (cut <= ratio + 1e-9 && cut > ratio - step - 1e-9 && (cut >= threshold) == changed);
}

int words(const QStringList &texts)
{
    static const QRegularExpression word(u"\\w+"_s, QRegularExpression::UseUnicodePropertiesOption);
    int n = 0;
    for (const QString &t : texts)
        for (auto it = word.globalMatch(t); it.hasNext(); it.next())
            ++n;
    return n;
}

} // namespace

class TestStatisticsWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { Language::install(Language::Choice::Russian); }

    // The window at a glance, for the records players know: what it says and how, its size,
    // its place, and what a screen reader hears first.
    void windowShowsWhatItHolds_data()
    {
        QTest::addColumn<Statistics>("statistics");
        // Each line's verdict, levels first, then the total.
        QTest::addColumn<QStringList>("verdicts");
        QTest::addColumn<QString>("detail");
        QTest::newRow("0 games") << Statistics() << QStringList() << QString();
        Statistics apart;
        TestSupport::addGames(apart, 1, 30, 90);
        TestSupport::addGames(apart, 2, 200, 200);
        TestSupport::addGames(apart, 3, 300, 200);
        const QString why = u"Всего складывает все уровни, поэтому может расходиться с отдельным "
                            "уровнем."_s;
        QTest::newRow("a level stands out, the total does not")
            << apart
            << QStringList{u"выделяется — верных больше, чем наугад"_s, u"в пределах везения"_s,
                           u"в пределах везения"_s, u"в пределах везения"_s}
            << why;
        Statistics five;
        TestSupport::addGames(five, 1, 3, 6);
        TestSupport::addGames(five, 2, 1, 2);
        TestSupport::addGames(five, 3, 1, 1);
        const QString tooEarly = u"мало игр, чтобы судить"_s;
        QTest::newRow("5 games") << five << QStringList{tooEarly, tooEarly, tooEarly, tooEarly}
                                 << u"Сыграно 5 игр."_s;
        Statistics many;
        TestSupport::addGames(many, 1, 100, 300);
        TestSupport::addGames(many, 2, 100, 100);
        TestSupport::addGames(many, 3, 100, 67);
        const QString out = u"выделяется — верных больше, чем наугад"_s;
        const QString luck = u"в пределах везения"_s;
        // A share below ten per cent keeps its decimal.
        QTest::newRow("300 games") << many << QStringList{out, luck, luck, out}
                                   << u"100 игр: 6,7 % верных, наугад 6,7 %"_s;
        Statistics third;
        TestSupport::addGames(third, 3, 30, 60);
        // Side by side in the same unit: a decimal for both where one needs it.
        QTest::newRow("level 3 ahead")
            << third << QStringList{out} << u"30 игр: 20,0 % верных, наугад 6,7 %"_s;
        Statistics edge;
        TestSupport::addGames(edge, 1, 21, 64);
        // 99.5 and more is not 100 while the verdict has not changed.
        QTest::newRow("rounding") << edge << QStringList{tooEarly}
                                  << u"Чутьё объясняет ответы в 99 раз лучше везения"_s;
    }
    void windowShowsWhatItHolds()
    {
        QFETCH(Statistics, statistics);
        QFETCH(QStringList, verdicts);
        QFETCH(QString, detail);
        QWidget main;
        main.setGeometry(20, 40, 650, 330);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        auto *w = new StatisticsWindow(&main);
        const auto closing = qScopeGuard([w] { delete w; });
        w->setStatistics(statistics);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        const int games = statistics.games(Statistics::Total);
        auto *summary = w->findChild<StatisticsSummary *>(u"Summary"_s);
        auto *chart = w->findChild<StatisticsChart *>(u"StatisticsChart"_s);
        auto *table = w->findChild<QTableWidget *>(u"Figures"_s);
        auto *notes = w->findChild<QLabel *>(u"Notes"_s);
        auto *clear = w->findChild<QPushButton *>(u"ClearButton"_s);

        // Each line's verdict in order, and the numbers beside it.
        QStringList prose = notes->isVisible() ? QStringList{notes->text()} : QStringList();
        if (summary->isVisible())
            prose << summary->texts();
        if (chart->isVisible())
            prose << chart->texts();
        QStringList shown = summary->isVisible() ? summary->texts() : QStringList();
        shown.replaceInStrings(u"\u00a0"_s, u" "_s);
        for (int i = 0; i < verdicts.size(); ++i)
            QVERIFY2(shown.value(1 + 3 * i).contains(u": "_s + verdicts[i]),
                     qPrintable(shown.value(1 + 3 * i)));
        // The games, each line's three parts, why the total differs where it does, the guarantee.
        const bool differs = shown.contains(
            u"Всего складывает все уровни, поэтому может расходиться с отдельным уровнем."_s);
        QCOMPARE(shown.size(), games > 0 ? 2 + 3 * verdicts.size() + differs : 0);
        if (!detail.isEmpty())
            QVERIFY2(shown.contains(detail), qPrintable(shown.join(u" | "_s)));
        // The evidence is cut down, never rounded up, so that the point where a verdict changes
        // is not shown before it has.
        const std::vector<Statistics::Line> lines = statistics.linesShown();
        for (int i = 0; i < verdicts.size(); ++i)
            QVERIFY2(evidenceShownRight(shown.value(3 + 3 * i), statistics, lines[std::size_t(i)]),
                     qPrintable(shown.value(3 + 3 * i)));
        QCOMPARE(prose.join(u'\n').count(u"не чаще чем в 1 случае из 100"_s), games > 0 ? 1 : 0);
        qInfo("%d words of prose", words(prose));
        if (games == 300)
            QVERIFY(words(prose) <= 140);

        // Heard on opening, in reading order: the games, then every line.
        if (games > 0) {
            QCOMPARE(QApplication::focusWidget(), summary);
            QAccessibleInterface *heard = QAccessible::queryAccessibleInterface(summary);
            QCOMPARE(heard->text(QAccessible::Name), summary->texts().first());
            QCOMPARE(heard->text(QAccessible::Description), summary->texts().mid(1).join(u'\n'));
            QVERIFY(shown.first().contains(QRegularExpression(u"^Сыгран[оа] %1 игр"_s.arg(games))));
            // The table's first Down reads its first row.
            table->setFocus();
            QTest::keyClick(table, Qt::Key_Down);
            QCOMPARE(table->currentIndex().row(), 0);
        } else {
            QCOMPARE(notes->text(), u"Игр пока нет: сыграйте, и результаты появятся здесь."_s);
            QVERIFY(!summary->isVisible() && !chart->isVisible() && !table->isVisible());
        }
        QCOMPARE(clear->isEnabled(), games > 0);

        // The chart's words give the numbers of its picture, where each line ends.
        static const QRegularExpression ends(
            u"^(.+): после (\\d+) игр\\S* доля верных ([\\d,]+).%, наугад ([\\d,]+).%, полоса "
            "везения от ([\\d,]+).% (?:до ([\\d,]+).%|и выше)\\.$"_s);
        // A line from the second game on.
        std::vector<Level> charted;
        for (Level level : statistics.levelsPlayed())
            if (statistics.games(level) > 1)
                charted.push_back(level);
        QCOMPARE(chart->isVisible(), !charted.empty());
        int described = 0;
        for (const QString &line : chart->accessibleDescription().split(u'\n')) {
            const QRegularExpressionMatch m = ends.match(line);
            if (!m.hasMatch())
                continue;
            ++described;
            const Level level = charted[std::size_t(described - 1)];
            QCOMPARE(m.captured(1), GameTexts::levelName(level));
            QCOMPARE(m.captured(2).toInt(), statistics.games(level));
            const ChartGeometry *g = chart->geometry(level);
            QVERIFY(g);
            const qsizetype half = g->band.size() / 2;
            const auto near = [](const QString &text, double share) {
                const int decimals = int(text.section(u',', 1).size());
                return qAbs(number(text) - share * 100) <= 0.5 * std::pow(10, -decimals) + 1e-9;
            };
            QVERIFY2(near(m.captured(3), g->share(g->series.last().y())), qPrintable(line));
            QVERIFY2(near(m.captured(4), g->share(g->chanceLine.y2())), qPrintable(line));
            QVERIFY2(near(m.captured(5), g->share(g->band[half].y())), qPrintable(line));
            if (m.captured(6).isEmpty())
                QVERIFY(g->share(g->band[half - 1].y()) >= g->top - 1e-9);
            else
                QVERIFY2(near(m.captured(6), g->share(g->band[half - 1].y())), qPrintable(line));
        }
        QCOMPARE(described, int(charted.size()));

        // Whole on the screen, the verdicts in sight without scrolling, beside the main window
        // where there is room.
        const QRect area = w->screen()->availableGeometry();
        QTRY_VERIFY(area.contains(w->frameGeometry()));
        const QWidget *viewport = w->findChild<QScrollArea *>(u"StatisticsScroll"_s)->viewport();
        if (games > 0) {
            const QRect verdictsAt(summary->mapTo(viewport, QPoint()), summary->size());
            QVERIFY2(viewport->rect().contains(verdictsAt),
                     qPrintable(u"%1 in %2"_s.arg(verdictsAt.bottom()).arg(viewport->height())));
        }
        if (main.frameGeometry().right() + w->frameGeometry().width() <= area.right())
            QCOMPARE(w->frameGeometry().left(), main.frameGeometry().right() + 1);

        // Sized by its content: a fresh start leaves the window as small as an empty one.
        const int height = w->height();
        w->setStatistics(Statistics());
        QVERIFY(games == 0 ? w->height() == height : w->height() < height);
        QVERIFY(!clear->isEnabled());
    }

    void evidenceIsCutTowardTheVerdict()
    {
        for (int games = 2; games <= 90; ++games)
            for (int share : {1, 2, 3, 4}) {
                Statistics s;
                TestSupport::addGames(s, 1, games, games * share);
                const Level first = TestSupport::level(1);
                QVERIFY2(evidenceShownRight(StatisticsTexts::evidence(s, first), s, first),
                         qPrintable(StatisticsTexts::evidence(s, first)));
            }
    }

    void twoGamesAreKeptShownAndStartedAnew()
    {
        QTemporaryDir home;
        TestSupport::ScriptedRandom random;
        RecordingLauncher opened;
        auto program = start(home.path(), random, opened);
        MainWindow &window = program->mainWindow();
        // 3 right at the first level, 1 at the second.
        play(*program, random, 0, {0, 1, 2, 3, 4, 0, 1, 2, 3, 4}, {0, 1, 2, 0, 0, 1, 2, 3, 0, 1});
        play(*program, random, 1, {9, 8, 7, 6, 5, 4, 3, 2, 1, 0}, {9, 0, 0, 0, 0, 0, 0, 0, 0, 1});

        StatisticsWindow *statistics = openStatistics(window);
        QVERIFY(statistics);
        QCOMPARE(figure(*statistics, u"Guesses_0"_s), u"20"_s);
        QCOMPARE(figure(*statistics, u"Hits_0"_s), u"4"_s);
        QCOMPARE(figure(*statistics, u"Hits_1"_s), u"3"_s);
        QCOMPARE(figure(*statistics, u"Share_1"_s), u"30 %"_s);
        QCOMPARE(figure(*statistics, u"Chance_2"_s), u"10 %"_s);
        QCOMPARE(figure(*statistics, u"Games_3"_s), u"hidden"_s);
        QVERIFY(statistics->findChild<StatisticsSummary *>()->texts().contains(
            u"Первый уровень: мало игр, чтобы судить"_s));
        QVERIFY(!statistics->findChild<QWidget *>(u"Notes"_s)->isVisible());

        // Heard as a dialog; every figure with its meaning, the texts with the keyboard.
        QCOMPARE(QAccessible::queryAccessibleInterface(statistics)->role(), QAccessible::Dialog);
        QCOMPARE(spoken(*statistics, 2, 0), u"Первый уровень, верных ответов: 3"_s);
        // Each figure stands under its own level's header.
        const auto *table = statistics->findChild<QTableWidget *>(u"Figures"_s);
        for (int c = 0; c < table->columnCount(); ++c) {
            const auto level = Level::numbered(
                table->item(0, c)->data(Qt::UserRole).toString().section(u'_', 1).toInt());
            QCOMPARE(table->horizontalHeaderItem(c)->text().replace(u'\n', u' '),
                     level ? GameTexts::levelName(*level) : u"Всего"_s);
        }
        QCOMPARE(spoken(*statistics, 0, 3), u"Всего, сыграно игр: 2"_s);
        // No chart while no level has a line.
        auto *chart = statistics->findChild<StatisticsChart *>();
        QVERIFY(!chart->isVisible());

        QTest::keyClick(statistics, Qt::Key_F1);
        QCOMPARE(opened.calls.size(), std::size_t(1));
        QVERIFY(opened.calls.front().target.endsWith(u"Справка.html"_s));

        // Not modal: a game played beside it shows at once.
        play(*program, random, 0, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
        QCOMPARE(figure(*statistics, u"Games_0"_s), u"3"_s);
        QCOMPARE(figure(*statistics, u"Hits_0"_s), u"14"_s);
        // The chart is reached with Tab, and tells what it shows.
        QVERIFY(chart->isVisible());
        QVERIFY(chart->focusPolicy() & Qt::TabFocus);
        QVERIFY2(chart->accessibleDescription().contains(u"Первый уровень: после 2 игр доля"_s),
                 qPrintable(chart->accessibleDescription()));

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
        QVERIFY(figure(*statistics, u"Notes"_s).startsWith(u"Игр пока нет"_s));

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
        play(*program, random, 2, {14, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {14, 1, 1, 1, 1, 1, 1, 1, 1, 1});
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
        play(*program, random, 0, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
        QVERIFY(!figure(*statistics, u"Notes"_s).contains(unsaved));
        QCOMPARE(figure(*statistics, u"Games_0"_s), u"2"_s);
        QFile file(record);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().count('\n'), 3);
    }
};

QTEST_MAIN(TestStatisticsWindow)
#include "tst_statisticswindow.moc"
