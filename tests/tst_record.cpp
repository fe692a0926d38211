// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Record.h"
#include "RecordFile.h"
#include "RecordLine.h"
#include "RecordLog.h"
#include "RecordReader.h"
#include "Sha256.h"
#include "Statistics.h"
#include "StatisticsLoader.h"
#include "TestSupport.h"
#include "VerifyCommand.h"
#include "VerifyTexts.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <future>
#include <latch>
#include <thread>

#ifdef Q_OS_UNIX
#include <csignal>
#include <fcntl.h>
#include <random>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;

namespace
{

FinishedGame game(int level, int hits)
{
    FinishedGame g;
    g.playedAt = QDateTime(QDate(2026, 12, 7), QTime(9, 22, 20), Qt::UTC);
    g.level = TestSupport::level(level);
    for (int i = 0; i < GameSize::Attempts; ++i) {
        g.hidden[i] = (i * 7) % g.offeredPictures();
        g.guessed[i] = i < hits ? g.hidden[i] : (g.hidden[i] + 1) % g.offeredPictures();
    }
    return TestSupport::sealed(g);
}

// Appends a game as the program does: the tag line first in a new record.
RecordProblem add(const RecordFile &file, int level, int hits)
{
    return file.append(RecordLine::serialise(game(level, hits))).fault.problem;
}

StatisticsLoader::Sums readAll(const RecordFile &file)
{
    RecordReader reader = file.openForReading();
    StatisticsLoader::Sums sums = StatisticsLoader::sumUp(reader);
    if (sums.fault.failed())
        qWarning("the record could not be read");
    return sums;
}

// A record as the version before this one wrote it: each attempt sealed, each line with the
// whole hash of the line before.
QByteArray secondVersionRecord()
{
    QByteArray record = "#chuikomer-games\t2\n";
    QByteArray previous = record.chopped(1);
    for (int g = 0; g < 2; ++g) {
        const FinishedGame one = game(g + 1, g + 3);
        QByteArray secrets, seals;
        for (int n = 1; n <= GameSize::Attempts; ++n) {
            const QByteArray secret = Seal::hex(TestSupport::ScriptedRandom::secret(n));
            secrets += (n > 1 ? " " : "") + secret;
            seals += (n > 1 ? " " : "") +
                     Sha256::hex("chuikomer-seal:0123456789abcdef:" + QByteArray::number(n) + ':' +
                                 QByteArray::number(one.hidden[n - 1] + 1) + ':' + secret);
        }
        const QByteArray line =
            RecordLine::serialise(one).first(RecordLine::serialise(one).indexOf("\t0123")) +
            "\t0123456789abcdef\t" + secrets + '\t' + seals + '\t' + Sha256::hex(previous);
        record += line + '\n';
        previous = line;
    }
    return record;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Runs `work` on a thread of its own and waits a second (or `limit`) for it: code that blocks
// fails the test instead of hanging it. A thread that never returns is left behind, so `work`
// holds copies, never references.
template <typename Work> auto withinASecond(Work work, std::chrono::seconds limit = {})
{
    using Result = decltype(work());
    auto promise = std::make_shared<std::promise<Result>>();
    auto future = promise->get_future();
    std::thread([work, promise] { promise->set_value(work()); }).detach();
    return future.wait_for(std::max(limit, std::chrono::seconds(1))) == std::future_status::ready
               ? std::optional<Result>(future.get())
               : std::nullopt;
}

#ifdef Q_OS_UNIX
mode_t kind(const QString &path)
{
    struct stat info {
    };
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & S_IFMT : 0;
}
#endif

struct Uses {
    RecordProblem appended;
    RecordProblem read;
    RecordProblem startedAnew;
    RecordProblem chosen;
    int lines;
    int skipped;
};

#ifdef Q_OS_UNIX
// Everything under `root` as it stands: each name's kind and owner, and a file's bytes.
QMap<QString, QByteArray> snapshot(const QString &root)
{
    QMap<QString, QByteArray> all;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        struct stat info {
        };
        ::lstat(QFile::encodeName(path).constData(), &info);
        QByteArray entry = QByteArray::number(info.st_mode) + ' ' + QByteArray::number(info.st_uid);
        if (S_ISREG(info.st_mode))
            entry += ' ' + contents(path);
        all.insert(path, entry);
    }
    return all;
}

// Another user, for files given away and for running as someone else.
constexpr uid_t OtherUser = 65534;
#endif

} // namespace

Q_DECLARE_METATYPE(RecordProblem)

