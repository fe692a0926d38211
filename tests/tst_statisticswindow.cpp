// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ProgramSupport.h"
#include "RecordFile.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

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

    // With no place for the record, the games of the run are kept in memory, and the
    // statistics say why.
    void withNowhereToWriteGamesStayInMemory_data()
    {
        QTest::addColumn<bool>("homeless");
        QTest::addColumn<QString>("note");
        QTest::newRow("neither HOME nor XDG_DATA_HOME")
            << true << u"не заданы ни HOME, ни XDG_DATA_HOME"_s;
        QTest::newRow("a file where the folder should be")
            << false << u"Результаты не сохраняются"_s;
    }
    void withNowhereToWriteGamesStayInMemory()
    {
        QFETCH(bool, homeless);
        QFETCH(QString, note);
        QTemporaryDir dir;
        // Nothing can be created under a file.
        const QString blocked = dir.filePath(u"blocked"_s);
        TestSupport::writeFile(blocked, {});
        const QString rootRecord = u"/.local/share/"_s + QCoreApplication::applicationName();
        const bool existed = QFileInfo::exists(rootRecord);
        const QByteArray home = qgetenv("HOME");
        const auto restore = qScopeGuard([home] { qputenv("HOME", home); });
        if (homeless)
            qunsetenv("HOME");
        TestSupport::ScriptedRandom random;
        RecordingLauncher opened;
        auto program = start(homeless ? QString() : blocked, random, opened);
        MainWindow &window = program->mainWindow();
        // Logged once each, with the path the user cannot see here.
        const QString record = QRegularExpression::escape(blocked);
        if (homeless) {
            QTest::ignoreMessage(QtWarningMsg,
                                 QRegularExpression(u"^Appending to the record \"\" failed: "
                                                    u"neither HOME nor XDG_DATA_HOME is set$"_s));
        } else {
            QTest::ignoreMessage(
                QtWarningMsg, QRegularExpression(
                                  u"^Appending to the record \"%1/.*\" failed: \\w"_s.arg(record)));
            QTest::ignoreMessage(
                QtWarningMsg,
                QRegularExpression(u"^Opening the record \"%1/.*\" failed: \\w"_s.arg(record)));
        }
        StatisticsWindow *statistics = openStatistics(window);
        QVERIFY(statistics);
        play(window, random, 2, {14, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {14, 1, 1, 1, 1, 1, 1, 1, 1, 1});
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(figure(*statistics, u"Games_3"_s), u"1"_s);
        QCOMPARE(figure(*statistics, u"Hits_3"_s), u"1"_s);
        const QString notes = figure(*statistics, u"Notes"_s);
        QVERIFY2(notes.contains(note), qPrintable(notes));
        QVERIFY(notes.contains(homeless ? u"хранятся в памяти"_s : blocked));
        QCOMPARE(QFileInfo::exists(rootRecord), existed);
    }
};

QTEST_MAIN(TestStatisticsWindow)
#include "tst_statisticswindow.moc"
