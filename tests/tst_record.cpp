// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RecordFile.h"
#include "RecordLine.h"
#include "RecordReader.h"
#include "Statistics.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <future>
#include <latch>
#include <thread>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;

namespace
{

FinishedGame game(int level, int hits)
{
    FinishedGame g;
    g.playedAt = QDateTime(QDate(2026, 12, 7), QTime(9, 22, 20), Qt::UTC);
    g.level = level;
    for (int i = 0; i < Game::Attempts; ++i) {
        g.hidden[i] = (i * 7) % g.offeredPictures();
        g.guessed[i] = i < hits ? g.hidden[i] : (g.hidden[i] + 1) % g.offeredPictures();
    }
    return g;
}

// Appends a game as the program does: the tag line first in a new record.
RecordProblem add(const RecordFile &file, int level, int hits)
{
    return file.append(RecordLine::serialise(game(level, hits)), RecordLine::header());
}

Statistics readAll(const RecordFile &file)
{
    Statistics s;
    if (file.read([&s](QByteArrayView line) { s.addLine(line); }) != RecordProblem::None)
        qWarning("the record could not be read");
    return s;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Runs `work` on a thread of its own and waits a second for it: code that blocks fails the
// test instead of hanging it. A thread that never returns is left behind, so `work` holds
// copies, never references.
template <typename Work> auto withinASecond(Work work)
{
    using Result = decltype(work());
    auto promise = std::make_shared<std::promise<Result>>();
    auto future = promise->get_future();
    std::thread([work, promise] { promise->set_value(work()); }).detach();
    return future.wait_for(std::chrono::seconds(1)) == std::future_status::ready
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
    int lines;
};

} // namespace

Q_DECLARE_METATYPE(RecordProblem)

class TestRecord : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The format pinned, since records written by earlier versions must still be read.
    void aLineReadsBackAsItsGameInTheKeptFormat()
    {
        QCOMPARE(RecordLine::header(), "#chuikomer-games\t1\n"_ba);
        const FinishedGame third = game(3, 4);
        const QByteArray line = RecordLine::serialise(third);
        QVERIFY(line.startsWith("2026-12-07T09:22:20Z\t3\t1 8 15 7 14 6 13 5 12 4\t"));
        const auto back = RecordLine::parse(line.chopped(1));
        QVERIFY(back);
        QCOMPARE(back->playedAt, third.playedAt);
        QCOMPARE(back->hidden, third.hidden);
        QCOMPARE(back->guessed, third.guessed);
        QCOMPARE(back->hits(), 4);
        // Pictures are counted from 1 in the file: a 0 is no picture.
        QVERIFY(!RecordLine::parse(
            "2026-12-07T09:22:20Z\t1\t0 3 5 2 4 1 3 5 2 4\t1 3 5 2 4 1 3 5 2 4"));
        QVERIFY(
            RecordLine::parse("2026-12-07T09:22:20Z\t1\t1 3 5 2 4 1 3 5 2 4\t1 3 5 2 4 1 3 5 2 4"));
    }