class TestRecord : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The format pinned, since records written by earlier versions must still be read.
    void aLineReadsBackAsItsGameInTheKeptFormat()
    {
        QCOMPARE(RecordLine::header(), "#chuikomer-games\t3\n"_ba);
        const FinishedGame third = game(3, 4);
        const QByteArray line = RecordLine::chained("", RecordLine::serialise(third));
        QCOMPARE(line, "2026-12-07T09:22:20Z\t3\t1 8 15 7 14 6 13 5 12 4\t1 8 15 7 15 7 14 6 13 5\t"
                       "0123456789abcdef\t" +
                           Seal::hex(TestSupport::ScriptedRandom::secret(1)) +
                           // The SHA-256 of the empty line before it, its first half.
                           "\te3b0c44298fc1c149afbf4c8996fb924\n");
        QVERIFY(line.size() <= 200);
        const auto back = RecordLine::parse(line.chopped(1));
        QVERIFY(back);
        QCOMPARE(back->playedAt, third.playedAt);
        QCOMPARE(back->hidden, third.hidden);
        QCOMPARE(back->guessed, third.guessed);
        QCOMPARE(back->game, third.game);
        QCOMPARE(back->secret, third.secret);
        QCOMPARE(back->hits(), 4);
        // A line without its link, or with a secret too short, is no game; nor a picture 0.
        QVERIFY(!RecordLine::parse(line.first(line.lastIndexOf('\t'))));
        QVERIFY(!RecordLine::parse(QByteArray(line).remove(line.indexOf("\t0123") + 20, 2)));
        QVERIFY(!RecordLine::parse(
            "2026-12-07T09:22:20Z\t1\t0 3 5 2 4 1 3 5 2 4\t1 3 5 2 4 1 3 5 2 4"));
        // The first version's line: a game without a seal.
        QVERIFY(
            !RecordLine::parse("2026-12-07T09:22:20Z\t1\t1 3 5 2 4 1 3 5 2 4\t1 3 5 2 4 1 3 5 2 4")
                 ->sealed());
    }

    // An edit shows at the lines it touches, and what a spreadsheet or an editor does to a
    // record does not: the statistics leave failing games out and name them, and a check from
    // the command line names the same lines, with its head and exit status.
    void editsShowAtTheirLines_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QList<qint64>>("failing");
        QTest::addColumn<int>("unreadable");
        QTest::addColumn<int>("status");
        const QList<qint64> none;
        QTest::newRow("as written") << u"none"_s << none << 0 << 0;
        QTest::newRow("a hidden picture") << u"picture"_s << QList<qint64>{3, 4} << 0 << 1;
        QTest::newRow("a guess") << u"guess"_s << QList<qint64>{3, 4} << 0 << 1;
        QTest::newRow("a secret") << u"secret"_s << QList<qint64>{3, 4} << 0 << 1;
        QTest::newRow("a line removed") << u"removed"_s << QList<qint64>{2, 3} << 0 << 1;
        QTest::newRow("a line copied to the end") << u"copied"_s << QList<qint64>{5, 6} << 0 << 1;
        QTest::newRow("every seal field stripped")
            << u"stripped"_s << QList<qint64>{2, 3, 4, 5} << 0 << 1;
        QTest::newRow("the last line's fields stripped")
            << u"stripLast"_s << QList<qint64>{5} << 0 << 1;
        QTest::newRow("eleven games without seals after")
            << u"unsealed"_s << QList<qint64>{6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16} << 0 << 1;
        QTest::newRow("an earlier version's record") << u"earlier"_s << none << 0 << 0;
        QTest::newRow("a version-2 record continued") << u"second"_s << none << 0 << 0;
        QTest::newRow("a version-2 record re-saved by a spreadsheet")
            << u"secondSpreadsheet"_s << none << 0 << 0;
        QTest::newRow("an earlier version's header alone") << u"bareHeader"_s << none << 0 << 0;
        QTest::newRow("a link's last digit") << u"link"_s << QList<qint64>{3, 4, 5} << 0 << 1;
        QTest::newRow("line ends of Windows") << u"crlf"_s << none << 0 << 0;
        QTest::newRow("one line end of Windows") << u"crlfOne"_s << none << 0 << 0;
        QTest::newRow("a spreadsheet's re-save") << u"spreadsheet"_s << none << 0 << 0;
        QTest::newRow("no newline at the end") << u"unended"_s << none << 0 << 0;
        QTest::newRow("a long tail cut off, then games") << u"tail"_s << none << 1 << 0;
        QTest::newRow("a line no game") << u"garbage"_s << none << 1 << 1;
        QTest::newRow("no game at all") << u"empty"_s << none << 0 << 1;
    }
    void editsShowAtTheirLines()
    {
        QFETCH(QString, edit);
        QFETCH(QList<qint64>, failing);
        QFETCH(int, unreadable);
        QFETCH(int, status);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"games.tsv"_s);
        const RecordFile file(path);
        const QByteArray unsealed =
            "2026-12-07T09:22:20Z\t1\t1 3 5 2 4 1 3 5 2 4\t1 3 5 2 4 1 3 5 2 4";
        if (edit == u"earlier"_s)
            TestSupport::writeFile(path,
                                   "#chuikomer-games\t1\n" + unsealed + '\n' + unsealed + '\n');
        if (edit.startsWith(u"second"_s))
            TestSupport::writeFile(path, secondVersionRecord());
        if (edit == u"bareHeader"_s)
            TestSupport::writeFile(path, "#chuikomer-games\t2\n");
        if (edit == u"tail"_s)
            TestSupport::writeFile(path, TestSupport::recordOf(RecordLine::serialise(game(1, 2))) +
                                             QByteArray(100'000, '\0'));
        for (int n = 1; n <= (edit == u"empty"_s ? 0 : 4); ++n)
            QCOMPARE(add(file, n % 3 + 1, n), RecordProblem::None);
        if (edit == u"empty"_s)
            TestSupport::writeFile(path, RecordLine::header());
        QList<QByteArray> lines = contents(path).split('\n');
        lines.removeLast();
        QList<QByteArray> fields = lines.value(2).split('\t');
        QByteArray end = "\n";
        if (edit == u"picture"_s || edit == u"guess"_s || edit == u"secret"_s) {
            char &c = fields[edit == u"picture"_s ? 2 : edit == u"guess"_s ? 3 : 5][0];
            c = c == '1' ? '2' : '1';
            lines[2] = fields.join('\t');
        } else if (edit == u"removed"_s) {
            lines.removeAt(2);
        } else if (edit == u"copied"_s) {
            lines << lines[2];
        } else if (edit == u"unsealed"_s) {
            lines << QList<QByteArray>(11, unsealed);
        } else if (edit == u"stripped"_s || edit == u"stripLast"_s) {
            for (qsizetype i = edit == u"stripped"_s ? 1 : lines.size() - 1; i < lines.size(); ++i)
                lines[i] = lines[i].split('\t').first(4).join('\t');
        } else if (edit == u"crlf"_s) {
            end = "\r\n";
        } else if (edit == u"crlfOne"_s) {
            lines[2] += '\r';
        } else if (edit == u"link"_s) {
            char &c = lines[3][lines[3].size() - 1];
            c = c == '0' ? '1' : '0';
        } else if (edit.endsWith(u"preadsheet"_s)) {
            for (qsizetype i = 1; i < lines.size(); ++i) {
                const qsizetype hex = lines[i].indexOf("\t0123");
                lines[i] = lines[i].first(hex) + lines[i].sliced(hex).toUpper() + "\t\t";
            }
        } else if (edit == u"garbage"_s) {
            lines << "garbage";
        }
        TestSupport::writeFile(path, lines.join(end) + (edit == u"unended"_s ? "" : end));
        qsizetype games = 0;
        for (const QByteArray &line : lines)
            games += RecordLine::parse(line).has_value();

        const auto sums = readAll(file);
        QCOMPARE(sums.failedLines, failing.first(std::min<qsizetype>(failing.size(), 10)));
        QCOMPARE(sums.failedGames, failing.size());
        QCOMPARE(sums.unreadableLines, unreadable);
        QCOMPARE(sums.statistics.games(Statistics::Total), games - failing.size());
        QString out;
        QString errors;
        QTextStream printed(&out);
        QTextStream misused(&errors);
        QCOMPARE(VerifyCommand::run({"chuikomer", "--verify", QFile::encodeName(path)}, printed,
                                    misused),
                 status);
        QList<qint64> named;
        for (const QString &line : out.split(u'\n'))
            if (line.startsWith(u"Строка "_s) && !line.contains(u"не читается"_s) &&
                !line.contains(u"оборванная"_s))
                named << line.section(u' ', 1, 1).chopped(1).toLongLong();
        QCOMPARE(named, failing);
        QCOMPARE(out.count(u"не читается"_s) + out.count(u"оборванная"_s), unreadable);
        // The head is that of the last game, as the record shows it after it.
        if (games > 0 && edit != u"stripLast"_s)
            QVERIFY2(out.contains(VerifyTexts::grouped(sums.head)) && !sums.head.isEmpty(),
                     qPrintable(out));
        QVERIFY(errors.isEmpty());
        // A game written after it goes on the chain, and holds.
        if (status == 0) {
            QCOMPARE(add(file, 1, 5), RecordProblem::None);
            const auto after = readAll(file);
            QCOMPARE(after.failedGames, 0);
            QCOMPARE(after.statistics.games(Statistics::Total), games + 1);
        }
    }

    // A file rewritten to the same size within the same second is another file to read.
    void stampsTellEditsOfTheSameSize()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"games.tsv"_s);
        TestSupport::writeFile(path, RecordLine::header());
        QFile file(path);
        const QDateTime second = QDateTime::currentDateTime().addSecs(-10);
        QVERIFY(file.open(QIODevice::ReadWrite) &&
                file.setFileTime(second, QFileDevice::FileModificationTime));
        const auto before = RecordFile(path).openForReading().stamp();
        QVERIFY(file.setFileTime(second.addMSecs(1), QFileDevice::FileModificationTime));
        QVERIFY(before && before != RecordFile(path).openForReading().stamp());
    }

    void unreadableLinesAreSkippedAndCounted()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"games.tsv"_s);
        const QByteArray good = RecordLine::serialise(game(1, 3));
        QByteArray text = TestSupport::recordOf(good);
        text += "garbage \xff\x00 line\n"_ba;
        // A newer version's line, with a field more.
        text += good.chopped(1) + "\tmore\n";
        // Out of range: picture 6 at the first level, level 4, 30 February.
        const QByteArray pictures = "\t1 3 5 2 4 1 3 5 2 4\t1 3 5 2 4 1 3 5 2 4\n"_ba;
        text += "2026-12-07T09:22:20Z\t1\t6" + pictures.sliced(2);
        text += "2026-12-07T09:22:20Z\t4" + pictures;
        text += "2026-02-30T09:22:20Z\t1" + pictures;
        text += "\n" + RecordLine::chained("", good);
        // Cut off between the digits of the last picture, "15": a game in shape, not the one
        // written.
        text += "2026-12-07T09:22:20Z\t3\t1 8 15 7 14 6 13 5 12 4\t1 8 15 7 14 6 13 5 12 1";
        TestSupport::writeFile(path, text);
        const auto s = readAll(RecordFile(path));
        QCOMPARE(s.statistics.games(Statistics::Total), 2);
        QCOMPARE(s.statistics.hits(TestSupport::level(1)), 6);
        QCOMPARE(s.unreadableLines, 6);

        // The next game starts on a line of its own; the torn one stays no game.
        QCOMPARE(add(RecordFile(path), 2, 9), RecordProblem::None);
        const auto after = readAll(RecordFile(path));
        QCOMPARE(after.statistics.games(TestSupport::level(2)), 1);
        QCOMPARE(after.statistics.games(TestSupport::level(3)), 0);
        QCOMPARE(after.unreadableLines, 6);
        QVERIFY(contents(path).startsWith(text));
    }

    void emptyOrMissingRecordHasNoGames()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"games.tsv"_s);
        QCOMPARE(RecordFile(path).openForReading().read(
                     [](QByteArrayView) { QFAIL("a line in no file"); }),
                 RecordFault{});
        TestSupport::writeFile(path, {});
        const auto s = readAll(RecordFile(path));
        QCOMPARE(s.statistics.games(Statistics::Total), 0);
        QCOMPARE(s.unreadableLines, 0);
        // The first game of an empty file comes with the tag line.
        QCOMPARE(add(RecordFile(path), 1, 1), RecordProblem::None);
        QCOMPARE(contents(path), TestSupport::recordOf(RecordLine::serialise(game(1, 1))));
        // A tag line without its newline, as an editor leaves a record of no games, is ended.
        TestSupport::writeFile(path, RecordLine::header().chopped(1));
        QCOMPARE(readAll(RecordFile(path)).unreadableLines, 0);
        QCOMPARE(add(RecordFile(path), 2, 2), RecordProblem::None);
        QCOMPARE(add(RecordFile(path), 3, 3), RecordProblem::None);
        QCOMPARE(readAll(RecordFile(path)).statistics.games(Statistics::Total), 2);
        // As an earlier version marked it, taking it for a game cut off.
        TestSupport::writeFile(path, RecordLine::header().chopped(1) + " [cut off]\n");
        QCOMPARE(add(RecordFile(path), 2, 2), RecordProblem::None);
        QCOMPARE(readAll(RecordFile(path)).statistics.games(Statistics::Total), 1);
    }

