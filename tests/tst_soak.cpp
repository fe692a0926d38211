// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LoggedGame.h"
#include "ProgramSupport.h"
#include "RecordLine.h"
#include "SessionManager.h"

#include <QApplication>
#include <QDirIterator>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <random>
#include <sys/resource.h>

namespace
{

// What is wrong with the board after any event, if anything: the attempts before the current
// one guessed, the current one open, none after it begun; after the tenth guess every hidden
// picture revealed and exactly the misses struck; only pictures the level offers.
QString fault(const Board &board, const Game &game)
{
    const bool over = game.score().has_value();
    const auto offered = [&](int p) { return game.offers(p); };
    for (int n = 1; n <= GameSize::Attempts; ++n) {
        const Board::Cell &cell = board.cell(n);
        const bool answered = over || n < game.attempt();
        const auto wrong = [n](const char *what) {
            return u"cell %1: "_s.arg(n) + QLatin1StringView(what);
        };
        if (cell.begun != (answered || n == game.attempt()))
            return wrong("begun out of turn");
        if (!cell.begun)
            continue;
        if (!offered(cell.hidden))
            return wrong("hides a picture not offered");
        if (answered ? !offered(cell.guessed) : cell.guessed != Board::NoPicture)
            return wrong("guess out of turn or not offered");
        if (cell.revealed != over || cell.struck != (over && cell.hidden != cell.guessed))
            return wrong("revealed or struck out of turn");
    }
    return {};
}

SessionManager manager;

// What the log says became of the games in memory at the end: kept beside the record, or lost.
int keptBeside = 0;
int toldLost = 0;
QtMessageHandler otherMessages = nullptr;

void countEndings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    static const QRegularExpression kept(u"^Kept (\\d+) unsaved"_s);
    static const QRegularExpression lost(u"^(\\d+) unsaved games could not be written"_s);
    if (qstrcmp(context.category, "chuikomer.record") != 0)
        return otherMessages(type, context, message);
    keptBeside += kept.match(message).captured(1).toInt();
    toldLost += lost.match(message).captured(1).toInt();
}

// Game `n`, told from every other by its hidden pictures, at the three levels in turn.
FinishedGame numbered(int n, std::mt19937 &random)
{
    FinishedGame g;
    g.level = *Level::numbered(1 + n % Level::Count);
    for (int i = 0, rest = n; i < Board::Cells; ++i, rest /= 5) {
        g.hidden[i] = rest % 5;
        g.guessed[i] = int(random() % 5);
    }
    return TestSupport::sealed(g);
}

// The games the statistics window counts, level by level.
int shownGames(const StatisticsWindow &window)
{
    int n = 0;
    for (Level level : Level::all())
        n += figure(window, u"Games_%1"_s.arg(level.number())).toInt();
    return n;
}

} // namespace