    void unreadableLinesAreSkippedAndCounted()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"games.tsv"_s);
        const QByteArray good = RecordLine::serialise(game(1, 3));
        QByteArray text = RecordLine::header() + good;
        text += "garbage \xff\x00 line\n"_ba;
        // A newer version's line, with a field more.
        text += good.chopped(1) + "\tmore\n";
        // Out of range: picture 6 at the first level, level 4, 30 February.
        const QByteArray pictures = "\t1 3 5 2 4 1 3 5 2 4\t1 3 5 2 4 1 3 5 2 4\n"_ba;
        text += "2026-12-07T09:22:20Z\t1\t6" + pictures.sliced(2);
        text += "2026-12-07T09:22:20Z\t4" + pictures;
        text += "2026-02-30T09:22:20Z\t1" + pictures;
        text += "\n" + good;
        // Torn in the middle of the last game.
        text += good.first(good.size() / 2);
        TestSupport::writeFile(path, text);
        const Statistics s = readAll(RecordFile(path));
        QCOMPARE(s.games(Statistics::Total), 2);
        QCOMPARE(s.hits(1), 6);
        QCOMPARE(s.skippedLines(), 6);

        // The next game starts on a line of its own; the torn one stays as it was.
        QCOMPARE(add(RecordFile(path), 2, 9), RecordProblem::None);
        const Statistics after = readAll(RecordFile(path));
        QCOMPARE(after.games(2), 1);
        QCOMPARE(after.skippedLines(), 6);
        QVERIFY(contents(path).startsWith(text));
    }

    void emptyOrMissingRecordHasNoGames()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"games.tsv"_s);
        QCOMPARE(RecordFile(path).read([](QByteArrayView) { QFAIL("a line in no file"); }),
                 RecordProblem::None);
        TestSupport::writeFile(path, {});
        const Statistics s = readAll(RecordFile(path));
        QCOMPARE(s.games(Statistics::Total), 0);
        QCOMPARE(s.skippedLines(), 0);
        // The first game of an empty file comes with the tag line.
        QCOMPARE(add(RecordFile(path), 1, 1), RecordProblem::None);
        QCOMPARE(contents(path), RecordLine::header() + RecordLine::serialise(game(1, 1)));
    }

    void nowhereToWriteFailsWithoutHarm()
    {
        QTemporaryDir dir;
        // A file where the folder should be stops root too, as a read-only mode would not.
        TestSupport::writeFile(dir.filePath(u"blocked"_s), "not a folder");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^Appending to the record "
                                                              u"\".*/blocked/games.tsv\" failed: "
                                                              u"\\w"_s));
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(u"^Appending to the record \"\" failed: "
                                                u"neither HOME nor XDG_DATA_HOME is set$"_s));
        QCOMPARE(add(RecordFile(dir.filePath(u"blocked/games.tsv"_s)), 1, 1),
                 RecordProblem::Failed);
        QCOMPARE(add(RecordFile(QString()), 1, 1), RecordProblem::NoHome);
    }

    void twoWritersAppendWholeLines()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"games.tsv"_s);
        constexpr int Each = 400;
        auto writer = [&](int level) {
            const RecordFile file(path);
            for (int i = 0; i < Each; ++i)
                QCOMPARE(add(file, level, i % 11), RecordProblem::None);
        };
        std::thread first(writer, 1);
        std::thread second(writer, 3);
        first.join();
        second.join();
        const Statistics s = readAll(RecordFile(path));
        QCOMPARE(s.skippedLines(), 0);
        QCOMPARE(s.games(1), Each);
        QCOMPARE(s.games(3), Each);
    }

    void startingAnewKeepsTheOldRecord()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"games.tsv"_s);
        const RecordFile file(path);
        for (int round = 0; round < 2; ++round)
            QCOMPARE(add(file, 1, round), RecordProblem::None);
        QCOMPARE(file.startAnew(u"2026-12-07"_s), RecordProblem::None);
        QVERIFY(!QFileInfo::exists(path));
        QCOMPARE(add(file, 2, 2), RecordProblem::None);
        QCOMPARE(file.startAnew(u"2026-12-07"_s), RecordProblem::None);
        QCOMPARE(readAll(RecordFile(dir.filePath(u"games-2026-12-07.tsv"_s))).games(1), 2);
        QCOMPARE(readAll(RecordFile(dir.filePath(u"games-2026-12-07-2.tsv"_s))).games(2), 1);
    }

    // The record holds only what it was when opened, however it grows meanwhile.
    void readingStopsAtTheSizeWhenOpened()
    {
        QTemporaryDir dir;
        const RecordFile file(dir.filePath(u"games.tsv"_s));
        QCOMPARE(add(file, 1, 1), RecordProblem::None);
        RecordReader reader(file.path());
        QCOMPARE(add(file, 2, 2), RecordProblem::None);
        Statistics s;
        QCOMPARE(reader.read([&s](QByteArrayView line) { s.addLine(line); }), RecordProblem::None);
        QCOMPARE(s.games(Statistics::Total), 1);
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
        const QByteArray kept = RecordLine::header() + RecordLine::serialise(game(3, 3));
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
                QtWarningMsg,
                QRegularExpression(u"^%1 the record \"%2\" failed: %3$"_s.arg(
                    QLatin1StringView(what), QRegularExpression::escape(path),
                    QRegularExpression::escape(RecordProblems::describe(problem, 0)))));
        const RecordFile file(path);
        const auto uses = withinASecond([file] {
            Uses u{};
            u.appended = add(file, 1, 1);
            u.read = file.read([&u](QByteArrayView) { ++u.lines; });
            u.startedAnew = file.startAnew(u"2026-12-07"_s);
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
        QCOMPARE(*cleared, RecordProblem::None);
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
        const auto created = withinASecond([path = dir.path()] {
            QByteArray all;
            for (int round = 0; round < 100; ++round) {
                const RecordFile file(path + u"/games-"_s + QString::number(round) + u".tsv"_s);
                std::latch ready(2);
                auto create = [&](int level) {
                    ready.arrive_and_wait();
                    return add(file, level, 1);
                };
                auto other = std::async(std::launch::async, create, 2);
                const bool written = create(1) == RecordProblem::None;
                if (!written || other.get() != RecordProblem::None)
                    return QByteArray("not written");
                all += contents(file.path());
            }
            return all;
        });
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
        QCOMPARE(readAll(RecordFile(archive)).games(Statistics::Total), 1);
        QCOMPARE(contents(file.path()), RecordLine::header() + RecordLine::serialise(game(3, 7)));
    }
#endif
};

QTEST_GUILESS_MAIN(TestRecord)
#include "tst_record.moc"