#ifdef Q_OS_UNIX
    // Starting anew keeps the games only in memory: they go into the new record and are
    // counted there. With nowhere to keep a record, there is nothing to start anew.
    void startingAnewKeepsTheGamesInMemory()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"games.tsv"_s);
        TestSupport::writeFile(path, RecordLine::header());
        const QDateTime played = game(1, 1).playedAt;
        Record record(RecordFile(path), [played] { return played; });
        Record homeless{RecordFile(QString())};
        const int held = ::open(QFile::encodeName(path).constData(), O_RDONLY);
        QCOMPARE(::flock(held, LOCK_EX), 0);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^Appending to the record"_s));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^Appending to the record"_s));
        record.keep(game(2, 4));
        homeless.keep(game(2, 4));
        ::close(held);
        int counted = -1;
        QObject::connect(&record, &Record::statisticsChanged,
                         [&](const Statistics &sums) { counted = sums.games(Statistics::Total); });
        QCOMPARE(record.startAnew(), RecordFault{});
        QCOMPARE(counted, 1);
        QCOMPARE(record.state().unsaved, 0);
        QCOMPARE(contents(path), TestSupport::recordOf(RecordLine::serialise(game(2, 4))));
        QCOMPARE(contents(dir.filePath(
                     u"games-%1.tsv"_s.arg(QDate::currentDate().toString(Qt::ISODate)))),
                 RecordLine::header());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^Clearing the record"_s));
        QCOMPARE(homeless.startAnew().problem, RecordProblem::NoHome);
        QCOMPARE(homeless.state().unsaved, 1);
    }
