// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ChartGeometry.h"
#include "GameTexts.h"
#include "Language.h"
#include "ProgramSupport.h"
#include "RecordFile.h"
#include "RecordLine.h"
#include "RecordNotes.h"
#include "StatisticsChart.h"
#include "StatisticsSummary.h"
#include "StatisticsTexts.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QHelpEvent>
#include <QLocale>
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
#include <QToolTip>
#include <set>

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

// What a line's sentences say of an open question: "станет ясно, что …" with its side, that it
// may not settle, that it will not soon, or nothing.
QString toldOf(const QString &text, bool strength)
{
    const QString side = strength ? text.section(u"ясно, что "_s, 1) : text;
    if (text.contains(u"может и не проясниться"_s) || text.contains(u"может так и не"_s))
        return u"may not"_s;
    if (text.contains(u"не прояснится и за"_s) || text.contains(u"не отличится и за"_s))
        return u"not soon"_s;
    if (!text.contains(u"станет ясно, что"_s))
        return {};
    if (strength)
        return side.startsWith(u"чутьё сильное"_s) || side.startsWith(u"оно есть"_s) ? u"above"_s
                                                                                     : u"below"_s;
    return text.contains(u"что чутьё есть"_s) ? u"above"_s : u"below"_s;
}

// Where the headline, the drawn range, its tool tip, the table and the chart's words put a
// level's share, range and chance disagrees with its verdict, or rounds the range inward, or
// where the next steps say a question is open, settled or how it will settle otherwise than it
// stands: what and where; empty when all agree.
QString disagreement(const Statistics &s, Level level, StatisticsChart &chart)
{
    using Finding = Statistics::Finding;
    const StatisticsTexts::Facts facts = StatisticsTexts::facts(s, level);
    const Finding f = facts.finding;
    const QString numbers = StatisticsTexts::numbers(facts).remove(u'\u2060');
    static const QRegularExpression headline(
        u"^.+ игр\\S*: верных ([\\d,]+).%, диапазон ([\\d,]+)–([\\d,]+).%, наугад "
        "([\\d,]+).%$"_s);
    const QRegularExpressionMatch m = headline.match(numbers);
    if (!m.hasMatch())
        return numbers;
    const double share = number(m.captured(1)), low = number(m.captured(2)),
                 high = number(m.captured(3)), chance = number(m.captured(4));
    const double strong = Statistics::strongShare(level) * 100;
    const Evidence::Range r = s.range(level);
    // Outward, but for two steps at the third decimal that keep it on the verdict's side.
    if (low > r.low * 100 + 2e-3 + 1e-9 || high < r.high * 100 - 2e-3 - 1e-9)
        return u"inward: "_s + numbers;
    using Strength = Statistics::Strength;
    const Strength power = s.strength(level);
    if (!(low <= share && share <= high) || (low > chance) != (f == Finding::StandsOut) ||
        (high < chance) != (f == Finding::BelowLuck) ||
        (high < strong) != (power == Strength::NotStrong) ||
        (low > strong) != (power == Strength::Strong))
        return u"headline: "_s + numbers;
    // The strength's bound is the range's end as the headline has it.
    const QString told = StatisticsTexts::detail(facts);
    if ((power == Strength::NotStrong && !told.contains(u"не больше "_s + m.captured(3))) ||
        (power == Strength::Strong && !told.contains(u"не меньше "_s + m.captured(2))))
        return u"strength: "_s + told;
    // Each open question told which way it will settle, that it may not exactly at its
    // threshold, and none once settled.
    const QString action = StatisticsTexts::action(facts);
    const double exact = double(s.hits(level)) / double(s.guesses(level));
    const auto side = [&](double threshold) {
        return std::abs(exact - threshold) < 1e-12 ? u"may not"_s
               : exact > threshold                 ? u"above"_s
                                                   : u"below"_s;
    };
    const bool chanceOpen = f == Finding::Unclear || f == Finding::NoStrongEdge;
    const QString chanceTold = toldOf(action.section(u". "_s, 0, 0), false);
    if (chanceOpen && chanceTold != side(level.chance()) && chanceTold != u"not soon"_s &&
        !action.startsWith(u"Узнавать здесь больше нечего"_s))
        return u"first question: "_s + action;
    const QString strengthTold =
        toldOf(power != Strength::Unknown ? QString()
               : action.contains(u"чутьё сильное"_s) || action.contains(u"сильного чутья"_s) ||
                       action.contains(u"Сильное ли"_s)
                   ? action.section(u". "_s, -1)
                   : told,
               true);
    if ((power == Strength::Unknown) != (strengthTold == side(Statistics::strongShare(level)) ||
                                         strengthTold == u"not soon"_s) ||
        action.contains(u"уже установлено"_s) != (!chanceOpen && power != Strength::Unknown))
        return u"next step: "_s + action + u" / "_s + told;
    const StatisticsTexts::Shown &shown = facts.shown;
    for (int width : {100, 168}) {
        const StatisticsSummary::Marks k = StatisticsSummary::marks(shown, f, width, 1.0);
        if ((k.low > k.chance) != (f == Finding::StandsOut) ||
            (k.high < k.chance) != (f == Finding::BelowLuck) ||
            (k.high < k.strong) != (power == Strength::NotStrong) ||
            (k.low > k.strong) != (power == Strength::Strong) || k.share < k.low ||
            k.share > k.high || k.low < 0 || k.high >= width)
            return u"drawn at %1: %2 %3 %4 %5"_s.arg(width).arg(k.low).arg(k.share).arg(k.high).arg(
                k.chance);
    }
    const QString tip = StatisticsTexts::rangeTip(facts);
    for (int i = 1; i <= 4; ++i)
        if (!tip.contains(m.captured(i)))
            return u"tip: "_s + tip;
    if (StatisticsTexts::range(facts).remove(u'\u2060') !=
        m.captured(2) + u"–"_s + m.captured(3) + u"\u00a0%"_s)
        return u"table: "_s + StatisticsTexts::range(facts);
    // The chart's words where the line ends: outside the band exactly as the verdict says.
    chart.setStatistics(&s);
    static const QRegularExpression ends(
        u"доля верных ([\\d,]+).%, наугад [\\d,]+.%, коридор "
        "угадывающего наугад от ([\\d,]+).% (?:до ([\\d,]+).%|и выше)"_s);
    const QString said = chart.accessibleDescription();
    const QRegularExpressionMatch c = ends.match(said);
    if (s.games(level) > 1 &&
        (!c.hasMatch() ||
         (!c.captured(3).isEmpty() &&
          (number(c.captured(1)) > number(c.captured(3))) != (f == Finding::StandsOut)) ||
         (number(c.captured(1)) < number(c.captured(2))) != (f == Finding::BelowLuck)))
        return u"chart: "_s + said;
    return {};
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

    // Counts as an estimate says them, and pronouns as the games they stand for.
    void countsAndPronounsAsSaid_data()
    {
        QTest::addColumn<int>("games");
        QTest::addColumn<qint64>("roughly");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QString>("question");
        QTest::newRow("1") << 1 << qint64(1) << u"она хранится"_s << u"Сохранить её"_s;
        QTest::newRow("13") << 13 << qint64(15) << u"они хранятся"_s << u"Сохранить их"_s;
        QTest::newRow("21") << 21 << qint64(20) << u"они хранятся"_s << u"Сохранить их"_s;
        QTest::newRow("148") << 148 << qint64(150) << u"они хранятся"_s << u"Сохранить их"_s;
        QTest::newRow("2857") << 2857 << qint64(2900) << u"они хранятся"_s << u"Сохранить их"_s;
    }
    void countsAndPronounsAsSaid()
    {
        QFETCH(int, games);
        QFETCH(qint64, roughly);
        QFETCH(QString, kept);
        QFETCH(QString, question);
        QCOMPARE(StatisticsTexts::roughly(games), roughly);
        RecordState state;
        state.unsaved = games;
        state.notSaved = {RecordProblem::NoSpace, 0};
        QVERIFY2(RecordNotes::notes(state).join(u' ').contains(kept), qPrintable(kept));
        QVERIFY(RecordNotes::unsavedAtExit(state).contains(question));
    }

    // The window at a glance, for the records players know: what it says and how, its size,
    // its place, and what a screen reader hears first.
    void windowShowsWhatItHolds_data()
    {
        QTest::addColumn<Statistics>("statistics");
        // Each line's verdict, levels first, then the total.
        QTest::addColumn<QStringList>("verdicts");
        // Texts the window shows among others.
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("0 games") << Statistics() << QStringList() << QStringList();
        const QString out = u"выделяется — верных больше, чем наугад"_s;
        const QString apartFromLuck = u"от угадывания наугад пока не отличить"_s;
        const QString never = u"от угадывания наугад не отличить"_s;
        const QString together = u"все уровни вместе от угадывания наугад не отличить"_s;
        const QString noStrong = u"от угадывания наугад не отличить, сильного чутья нет"_s;
        Statistics apart;
        TestSupport::addGames(apart, 1, 30, 90);
        TestSupport::addGames(apart, 2, 200, 200);
        TestSupport::addGames(apart, 3, 300, 200);
        QTest::newRow("a level stands out, the total does not")
            << apart << QStringList{out, noStrong, noStrong, together}
            << QStringList{u"Всего — ответы всех уровней вместе: разница одного уровня среди "
                           "остальных может теряться."_s,
                           u"Сильное ли чутьё, при такой доле может и не проясниться."_s,
                           u"Узнавать здесь больше нечего: ваша доля верных — не больше 12,7 %."_s};
        Statistics five;
        TestSupport::addGames(five, 1, 3, 6);
        TestSupport::addGames(five, 2, 1, 2);
        TestSupport::addGames(five, 3, 1, 1);
        QTest::newRow("5 games")
            << five << QStringList{never, apartFromLuck, apartFromLuck, together}
            << QStringList{u"Сыграно 5 игр."_s,
                           u"3 игры: верных 20,0 %, диапазон 1,7–53,1 %, наугад 20,0 %"_s,
                           u"При такой доле от угадывания наугад может так и не отличиться. "
                           "Сыграйте ещё около 20 игр: при такой доле за это время в половине "
                           "случаев станет ясно, что сильного чутья нет."_s};
        Statistics many;
        TestSupport::addGames(many, 1, 100, 300);
        TestSupport::addGames(many, 2, 100, 100);
        TestSupport::addGames(many, 3, 100, 67);
        // The strong share is 10 % at the third level: two decimals keep the bound below it,
        // and every number in the window has them.
        QTest::newRow("300 games")
            << many << QStringList{out, noStrong, noStrong, out}
            << QStringList{u"100 игр: верных 30,00 %, диапазон 24,78–35,59 %, наугад 20,00 %"_s,
                           u"Сильное чутьё (порог 10,00 %): нет — вероятно, не больше 9,94 %."_s,
                           u"300 игр: верных 15,57 %, наугад 12,22 % — в среднем по вашим "
                           "уровням"_s};
        Statistics third;
        TestSupport::addGames(third, 3, 30, 60);
        QTest::newRow("level 3 ahead")
            << third << QStringList{out}
            << QStringList{u"30 игр: верных 20,0 %, диапазон 12,5–29,1 %, наугад 6,7 %"_s,
                           u"Сильное чутьё (порог 10,0 %): есть — вероятно, не меньше 12,5 %."_s,
                           u"Это уже установлено: чутьё есть, и оно сильное."_s};
        Statistics edge;
        TestSupport::addGames(edge, 1, 21, 64);
        QTest::newRow("21 games, 64 right")
            << edge << QStringList{apartFromLuck}
            << QStringList{u"Сыграна 21 игра."_s,
                           u"Сыграйте ещё около 1 игры: при такой доле за это время в половине "
                           "случаев станет ясно, что чутьё есть."_s,
                           u"21 игра: верных 30,5 %, диапазон 19,9–42,5 %, наугад 20,0 %"_s,
                           u"Сильное чутьё (порог 30,0 %): пока не ясно; при такой доле, скорее "
                           "всего, не прояснится и за 2 000 игр."_s};
        Statistics sixteen;
        TestSupport::addGames(sixteen, 2, 25, 40);
        QTest::newRow("16% at level 2 after 25 games")
            << sixteen << QStringList{apartFromLuck}
            << QStringList{u"Сильное чутьё (порог 15 %): пока не ясно; при такой доле в половине "
                           "случаев примерно через 1 800 игр станет ясно, что оно есть."_s};
        Statistics near;
        TestSupport::addGames(near, 1, 300, 870);
        QTest::newRow("29% at level 1 after 300 games")
            << near << QStringList{out}
            << QStringList{u"Сильное ли чутьё, при такой доле, скорее всего, не прояснится и за "
                           "2 000 игр."_s};
        Statistics atChance;
        TestSupport::addGames(atChance, 1, 2000, 4000);
        QTest::newRow("at chance over 2000 games")
            << atChance << QStringList{noStrong}
            << QStringList{u"Узнавать здесь больше нечего: ваша доля верных — не больше 22 %."_s};
        Statistics slight;
        TestSupport::addGames(slight, 1, 20, 41);
        QTest::newRow("a slight edge that 2000 games do not tell")
            << slight << QStringList{never} << QStringList{};
        Statistics undecided;
        TestSupport::addGames(undecided, 1, 60, 180);
        TestSupport::addGames(undecided, 2, 240, 240);
        QTest::newRow("300 games, undecided in total")
            << undecided << QStringList{out, noStrong, together}
            << QStringList{u"300 игр: верных 14 %, наугад 12 % — в среднем по вашим уровням"_s};
    }

    void windowShowsWhatItHolds()
    {
        QFETCH(Statistics, statistics);
        QFETCH(QStringList, verdicts);
        QFETCH(QStringList, texts);
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
        shown.replaceInStrings(u"\u00a0"_s, u" "_s).replaceInStrings(u"\u2060"_s, QString());
        // The games first; each line's verdict and numbers in order, what follows from it where
        // anything does, why the total differs where it does; the guarantee last.
        const std::vector<Statistics::Line> lines = statistics.linesShown();
        const std::vector<StatisticsTexts::Facts> facts = StatisticsTexts::lines(statistics);
        qsizetype at = 1;
        for (int i = 0; i < verdicts.size(); ++i) {
            const StatisticsTexts::Facts &line = facts[std::size_t(i)];
            // The legend under the last level's range; a level's next step after its verdict.
            if (!line.line && i > 0)
                QCOMPARE(shown.value(at++), StatisticsSummary::legend().join(u", "_s));
            const QString name = StatisticsTexts::lineName(lines[std::size_t(i)]);
            QVERIFY2(shown.value(at).startsWith(name + u": "_s + verdicts[i]),
                     qPrintable(shown.value(at)));
            if (line.line)
                QCOMPARE(shown.value(++at), StatisticsTexts::action(line).replace(u'\u00a0', u' '));
            QVERIFY(shown.value(at + 1).contains(u" игр"_s));
            at += 2;
            if (!StatisticsTexts::detail(line).isEmpty())
                ++at;
        }
        if (!facts.empty() && facts.back().line)
            ++at;
        if (!StatisticsTexts::totalDiffers(facts).isEmpty())
            ++at;
        QCOMPARE(shown.size(), games > 0 ? at + 1 : 0);
        for (const QString &text : texts)
            QVERIFY2(shown.contains(text), qPrintable(text + u"\n in \n"_s + shown.join(u'\n')));
        // Promised once, for every level.
        QCOMPARE(prose.join(u'\n').count(u"На каждом уровне ваша настоящая доля"_s),
                 games > 0 ? 1 : 0);
        qInfo("%d words of prose", words(prose));
        // A next step for every level adds a line to each.
        if (games == 300)
            QVERIFY(words(prose) <= 200);

        // Over each level's range, how to read it, with its numbers.
        QSet<QString> tips;
        for (int y = 0; y < summary->height(); y += 3) {
            QHelpEvent over(QEvent::ToolTip, QPoint(60, y), summary->mapToGlobal(QPoint(60, y)));
            QApplication::sendEvent(summary, &over);
            tips << QToolTip::text();
        }
        for (const StatisticsTexts::Facts &line : facts)
            if (line.line)
                QVERIFY2(tips.contains(StatisticsTexts::rangeTip(line)),
                         qPrintable(StatisticsTexts::rangeTip(line)));
        QToolTip::hideText();

        // Heard on opening, in reading order: the games, then every line.
        if (games > 0) {
            QCOMPARE(QApplication::focusWidget(), summary);
            QAccessibleInterface *heard = QAccessible::queryAccessibleInterface(summary);
            QCOMPARE(heard->text(QAccessible::Name), summary->texts().first());
            QCOMPARE(heard->text(QAccessible::Description), summary->texts().mid(1).join(u'\n'));
            QVERIFY(shown.first().contains(QRegularExpression(
                u"^Сыгран[оа] %1 игр"_s.arg(QLocale().toString(games).replace(u'\u00a0', u' ')))));
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
            u"^(.+): после ([\\d\u00a0]+) игр\\S* доля верных ([\\d,]+).%, наугад ([\\d,]+).%, "
            u"коридор "
            "угадывающего наугад от ([\\d,]+).% (?:до ([\\d,]+).%|и выше)\\.$"_s);
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
            QCOMPARE(m.captured(2).remove(QChar::Nbsp).toInt(), statistics.games(level));
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
        // All of the summary in sight where the screen has room for it; else from its top, in a
        // window that reaches down to the screen's bottom.
        if (games > 0) {
            const QRect verdictsAt(summary->mapTo(viewport, QPoint()), summary->size());
            QVERIFY(verdictsAt.top() == 0);
            QVERIFY2(viewport->rect().contains(verdictsAt) ||
                         w->frameGeometry().bottom() >= area.bottom() - 2,
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

    // For every number of games up to 2,000 at each level and every count next to a point
    // where the verdict changes, every figure shown and said stands where the verdict puts it.
    void everyFigureSidesWithTheVerdict_data()
    {
        QTest::addColumn<int>("level");
        for (int level = 1; level <= Level::Count; ++level)
            QTest::addRow("level %d", level) << level;
    }
    void everyFigureSidesWithTheVerdict()
    {
        QFETCH(int, level);
        const Level at = TestSupport::level(level);
        StatisticsChart chart;
        chart.resize(StatisticsSummary::PreferredWidth, 400);
        Evidence::Edges chance, strong;
        int checked = 0;
        for (qint64 games = 1; games <= 2000; ++games) {
            const qint64 guesses = games * Game::Attempts;
            chance = Evidence::edges(guesses, at.chance(), chance);
            strong = Evidence::edges(guesses, Statistics::strongShare(at), strong);
            std::set<qint64> counts;
            // Either side of each edge of the chance's and of the strong share's.
            for (const std::optional<qint64> &edge :
                 {chance.above, chance.below, strong.above, strong.below})
                if (edge)
                    counts.insert({*edge - 1, *edge, *edge + 1});
            for (qint64 hits : counts) {
                if (hits < 0 || hits > guesses)
                    continue;
                Statistics s;
                TestSupport::addGames(s, level, int(games), int(hits));
                const QString wrong = disagreement(s, at, chart);
                QVERIFY2(wrong.isEmpty(),
                         qPrintable(u"%1 games, %2 right: "_s.arg(games).arg(hits) + wrong));
                ++checked;
            }
        }
        QVERIFY(checked > 4000);
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
            u"Первый уровень: от угадывания наугад пока не отличить"_s));
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
            kept = plant == u"newer"_s ? "#chuikomer-games\t4\n"_ba : RecordLine::header();
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
        // The game's end gives up on the stopped copy's lock rather than waiting for it; a busy
        // machine may take a second or more over the brief wait itself.
        QVERIFY2(clock.elapsed() < 10000, qPrintable(QString::number(clock.elapsed())));
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