class TestSoak : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void randomEventSequencesKeepTheInvariants()
    {
        std::mt19937 rng(20261207);
        std::uniform_real_distribution<double> unit(0.0, 1.0);
        std::uniform_int_distribution<int> length(1, 40), kind(0, 9), levelNumber(1, Level::Count),
            pictureIndex(-2, 16);
        int games = 0;
        for (int sequence = 0; sequence < 100'000; ++sequence) {
            LoggedGame logged([&](int offered) {
                Game::Drawn d{"0123456789abcdef", {}, {}};
                for (int &p : d.pictures)
                    p = int(unit(rng) * offered);
                return d;
            });
            Game &game = logged.game;
            const int events = length(rng);
            for (int e = 0; e < events; ++e) {
                const int before = game.attempt();
                if (kind(rng) == 0) {
                    game.chooseLevel(*Level::numbered(levelNumber(rng)));
                } else {
                    game.guess(pictureIndex(rng));
                }
                const int a = game.attempt();
                QVERIFY2(a == Game::NoGame || (a >= 1 && a <= 10),
                         qPrintable(u"attempt %1"_s.arg(a)));
                if (before == 10 && a == Game::NoGame)
                    ++games;
                if (const QString wrong = fault(logged.board, game); !wrong.isEmpty())
                    QFAIL(qPrintable(u"sequence %1, event %2: "_s.arg(sequence).arg(e) + wrong));
            }
        }
        // The sequences are long enough that plenty of games reach their reveal.
        QVERIFY2(games > 1000, qPrintable(QString::number(games)));
    }

    // Games end while the disk fills and frees, the session manager asks for checkpoints and
    // the program is ended by SIGTERM or by the session's end, all at random moments: every game
    // is in the record or beside it once, or the log tells it lost; a checkpoint moves nothing,
    // and the window always counts what the record and the memory hold.
    void gamesSurviveEndingsAtRandomMoments()
    {
        QTemporaryDir home;
        qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
        const QString folder = home.filePath(QCoreApplication::applicationName());
        rlimit unlimited{};
        ::getrlimit(RLIMIT_FSIZE, &unlimited);
        otherMessages = qInstallMessageHandler(countEndings);
        const auto restore = qScopeGuard([&] {
            ::setrlimit(RLIMIT_FSIZE, &unlimited);
            qInstallMessageHandler(otherMessages);
        });
        std::mt19937 random(20261208);
        int played = 0;
        int checkpoints = 0;
        for (int round = 0; round < 20; ++round) {
            Application program(Desktop(std::nullopt), TestSupport::ScriptedRandom{});
            program.start();
            QPointer<StatisticsWindow> window;
            std::optional<int> held;
            QTimer script;
            QObject::connect(&script, &QTimer::timeout, [&] {
                if (QTest::currentTestFailed())
                    return QCoreApplication::exit(1);
                if (manager.saves() < checkpoints)
                    return;
                if (!window && !(window = openStatistics(program.mainWindow())))
                    return;
                // Read afresh or kept up to date, the window counts every game of the record
                // and every one in memory: the games in the record before, and this round's.
                if (!held)
                    held = shownGames(*window) - played;
                QCOMPARE(shownGames(*window), *held + played);
                switch (random() % 40) {
                case 0:
                    ::raise(SIGTERM);
                    return script.stop();
                case 1:
                    manager.send(SessionManager::Shutdown);
                    manager.send(SessionManager::Die);
                    return script.stop();
                case 2:
                case 3:
                case 4:
                    manager.send(SessionManager::Checkpoint);
                    ++checkpoints;
                    return;
                case 5:
                case 6: {
                    // The disk full after part of a game, or room again.
                    rlimit full = unlimited;
                    full.rlim_cur =
                        rlim_t(QFileInfo(folder + u"/games.tsv"_s).size()) + random() % 150;
                    ::setrlimit(RLIMIT_FSIZE, random() % 3 ? &full : &unlimited);
                    return;
                }
                case 7:
                case 8:
                    window->close();
                    return;
                }
                Q_EMIT program.game().finished(numbered(played++, random));
            });
            script.start();
            const int ended = QApplication::exec();
            if (QTest::currentTestFailed())
                return;
            QVERIFY(ended == 0 || ended == 128 + SIGTERM);
        }
        // Each game once, in the record or beside it, or told lost.
        QSet<QByteArray> kept;
        int beside = 0;
        for (QDirIterator files(folder, {u"games*.tsv"_s}); files.hasNext();) {
            const QString file = files.next();
            QFile read(file);
            QVERIFY(read.open(QIODevice::ReadOnly));
            const QList<QByteArray> lines = read.readAll().split('\n');
            for (const QByteArray &line : lines.sliced(1, lines.size() - 2)) {
                QVERIFY2(RecordLine::parse(line) && !kept.contains(line), line.constData());
                kept.insert(line);
                beside += file.contains(u"unsaved"_s);
            }
        }
        QCOMPARE(beside, keptBeside);
        QCOMPARE(kept.size() + toldLost, played);
        QVERIFY2(checkpoints > 10 && beside > 0,
                 qPrintable(u"%1 games, %2 checkpoints, %3 beside, %4 lost"_s.arg(played)
                                .arg(checkpoints)
                                .arg(beside)
                                .arg(toldLost)));
    }
};

int main(int argc, char *argv[])
{
    // Before the application, which connects to it as it starts.
    if (!manager.start())
        qFatal("no session manager");
    QApplication application(argc, argv);
    TestSoak test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_soak.moc"