#endif

    void nowhereToWriteFailsWithoutHarm()
    {
        QTemporaryDir dir;
        // A file where the folder should be stops root too, as a read-only mode would not.
        TestSupport::writeFile(dir.filePath(u"blocked"_s), "not a folder");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^Appending to the record "
                                                              u"\".*/blocked/games.tsv\" failed: "
                                                              u"\\w"_s));
        QTest::ignoreMessage(
            QtWarningMsg,
            QRegularExpression(u"^Appending to the record \"\" failed: "
                               u"neither HOME nor an absolute XDG_DATA_HOME is set$"_s));
        QCOMPARE(add(RecordFile(dir.filePath(u"blocked/games.tsv"_s)), 1, 1),
                 RecordProblem::NotAFolder);
        QCOMPARE(add(RecordFile(QString()), 1, 1), RecordProblem::NoHome);
    }

    void twoWritersAppendWholeLines()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"games.tsv"_s);
        constexpr int Each = 150;
        // As fast as games can end: each waits for the disk, then the next begins.
        auto writer = [&](int level) {
            const RecordFile file(path);
            for (int i = 0; i < Each; ++i) {
                QCOMPARE(add(file, level, i % 11), RecordProblem::None);
                QThread::msleep(1);
            }
        };
        std::thread first(writer, 1);
        std::thread second(writer, 3);
        first.join();
        second.join();
        const auto s = readAll(RecordFile(path));
        QCOMPARE(s.unreadableLines, 0);
        QCOMPARE(s.statistics.games(TestSupport::level(1)), Each);
        QCOMPARE(s.statistics.games(TestSupport::level(3)), Each);
    }

    void startingAnewKeepsTheOldRecord()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"games.tsv"_s);
        const RecordFile file(path);
        for (int round = 0; round < 2; ++round)
            QCOMPARE(add(file, 1, round), RecordProblem::None);
        QCOMPARE(file.startAnew(u"2026-12-07"_s), RecordFault{});
        QVERIFY(!QFileInfo::exists(path));
        QCOMPARE(add(file, 2, 2), RecordProblem::None);
        QCOMPARE(file.startAnew(u"2026-12-07"_s), RecordFault{});
        QCOMPARE(readAll(RecordFile(dir.filePath(u"games-2026-12-07.tsv"_s)))
                     .statistics.games(TestSupport::level(1)),
                 2);
        QCOMPARE(readAll(RecordFile(dir.filePath(u"games-2026-12-07-2.tsv"_s)))
                     .statistics.games(TestSupport::level(2)),
                 1);
    }

    // The record holds only what it was when opened, however it grows meanwhile.
    void readingStopsAtTheSizeWhenOpened()
    {
        QTemporaryDir dir;
        const RecordFile file(dir.filePath(u"games.tsv"_s));
        QCOMPARE(add(file, 1, 1), RecordProblem::None);
        RecordReader reader = file.openForReading();
        QCOMPARE(add(file, 2, 2), RecordProblem::None);
        const auto s = StatisticsLoader::sumUp(reader);
        QCOMPARE(s.fault, RecordFault{});
        QCOMPARE(s.statistics.games(Statistics::Total), 1);
    }

