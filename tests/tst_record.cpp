#include "RecordFile.h"
#include "RecordLine.h"
#include "Statistics.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <thread>

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

Statistics readAll(const RecordFile &file)
{
    Statistics s;
    if (!file.read([&s](QByteArrayView line) { s.addLine(line); }))
        qWarning("the record could not be read");
    return s;
}

} // namespace

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
        QVERIFY(RecordFile(path).append(RecordLine::serialise(game(2, 9)), RecordLine::header()));
        const Statistics after = readAll(RecordFile(path));
        QCOMPARE(after.games(2), 1);
        QCOMPARE(after.skippedLines(), 6);
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().startsWith(text));
    }

    void emptyOrMissingRecordHasNoGames()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"games.tsv"_s);
        QVERIFY(RecordFile(path).read([](QByteArrayView) { QFAIL("a line in no file"); }));
        TestSupport::writeFile(path, {});
        const Statistics s = readAll(RecordFile(path));
        QCOMPARE(s.games(Statistics::Total), 0);
        QCOMPARE(s.skippedLines(), 0);
        // The first game of an empty file comes with the tag line.
        QVERIFY(RecordFile(path).append(RecordLine::serialise(game(1, 1)), RecordLine::header()));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), RecordLine::header() + RecordLine::serialise(game(1, 1)));
    }

    void nowhereToWriteFailsWithoutHarm()
    {
        QTemporaryDir dir;
        // A file where the folder should be, and a folder where the file should be: neither
        // stops root, as a read-only mode would not.
        TestSupport::writeFile(dir.filePath(u"blocked"_s), "not a folder");
        QVERIFY(QDir(dir.path()).mkdir(u"games.tsv"_s));
        const QByteArray line = RecordLine::serialise(game(1, 1));
        QVERIFY(!RecordFile(dir.filePath(u"blocked/games.tsv"_s)).append(line, {}));
        QVERIFY(!RecordFile(dir.filePath(u"games.tsv"_s)).append(line, {}));
    }

    void twoWritersAppendWholeLines()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"games.tsv"_s);
        constexpr int Each = 400;
        auto writer = [&](int level) {
            const RecordFile file(path);
            for (int i = 0; i < Each; ++i)
                QVERIFY(
                    file.append(RecordLine::serialise(game(level, i % 11)), RecordLine::header()));
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
            QVERIFY(file.append(RecordLine::serialise(game(1, round)), RecordLine::header()));
        QVERIFY(file.startAnew(u"2026-12-07"_s));
        QVERIFY(!QFileInfo::exists(path));
        QVERIFY(file.append(RecordLine::serialise(game(2, 2)), RecordLine::header()));
        QVERIFY(file.startAnew(u"2026-12-07"_s));
        QCOMPARE(readAll(RecordFile(dir.filePath(u"games-2026-12-07.tsv"_s))).games(1), 2);
        QCOMPARE(readAll(RecordFile(dir.filePath(u"games-2026-12-07-2.tsv"_s))).games(2), 1);
    }
};

QTEST_GUILESS_MAIN(TestRecord)
#include "tst_record.moc"