#ifdef Q_OS_UNIX
    // Whatever stands at the record's place but this user's own plain file is left as it is,
    // and none of it holds the program up: appending, reading and starting anew each return
    // within a second, saying why.
    void plantedNamesAreLeftAlone_data()
    {
        QTest::addColumn<QString>("plant");
        QTest::addColumn<RecordProblem>("problem");
        QTest::newRow("fifo") << u"fifo"_s << RecordProblem::NotAFile;
        QTest::newRow("link to /dev/zero") << u"zero"_s << RecordProblem::SymbolicLink;
        QTest::newRow("link to a file") << u"symlink"_s << RecordProblem::SymbolicLink;
        QTest::newRow("dangling link") << u"dangling"_s << RecordProblem::SymbolicLink;
        QTest::newRow("hard link") << u"hardlink"_s << RecordProblem::OtherNames;
        QTest::newRow("folder") << u"folder"_s << RecordProblem::NotAFile;
        QTest::newRow("another user's") << u"owner"_s << RecordProblem::OtherOwner;
    }
    void plantedNamesAreLeftAlone()
    {
        QFETCH(QString, plant);
        QFETCH(RecordProblem, problem);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"games.tsv"_s);
        const QByteArray name = QFile::encodeName(path);
        const QString foreign = dir.filePath(u"foreign.txt"_s);
        const QByteArray kept = TestSupport::recordOf(RecordLine::serialise(game(3, 3)));
        TestSupport::writeFile(foreign, kept);
        const QByteArray to = QFile::encodeName(foreign);
        if (plant == u"fifo"_s)
            QCOMPARE(::mkfifo(name.constData(), 0666), 0);
        else if (plant == u"zero"_s)
            QCOMPARE(::symlink("/dev/zero", name.constData()), 0);
        else if (plant == u"symlink"_s)
            QCOMPARE(::symlink(to.constData(), name.constData()), 0);
        else if (plant == u"dangling"_s)
            QCOMPARE(::symlink((to + ".missing").constData(), name.constData()), 0);
        else if (plant == u"hardlink"_s)
            QCOMPARE(::link(to.constData(), name.constData()), 0);
        else if (plant == u"folder"_s)
            QVERIFY(QDir(dir.path()).mkdir(u"games.tsv"_s));
        else if (::geteuid() != 0)
            QSKIP("only root can give a file away");
        else {
            TestSupport::writeFile(path, kept);
            QCOMPARE(::chown(name.constData(), 65534, 65534), 0);
        }
        const mode_t before = kind(path);

        // Each refusal is logged with the name and what stood there.
        for (const char *what : {"Appending to", "Opening", "Clearing"})
            QTest::ignoreMessage(
                QtWarningMsg, QRegularExpression(u"^%1 the record \"%2\" failed: %3$"_s.arg(
                                  QLatin1StringView(what), QRegularExpression::escape(path),
                                  QRegularExpression::escape(RecordLog::describe({problem, 0})))));
        const RecordFile file(path);
        const auto uses = withinASecond([file] {
            Uses u{};
            u.appended = add(file, 1, 1);
            u.read = file.openForReading().read([&u](QByteArrayView) { ++u.lines; }).problem;
            u.startedAnew = file.startAnew(u"2026-12-07"_s).problem;
            return u;
        });
        QVERIFY2(uses, "the record's user blocked");
        QCOMPARE(uses->appended, problem);
        QCOMPARE(uses->read, problem);
        QCOMPARE(uses->lines, 0);
        QCOMPARE(uses->startedAnew, problem);
        QCOMPARE(kind(path), before);
        QCOMPARE(contents(foreign), kept);
        if (plant == u"owner"_s)
            QCOMPARE(contents(path), kept);
        QVERIFY(!QFileInfo::exists(foreign + u".missing"_s));
        QVERIFY(!QFileInfo::exists(dir.filePath(u"games-2026-12-07.tsv"_s)));
    }

    // A file the player chooses for the games at the end takes them when it is a record of
    // the player's, also through a link, or a new one; any other kind of file is left as it
    // was, within a second, and nothing is made where a link leads nowhere. Faults of the disk
    // and of owners: faultsLeaveEverythingAsItWas.
    void chosenFilesTakeTheGamesOrStayAsTheyWere_data()
    {
        QTest::addColumn<QString>("plant");
        QTest::addColumn<RecordProblem>("problem");
        QTest::newRow("new file") << u"new"_s << RecordProblem::None;
        QTest::newRow("a record of the player's") << u"record"_s << RecordProblem::None;
        QTest::newRow("link to a record") << u"link"_s << RecordProblem::None;
        QTest::newRow("FIFO") << u"fifo"_s << RecordProblem::NotAFile;
        QTest::newRow("folder") << u"folder"_s << RecordProblem::NotAFile;
        QTest::newRow("dangling link") << u"dangling"_s << RecordProblem::SymbolicLink;
        QTest::newRow("new file past a file-size limit") << u"limit"_s << RecordProblem::TooLarge;
    }
    void chosenFilesTakeTheGamesOrStayAsTheyWere()
    {
        QFETCH(QString, plant);
        QFETCH(RecordProblem, problem);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"games.tsv"_s);
        const QByteArray name = QFile::encodeName(path);
        const QString target = dir.filePath(u"record.tsv"_s);
        const QByteArray record = TestSupport::recordOf(RecordLine::serialise(game(1, 1)));
        const QByteArray lines =
            RecordLine::serialise(game(2, 2)) + RecordLine::serialise(game(3, 3));
        if (plant == u"record"_s)
            TestSupport::writeFile(path, record);
        else if (plant == u"fifo"_s)
            QCOMPARE(::mkfifo(name.constData(), 0600), 0);
        else if (plant == u"folder"_s)
            QVERIFY(QDir().mkdir(path));
        if (plant == u"link"_s)
            TestSupport::writeFile(target, record);
        if (plant == u"link"_s || plant == u"dangling"_s)
            QCOMPARE(::symlink(QFile::encodeName(target).constData(), name.constData()), 0);
        const auto before = snapshot(dir.path());
        rlimit unlimited{};
        ::getrlimit(RLIMIT_FSIZE, &unlimited);
        const auto restore = qScopeGuard([&] { ::setrlimit(RLIMIT_FSIZE, &unlimited); });
        rlimit small = unlimited;
        small.rlim_cur = 10;
        if (plant == u"limit"_s)
            QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
        if (problem != RecordProblem::None)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^Appending to the record"_s));
        const auto appended =
            withinASecond([path, lines] { return RecordFile::appendToChosen(path, lines); });
        QVERIFY2(appended, "the chosen file blocked");
        QCOMPARE(appended->fault.problem, problem);
        QCOMPARE(appended->lines, problem == RecordProblem::None ? 2 : 0);
        if (problem != RecordProblem::None) {
            QCOMPARE(snapshot(dir.path()), before);
            return;
        }
        const QByteArray was = plant == u"new"_s ? RecordLine::header() : record;
        QCOMPARE(contents(plant == u"link"_s ? target : path),
                 was + RecordLine::chained(
                           was.chopped(1).sliced(was.chopped(1).lastIndexOf('\n') + 1), lines));
        QCOMPARE(kind(path), mode_t(plant == u"link"_s ? S_IFLNK : S_IFREG));
    }

    // Any name at all takes an archive's number, a dangling link included: the record goes
    // to the next free one, and nothing is written through a link.
    void archiveNamesTakenByAnythingArePassedOver()
    {
        QTemporaryDir dir;
        const RecordFile file(dir.filePath(u"games.tsv"_s));
        QCOMPARE(add(file, 2, 5), RecordProblem::None);
        const QByteArray record = contents(file.path());
        const QString foreign = dir.filePath(u"foreign.txt"_s);
        TestSupport::writeFile(foreign, "keep me");
        const QByteArray archive = QFile::encodeName(dir.filePath(u"games-2026-12-07"_s));
        QCOMPARE(::symlink((archive + "-missing").constData(), (archive + ".tsv").constData()), 0);
        QCOMPARE(::mkfifo((archive + "-2.tsv").constData(), 0666), 0);
        QCOMPARE(
            ::symlink(QFile::encodeName(foreign).constData(), (archive + "-3.tsv").constData()), 0);

        const auto cleared = withinASecond([file] { return file.startAnew(u"2026-12-07"_s); });
        QVERIFY2(cleared, "starting anew blocked");
        QCOMPARE(*cleared, RecordFault{});
        QCOMPARE(contents(dir.filePath(u"games-2026-12-07-4.tsv"_s)), record);
        QVERIFY(!QFileInfo::exists(file.path()));
        QVERIFY(!QFileInfo::exists(QFile::decodeName(archive + "-missing")));
        QCOMPARE(kind(QFile::decodeName(archive + ".tsv")), mode_t(S_IFLNK));
        QCOMPARE(kind(QFile::decodeName(archive + "-2.tsv")), mode_t(S_IFIFO));
        QCOMPARE(contents(foreign), QByteArray("keep me"));
    }

    // Two copies of the program that make the record at the same moment write one tag line.
    void twoCreatorsWriteOneHeader()
    {
        QTemporaryDir dir;
        const auto created = withinASecond(
            [path = dir.path()] {
                QByteArray all;
                for (int round = 0; round < 100; ++round) {
                    const RecordFile file(path + u"/games-"_s + QString::number(round) + u".tsv"_s);
                    std::latch ready(2);
                    // On a busy disk the other's sync may outlast the wait for the lock: the
                    // program then writes the game with its next one, as this tries again.
                    auto create = [&](int level) {
                        ready.arrive_and_wait();
                        RecordProblem problem = RecordProblem::Busy;
                        for (int n = 0; n < 10 && problem == RecordProblem::Busy; ++n)
                            problem = add(file, level, 1);
                        return problem;
                    };
                    auto other = std::async(std::launch::async, create, 2);
                    const bool written = create(1) == RecordProblem::None;
                    if (!written || other.get() != RecordProblem::None)
                        return QByteArray("not written");
                    all += contents(file.path());
                }
                return all;
            },
            std::chrono::seconds(30));
        QVERIFY2(created, "creating the record blocked");
        QCOMPARE(created->count(RecordLine::header()), 100);
        QCOMPARE(created->count('\n'), 300);
    }

    // Another copy clears while this one appends: the game waits for the clearing and goes
    // to the new record, not to the archive.
    void gameAppendedDuringTheClearGoesToTheNewRecord()
    {
        QTemporaryDir dir;
        const RecordFile file(dir.filePath(u"games.tsv"_s));
        QCOMPARE(add(file, 1, 1), RecordProblem::None);
        const QString archive = dir.filePath(u"games-2026-12-07.tsv"_s);
        // The clearing copy, as it holds the record between its checks and the renaming.
        const int clearing = ::open(QFile::encodeName(file.path()).constData(), O_RDONLY);
        QCOMPARE(::flock(clearing, LOCK_EX), 0);
        auto appended = std::async(std::launch::async, [file] { return add(file, 3, 7); });
        QThread::msleep(50);
        QVERIFY(QFile::rename(file.path(), archive));
        ::close(clearing);
        QCOMPARE(appended.wait_for(std::chrono::seconds(1)), std::future_status::ready);
        QCOMPARE(appended.get(), RecordProblem::None);
        QCOMPARE(readAll(RecordFile(archive)).statistics.games(Statistics::Total), 1);
        QCOMPARE(contents(file.path()), TestSupport::recordOf(RecordLine::serialise(game(3, 7))));
    }
    // The data folder as the XDG base directory rules name it: a relative XDG_DATA_HOME is
    // ignored, and a name in bytes that are not UTF-8 is kept to the last byte.
    void dataFolderIsNamedAsTheSystemNamesIt_data()
    {
        QTest::addColumn<QByteArray>("dataHome");
        QTest::addColumn<QByteArray>("home");
        // Where the record goes, under the test's folder; empty for nowhere.
        QTest::addColumn<QByteArray>("folder");
        // Planted on the way: a link of the user's own, another user's home or link.
        QTest::addColumn<QString>("plant");
        QTest::addColumn<RecordProblem>("problem");
        using P = RecordProblem;
        QTest::newRow("XDG_DATA_HOME") << "@/data"_ba
                                       << "@/home"_ba
                                       << "@/data/tst_record"_ba << QString() << P::None;
        QTest::newRow("relative XDG_DATA_HOME, ignored")
            << "data"_ba
            << "@/home"_ba
            << "@/home/.local/share/tst_record"_ba << QString() << P::None;
        QTest::newRow("not UTF-8") << "@/d\xff\xfe\x80"_ba << QByteArray()
                                   << "@/d\xff\xfe\x80/tst_record"_ba << QString() << P::None;
        QTest::newRow("relative HOME, no XDG_DATA_HOME")
            << QByteArray() << "home"_ba << QByteArray() << QString() << P::NoHome;
        QTest::newRow("neither") << QByteArray() << QByteArray() << QByteArray() << QString()
                                 << P::NoHome;
        QTest::newRow("missing home")
            << QByteArray() << "@/gone"_ba << QByteArray() << QString() << P::Failed;
        QTest::newRow("the user's own link on the way")
            << QByteArray() << "@/home"_ba
            << "@/shared/tst_record"_ba << u"own link"_s << P::None;
        // Root with another user's HOME, where that user linked ~/.local/share to a folder of
        // root's, as /etc is.
        QTest::newRow("another user's home")
            << QByteArray() << "@/home"_ba << QByteArray() << u"foreign home"_s << P::ForeignFolder;
        QTest::newRow("another user's link on the way")
            << QByteArray() << "@/home"_ba << QByteArray() << u"foreign link"_s << P::ForeignLink;
    }
    void dataFolderIsNamedAsTheSystemNamesIt()
    {
        QFETCH(QByteArray, dataHome);
        QFETCH(QByteArray, home);
        QFETCH(QByteArray, folder);
        QFETCH(QString, plant);
        QFETCH(RecordProblem, problem);
        if (plant.startsWith(u"foreign"_s) && ::geteuid() != 0)
            QSKIP("only root can give a home or a link away");
        QTemporaryDir dir;
        const QByteArray top = QFile::encodeName(dir.path());
        const QByteArray savedData = qgetenv("XDG_DATA_HOME");
        const QByteArray savedHome = qgetenv("HOME");
        const QString savedCurrent = QDir::currentPath();
        const auto restore = qScopeGuard([&] {
            qputenv("XDG_DATA_HOME", savedData);
            qputenv("HOME", savedHome);
            QDir::setCurrent(savedCurrent);
        });
        for (const auto &[name, value] : {std::pair{"XDG_DATA_HOME", dataHome}, {"HOME", home}}) {
            if (value.isEmpty())
                qunsetenv(name);
            else
                qputenv(name, QByteArray(value).replace('@', top));
        }
        const QByteArray homeName = top + "/home";
        if (home == "@/home")
            QVERIFY(QDir().mkpath(QFile::decodeName(homeName + "/.local")));
        if (!plant.isEmpty()) {
            const QByteArray link = homeName + "/.local/share";
            const QByteArray target = top + (plant == u"own link"_s ? "/shared" : "/system");
            QVERIFY(QDir().mkpath(QFile::decodeName(target)));
            QCOMPARE(::symlink(target.constData(), link.constData()), 0);
            if (plant == u"foreign link"_s)
                QCOMPARE(::lchown(link.constData(), OtherUser, OtherUser), 0);
            if (plant != u"own link"_s)
                QCOMPARE(::chown(homeName.constData(), OtherUser, OtherUser), 0);
        }
        const auto before = snapshot(dir.path());
        QDir::setCurrent(dir.path());
        const RecordFile file = RecordFile::inDataFolder();
        if (problem != RecordProblem::None)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^Appending to the record"_s));
        QCOMPARE(add(file, 1, 1), problem);
        struct stat info {
        };
        const QByteArray record = folder.replace('@', top) + "/games.tsv";
        QCOMPARE(::stat(record.constData(), &info) == 0, !folder.isEmpty());
        // Made there and nowhere else, not where the program happened to be started; removed
        // here, since Qt cannot remove a name it cannot decode.
        ::unlink(record.constData());
        for (QByteArray made = folder; made.size() > top.size();
             made.truncate(made.lastIndexOf('/')))
            if (!before.contains(QFile::decodeName(made)))
                ::rmdir(made.constData());
        QCOMPARE(snapshot(dir.path()), before);
    }

    // Faults of the disk, the folders and the users, planted: the record and everything around
    // it stay exactly as they were (bytes, owners, no name made), appending, reading and
    // starting anew each take less than a second and name the real cause, to the caller and
    // in the log; once the fault is gone, the game is written, once.
    void faultsLeaveEverythingAsItWas_data()
    {
        QTest::addColumn<QString>("fault");
        // What appending, starting anew and appending to the record as a file the player chose
        // at the end fail with, None where they are not tried.
        QTest::addColumn<RecordProblem>("appended");
        QTest::addColumn<RecordProblem>("cleared");
        QTest::addColumn<RecordProblem>("chosen");
        QTest::addColumn<RecordProblem>("read");
        QTest::addColumn<int>("games");
        QTest::addColumn<bool>("passes");
        using P = RecordProblem;
        QTest::newRow("file-size limit")
            << u"limit"_s << P::TooLarge << P::None << P::TooLarge << P::None << 1 << true;
        QTest::newRow("full disk")
            << u"full"_s << P::NoSpace << P::None << P::NoSpace << P::None << 0 << true;
        QTest::newRow("read-only disk")
            << u"read-only"_s << P::ReadOnly << P::ReadOnly << P::ReadOnly << P::None << 1 << true;
        QTest::newRow("no permission") << u"no permission"_s << P::NoPermission << P::None
                                       << P::NoPermission << P::None << 0 << true;
        QTest::newRow("another user's data folder")
            << u"foreign folder"_s << P::ForeignFolder << P::ForeignFolder << P::OtherOwner
            << P::ForeignFolder << 0 << false;
        QTest::newRow("another user's home") << u"foreign home"_s << P::ForeignFolder << P::None
                                             << P::Failed << P::None << 0 << false;
        QTest::newRow("data folder linked elsewhere")
            << u"folder link"_s << P::FolderLink << P::FolderLink << P::None << P::FolderLink << 0
            << false;
        QTest::newRow("no header") << u"no header"_s << P::ForeignFile << P::ForeignFile
                                   << P::ForeignFile << P::ForeignFile << 0 << false;
        QTest::newRow("newer version") << u"newer"_s << P::NewerVersion << P::NewerVersion
                                       << P::NewerVersion << P::NewerVersion << 1 << false;
        QTest::newRow("every archive name taken")
            << u"names taken"_s << P::None << P::NoArchiveName << P::None << P::None << 1 << false;
        QTest::newRow("lock held by a stopped copy")
            << u"locked"_s << P::Busy << P::Busy << P::Busy << P::None << 1 << true;
    }
    void faultsLeaveEverythingAsItWas()
    {
        QFETCH(QString, fault);
        QFETCH(RecordProblem, appended);
        QFETCH(RecordProblem, cleared);
        QFETCH(RecordProblem, chosen);
        QFETCH(RecordProblem, read);
        QFETCH(int, games);
        QFETCH(bool, passes);
        const bool root = ::geteuid() == 0;
        if ((fault == u"full"_s || fault == u"read-only"_s || fault.startsWith(u"foreign"_s)) &&
            !root)
            QSKIP("only root can mount a small disk or give a folder away");
        QTemporaryDir top;
        const QString home = top.filePath(u"home"_s);
        const QString folder = home + u"/app"_s;
        const QString path = folder + u"/games.tsv"_s;
        const QByteArray homeName = QFile::encodeName(home);
        const QByteArray folderName = QFile::encodeName(folder);
        QByteArray record = TestSupport::recordOf(RecordLine::serialise(game(2, 5)));
        std::function<void()> undo = [] {};
        bool mounted = false;
        uid_t runAs = 0;
        const auto cleanUp = qScopeGuard([&] {
            ::seteuid(0);
            undo();
            if (mounted)
                ::umount2(homeName.constData(), MNT_DETACH);
        });
        QVERIFY(QDir().mkpath(home));
        if (fault == u"full"_s || fault == u"read-only"_s)
            QVERIFY(mounted = ::mount("tmpfs", homeName.constData(), "tmpfs", 0, "size=64k") == 0);
        if (fault == u"full"_s) {
            // The record ends just short of a page and the disk is full after it: the next
            // line is written in part.
            const QByteArray line = RecordLine::serialise(game(1, 1));
            QByteArray lines;
            while ((record = TestSupport::recordOf(lines + line)).size() <= 4096)
                lines += line;
            record = TestSupport::recordOf(lines);
            games = int(record.count('\n')) - 1;
        }
        QVERIFY(QDir().mkpath(folder));
        TestSupport::writeFile(path, record);
        if (fault == u"limit"_s) {
            rlimit saved{};
            QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
            // Room for part of a line.
            rlimit small = saved;
            small.rlim_cur = rlim_t(record.size() + 20);
            QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
            undo = [saved] { ::setrlimit(RLIMIT_FSIZE, &saved); };
        } else if (fault == u"full"_s) {
            QFile fill(home + u"/filler"_s);
            QVERIFY(fill.open(QIODevice::WriteOnly));
            while (fill.write(QByteArray(4096, 'x')) == 4096 && fill.flush()) {
            }
            undo = [name = fill.fileName()] { QFile::remove(name); };
        } else if (fault == u"read-only"_s) {
            QCOMPARE(::mount(nullptr, homeName, nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0);
            undo = [homeName] { ::mount(nullptr, homeName, nullptr, MS_REMOUNT, nullptr); };
        } else if (fault == u"no permission"_s) {
            QVERIFY(QFile::remove(path));
            // Root may write anywhere: it runs as another user, in a folder of that user's.
            if (root) {
                runAs = OtherUser;
                QCOMPARE(::chmod(QFile::encodeName(top.path()).constData(), 0755), 0);
                QCOMPARE(::chown(folderName, OtherUser, OtherUser), 0);
            }
            QCOMPARE(::chmod(folderName, 0500), 0);
            undo = [folderName] { ::chmod(folderName, 0700); };
        } else if (fault == u"foreign folder"_s) {
            for (const QString &name : {folder, path})
                QCOMPARE(::chown(QFile::encodeName(name).constData(), OtherUser, OtherUser), 0);
        } else if (fault == u"foreign home"_s) {
            QVERIFY(QDir(folder).removeRecursively());
            QCOMPARE(::chown(homeName, OtherUser, OtherUser), 0);
        } else if (fault == u"folder link"_s) {
            QVERIFY(QDir(home).rename(u"app"_s, u"../elsewhere"_s));
            QVERIFY(QFile::link(top.filePath(u"elsewhere"_s), folder));
        } else if (fault == u"no header"_s) {
            TestSupport::writeFile(path, "my own notes\n" + RecordLine::serialise(game(1, 1)));
        } else if (fault == u"newer"_s) {
            const QByteArray header = "#chuikomer-games\t4\tmore";
            const QByteArray line = RecordLine::chained(header, RecordLine::serialise(game(1, 2)));
            TestSupport::writeFile(path, header + '\n' + line + line.chopped(1) + "\tmore\n");
        } else if (fault == u"names taken"_s) {
            for (int n = 1; n <= 1000; ++n)
                QVERIFY(QDir(folder).mkdir(u"games-2026-12-07"_s +
                                           (n == 1 ? QString() : u"-%1"_s.arg(n)) + u".tsv"_s));
        } else if (fault == u"locked"_s) {
            const int held = ::open(QFile::encodeName(path).constData(), O_RDONLY);
            QCOMPARE(::flock(held, LOCK_EX), 0);
            undo = [held] { ::close(held); };
        }
        const auto before = snapshot(top.path());

        const RecordFile file(path);
        auto exercise = [&](bool append, bool clear, bool choose) {
            ::seteuid(runAs);
            const auto uses = withinASecond([file, append, clear, choose] {
                Uses u{};
                if (append)
                    u.appended = add(file, 1, 1);
                if (choose)
                    u.chosen =
                        RecordFile::appendToChosen(file.path(), RecordLine::serialise(game(1, 1)))
                            .fault.problem;
                RecordReader reader = file.openForReading();
                const auto s = StatisticsLoader::sumUp(reader);
                u.read = s.fault.problem;
                u.lines = s.statistics.games(Statistics::Total);
                u.skipped = s.unreadableLines;
                if (clear)
                    u.startedAnew = file.startAnew(u"2026-12-07"_s).problem;
                return u;
            });
            ::seteuid(0);
            return uses;
        };
        using P = RecordProblem;
        const QMap<P, int> errors{{P::NoSpace, ENOSPC},
                                  {P::ReadOnly, EROFS},
                                  {P::NoPermission, EACCES},
                                  {P::TooLarge, EFBIG},
                                  {P::Failed, ENOENT}};
        for (const auto &[what, problem] :
             {std::pair{"Appending to", appended}, {"Clearing", cleared}, {"Appending to", chosen}})
            if (problem != P::None)
                QTest::ignoreMessage(QtWarningMsg,
                                     qPrintable(u"%1 the record \"%2\" failed: %3"_s.arg(
                                         QLatin1StringView(what), path,
                                         RecordLog::describe({problem, errors.value(problem)}))));
        const auto uses = exercise(appended != P::None, cleared != P::None, chosen != P::None);
        QVERIFY2(uses, "the record's user blocked");
        QCOMPARE(uses->appended, appended);
        QCOMPARE(uses->startedAnew, cleared);
        QCOMPARE(uses->chosen, chosen);
        QCOMPARE(uses->read, read);
        QCOMPARE(uses->lines, games);
        QCOMPARE(snapshot(top.path()), before);

        std::exchange(undo, [] {})();
        if (!passes)
            return;
        const auto after = exercise(true, false, false);
        QVERIFY(after);
        QCOMPARE(after->appended, P::None);
        QCOMPARE(after->lines, games + 1);
        QCOMPARE(after->skipped, 0);
    }

    // A thousand games kept while the disk fills and frees at random moments, beside another
    // copy that appends until it is killed: every game is in the record once, exactly as
    // played, or among those the player is told about; no line cut off counts.
    void thousandGamesThroughAFillingDisk()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"games.tsv"_s);
        const QDateTime mine(QDate(2026, 12, 7), QTime(0, 0), Qt::UTC);
        const QDateTime others = mine.addYears(1);
        const auto played = [](const QDateTime &from, int n) {
            FinishedGame g = game(1 + n % 3, n % 11);
            g.playedAt = from.addSecs(n);
            return g;
        };
        const pid_t other = ::fork();
        QVERIFY(other >= 0);
        if (other == 0) {
            const RecordFile file(path);
            for (int n = 0;; ++n) {
                file.append(RecordLine::serialise(played(others, n)));
                ::usleep(300);
            }
        }
        rlimit unlimited{};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &unlimited), 0);
        const auto cleanUp = qScopeGuard([&] {
            ::setrlimit(RLIMIT_FSIZE, &unlimited);
            ::kill(other, SIGKILL);
            ::waitpid(other, nullptr, 0);
        });
        constexpr int Games = 1000;
        int n = 0;
        Record record(RecordFile(path), [&] { return mine.addSecs(n); });
        // What the window was told last of the games in memory.
        int toldLast = 0;
        QObject::connect(&record, &Record::stateChanged,
                         [&](const RecordState &state) { toldLast = state.unsaved; });
        std::mt19937 random(20261207);
        {
            // Hundreds of failed appends, each logged.
            QLoggingCategory::setFilterRules(u"chuikomer.record.warning=false"_s);
            const auto loud = qScopeGuard([] { QLoggingCategory::setFilterRules({}); });
            for (; n < Games; ++n) {
                if (n == Games / 2) {
                    ::kill(other, SIGKILL);
                    ::waitpid(other, nullptr, 0);
                }
                if (random() % 20 == 0) {
                    rlimit full = unlimited;
                    full.rlim_cur = rlim_t(QFileInfo(path).size()) + random() % 150;
                    ::setrlimit(RLIMIT_FSIZE, &full);
                } else if (random() % 20 == 0) {
                    ::setrlimit(RLIMIT_FSIZE, &unlimited);
                }
                // The last games find the disk full, and the player is told of them.
                if (n == Games - 3) {
                    rlimit full = unlimited;
                    full.rlim_cur = rlim_t(QFileInfo(path).size());
                    ::setrlimit(RLIMIT_FSIZE, &full);
                }
                record.keep(played({}, n));
                QCOMPARE(toldLast, record.state().unsaved);
            }
            ::setrlimit(RLIMIT_FSIZE, &unlimited);
        }
        const int told = record.state().unsaved;

        int readable = 0;
        auto count = [&](int &kept, int &unreadable) {
            QSet<QByteArray> seen;
            kept = unreadable = readable = 0;
            QList<QByteArray> lines = contents(path).split('\n');
            // What follows the last newline is no line of its own.
            unreadable = lines.takeLast().isEmpty() ? 0 : 1;
            for (const QByteArray &line : lines.sliced(1)) {
                const auto game = RecordLine::parse(line);
                if (!game) {
                    ++unreadable;
                    continue;
                }
                QVERIFY2(!seen.contains(line), line.constData());
                seen.insert(line);
                ++readable;
                const QDateTime from = game->playedAt < others ? mine : others;
                const FinishedGame written = played(from, int(from.secsTo(game->playedAt)));
                QCOMPARE(line.first(line.lastIndexOf('\t')) + '\n', RecordLine::serialise(written));
                kept += from == mine;
            }
        };
        int kept = 0;
        int unreadable = 0;
        count(kept, unreadable);
        QCOMPARE(kept + told, Games);
        QVERIFY2(unreadable <= 1, qPrintable(QString::number(unreadable)));
        QCOMPARE(told, 3);
        // The statistics count the games in memory with those in the file.
        int summed = -1;
        QObject::connect(&record, &Record::statisticsChanged,
                         [&](const Statistics &sums) { summed = sums.games(Statistics::Total); });
        record.read();
        QTRY_VERIFY(summed >= 0);
        QCOMPARE(summed, readable + told);
        // With room again, the rest go too, once.
        QVERIFY(record.saveUnsaved());
        count(kept, unreadable);
        QCOMPARE(kept, Games);
    }
#endif
};

QTEST_GUILESS_MAIN(TestRecord)
#include "tst_record.moc"
