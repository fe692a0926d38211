// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LoggedGame.h"
#include "SealedDraw.h"
#include "SystemRandom.h"
#include "TestSupport.h"

#include <QTest>
#include <chrono>
#include <cmath>
#include <random>
#include <stdexcept>

using TestSupport::ScriptedRandom;

// A game on a logged board, with the hidden pictures chosen by the test.
struct Table {
    ScriptedRandom random;
    LoggedGame record{random};
    Game &game = record.game;

    // Plays a whole game at level `number` (1..3): hidden[n], guessed[n] for attempts 1..10.
    void play(int number, const std::array<int, 10> &hidden, const std::array<int, 10> &guessed)
    {
        random.hideAll(hidden, number * 5);
        game.chooseLevel(TestSupport::level(number));
        for (int g : guessed)
            game.guess(g);
    }

    std::array<int, 20> slots() const
    {
        std::array<int, 20> all{};
        for (int n = 1; n <= 10; ++n)
            all[n - 1] = game.hidden(n), all[n + 9] = game.guessed(n);
        return all;
    }
};

class TestGame : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void scoreCountsHitsOfAWholeGame_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("hits");
        // Training shows each answer as soon as it is guessed.
        QTest::addColumn<bool>("training");
        QTest::newRow("none") << 1 << 0 << false;
        QTest::newRow("one") << 2 << 1 << false;
        QTest::newRow("three") << 1 << 3 << false;
        QTest::newRow("nine") << 3 << 9 << false;
        QTest::newRow("ten") << 3 << 10 << false;
        QTest::newRow("training, three") << 2 << 3 << true;
        QTest::newRow("training, ten") << 3 << 10 << true;
    }
    void scoreCountsHitsOfAWholeGame()
    {
        QFETCH(int, level);
        QFETCH(int, hits);
        QFETCH(bool, training);
        const int offered = level * 5;
        std::array<int, 10> hidden{}, guessed{};
        for (int n = 0; n < 10; ++n) {
            hidden[n] = (n * 7 + 3) % offered;
            // Hits at the last attempts, misses one picture further on.
            guessed[n] = n >= 10 - hits ? hidden[n] : (hidden[n] + 1) % offered;
        }
        Table t;
        t.game.setTraining(training);
        t.record.log.clear();
        t.random.hideAll(hidden, level * 5);
        t.game.chooseLevel(TestSupport::level(level));
        for (int n = 1; n <= 10; ++n) {
            t.game.guess(guessed[n - 1]);
            // The answer at once in training, every one after the tenth guess in the test.
            QCOMPARE(t.record.board.cell(n).revealed, training || n == 10);
        }

        QCOMPARE(t.game.attempt(), Game::NoGame);
        QCOMPARE(t.game.score().value_or(-1), hits);
        QVERIFY(t.game.levelChoiceOpen());
        // The reveal shows every hidden picture and strikes exactly the misses.
        for (int n = 1; n <= 10; ++n) {
            const Board::Cell &cell = t.record.board.cell(n);
            QVERIFY(cell.revealed);
            QCOMPARE(cell.hidden, hidden[n - 1]);
            QCOMPARE(cell.struck, n <= 10 - hits);
        }
        // The board is drawn whole before the game says it changed, and the finished game goes
        // last, once and as played, to whoever keeps it.
        const QStringList &log = t.record.log;
        QCOMPARE(log.count(u"changed"_s), 11);
        QCOMPARE(log.mid(log.size() - 3), (QStringList{u"board"_s, u"changed"_s, u"finished"_s}));
        QCOMPARE(t.record.finished.size(), 1u);
        QCOMPARE(t.record.finished[0].level, TestSupport::level(level));
        QCOMPARE(t.record.finished[0].hidden, hidden);
        QCOMPARE(t.record.finished[0].guessed, guessed);
        QCOMPARE(t.record.finished[0].training, training);
    }

    void sameGuessEveryAttemptIsScoredPerAttempt()
    {
        Table t;
        t.play(1, {2, 0, 2, 1, 2, 3, 4, 2, 0, 1}, {2, 2, 2, 2, 2, 2, 2, 2, 2, 2});
        QCOMPARE(t.game.score(), 4);
    }

    void clicksOutsideAGameChangeNothing()
    {
        Table t;
        const auto before = t.slots();
        for (int i = 0; i < 15; ++i)
            t.game.guess(i);
        QVERIFY(t.record.log.isEmpty());
        QCOMPARE(t.slots(), before);
        QCOMPARE(t.game.attempt(), Game::NoGame);

        // After the tenth guess the reveal, the verdict and every slot stay until a level is
        // chosen.
        t.play(2, {1, 2, 3, 4, 5, 6, 7, 8, 9, 0}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 1});
        const QStringList log = t.record.log;
        const auto played = t.slots();
        for (int i = 0; i < 15; ++i)
            t.game.guess(i);
        QCOMPARE(t.record.log, log);
        QCOMPARE(t.slots(), played);
        QCOMPARE(t.game.score(), 9);
    }

    // The level buttons close with a level choice and open again with the first guess.
    void levelChoiceMidGameRestarts()
    {
        Table t;
        QVERIFY(t.game.levelChoiceOpen());
        t.game.chooseLevel(TestSupport::level(3));
        QVERIFY(!t.game.levelChoiceOpen());
        // The rules hold without the buttons: a choice while closed changes nothing.
        const QStringList log = t.record.log;
        t.game.chooseLevel(TestSupport::level(1));
        QCOMPARE(t.game.level(), TestSupport::level(3));
        QCOMPARE(t.record.log, log);
        for (int i = 0; i < 4; ++i)
            t.game.guess(i);
        QVERIFY(t.game.levelChoiceOpen());
        QCOMPARE(t.game.attempt(), 5);
        t.game.chooseLevel(TestSupport::level(2));
        QCOMPARE(t.game.level(), TestSupport::level(2));
        QCOMPARE(t.game.attempt(), 1);
        QVERIFY(!t.game.levelChoiceOpen());
        QCOMPARE(t.game.guessed(1), Board::NoPicture);
        QVERIFY(!t.game.score());
        // A switch of mode starts anew too, mid-game and also while the level buttons are
        // closed, with a new draw; the same mode again changes nothing.
        for (const int guesses : {3, 0, 0}) {
            for (int i = 0; i < guesses; ++i)
                t.game.guess(i);
            t.game.setTraining(guesses > 0);
            QCOMPARE(t.game.attempt(), 1);
            QCOMPARE(t.game.guessed(1), Board::NoPicture);
        }
        QCOMPARE(*t.random.drawn, 4);
        // An abandoned game is no finished game.
        QVERIFY(t.record.finished.empty());
    }

    void levelsOfferTheirRowsOfPictures()
    {
        Table t;
        const auto offeredUpTo = [&](int end) {
            for (int k = -1; k <= 15; ++k)
                if (t.game.offers(k) != (k >= 0 && k < end))
                    return false;
            return true;
        };
        QVERIFY(offeredUpTo(15));
        t.game.chooseLevel(TestSupport::level(3));
        QVERIFY(offeredUpTo(15));
        t.game.guess(0);
        t.game.chooseLevel(TestSupport::level(1));
        QVERIFY(offeredUpTo(5));
        t.game.guess(0);
        t.game.chooseLevel(TestSupport::level(2));
        QVERIFY(offeredUpTo(10));
    }

    void badNumbersChangeNothing()
    {
        for (int bad : {-1, 0, 4, -32768, 32767})
            QVERIFY(!Level::numbered(bad));
        Table t;
        t.game.chooseLevel(TestSupport::level(1));
        const QStringList log = t.record.log;
        // Level 1 offers pictures 0..4 only.
        for (int bad : {5, 14, 15, -1, 32767})
            t.game.guess(bad);
        QCOMPARE(t.record.log, log);
        QCOMPARE(t.game.attempt(), 1);
    }

    // A faulty source still hides an offered picture: the last for one past the range, the
    // first for one below it.
    void faultyDrawsAreClamped()
    {
        Table t;
        t.random.hide({15, -1, 14}, 15);
        t.game.chooseLevel(TestSupport::level(3));
        for (int i = 0; i < 2; ++i)
            t.game.guess(i);
        QCOMPARE(t.game.hidden(1), 14);
        QCOMPARE(t.game.hidden(2), 0);
        QCOMPARE(t.game.hidden(3), 14);
    }

    // The game's seal is there before the first guess and opens with its secret only once the
    // game is over: the SHA-256 of the text the help gives, checked against one worked out by
    // `sha256sum` from that text alone, and against the help's own worked example.
    void sealComesBeforeGuessesAndSecretAfter()
    {
        Seal::Secret secret;
        for (std::size_t i = 0; i < secret.size(); ++i)
            secret[i] = std::uint8_t(0x11 * i);
        const Seal::Pictures example{2, 0, 3, 0, 4, 1, 1, 4, 2, 4};
        const QByteArray known = "a95d0abdae747cdca7e406d72feab86cfe05c0fcdfa44fde95965b0d87a44f15";
        QCOMPARE(Seal::of("0123456789abcdef", 1, example, secret), known);
        QCOMPARE(Seal::shellCommand("0123456789abcdef", 1, example, secret),
                 "printf 'chuikomer-game:%s:%s:%s:%s' 0123456789abcdef 1 '3 1 4 1 5 2 2 5 3 5' "
                 "00112233445566778899aabbccddeeff | sha256sum"_ba);
        for (const char *help : {"Help.html", "Справка.html"}) {
            QFile file(QStringLiteral(CHUIKOMER_HELP_DIR "/") + QString::fromUtf8(help));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QVERIFY2(file.readAll().contains(known), help);
        }

        Table t;
        t.random.hide({4, 3, 2, 1, 0, 4, 3, 2, 1, 0}, 5);
        t.game.chooseLevel(TestSupport::level(1));
        const QByteArray seal = t.game.seal();
        for (int n = 1; n <= Game::Attempts; ++n) {
            QCOMPARE(t.game.seal(), seal);
            QVERIFY(!t.game.secret() && !t.game.hiddenPictures());
            t.game.guess(0);
        }
        const FinishedGame &done = t.record.finished.back();
        QCOMPARE(done.game, t.game.gameId());
        QCOMPARE(done.secret, *t.game.secret());
        QCOMPARE(done.seal(), seal);
        QCOMPARE(Seal::of(t.game.gameId(), 1, *t.game.hiddenPictures(), *t.game.secret()), seal);
        // A new game seals afresh and tells nothing of its pictures while it is played.
        t.game.chooseLevel(TestSupport::level(1));
        QVERIFY(t.game.seal() != seal);
        QVERIFY(!t.game.secret() && !t.game.hiddenPictures());
    }

    // The real draw: a million pictures per level, uniform by a chi-square test, and a hundred
    // thousand played, none depending on the guess made at its attempt. The bounds are
    // chi-square's 1 - 1e-5 points (4, 9, 14 degrees of freedom for the pictures; 24, 99, 224
    // for the pairs of a uniform guess and the picture hidden with it), so a sound draw fails
    // once in 100,000 runs.
    void realDrawIsUniformAndBlindToGuesses()
    {
        auto chi2 = [](const std::vector<int> &observed, int total) {
            const double expected = double(total) / double(observed.size());
            double sum = 0;
            for (int o : observed)
                sum += (o - expected) * (o - expected) / expected;
            return sum;
        };
        const SealedDraw draw(SystemRandom::fill);
        for (const Level level : Level::all()) {
            const int offered = level.pictures();
            constexpr int Draws = 1'000'000;
            std::vector<int> counts(std::size_t(offered), 0);
            for (int i = 0; i < Draws / Game::Attempts; ++i)
                for (const int p : draw.draw(offered).pictures) {
                    QVERIFY(p >= 0 && p < offered);
                    ++counts[std::size_t(p)];
                }
            const double pictures[] = {28.47, 39.34, 48.72};
            QVERIFY2(
                chi2(counts, Draws) < pictures[level.place()],
                qPrintable(u"level %1 chi2 %2"_s.arg(level.number()).arg(chi2(counts, Draws))));

            // A picture that followed the guess would crowd some pairs and empty others.
            constexpr int Played = 100'000;
            std::mt19937 guesser(std::uint32_t(level.number()));
            std::vector<int> pairs(std::size_t(offered * offered), 0);
            LoggedGame record{draw.random()};
            for (int g = 0; g < Played / Game::Attempts; ++g) {
                record.game.chooseLevel(level);
                for (int n = 1; n <= Game::Attempts; ++n) {
                    const int guess = int(guesser() % std::uint32_t(offered));
                    ++pairs[std::size_t(guess * offered + record.game.hidden(n))];
                    record.game.guess(guess);
                }
                record.log.clear();
                record.finished.clear();
            }
            const double joint[] = {66.0, 171.0, 326.1};
            QVERIFY2(chi2(pairs, Played) < joint[level.place()],
                     qPrintable(
                         u"level %1 joint chi2 %2"_s.arg(level.number()).arg(chi2(pairs, Played))));
        }
        // The system's source itself gives fresh bytes each time.
        Seal::Secret a{}, b{};
        QVERIFY(SystemRandom::fill(a) && SystemRandom::fill(b));
        QVERIFY(a != b);
    }

    // A source that fails leaves the standard library's device, and pictures in range; a word
    // is passed over exactly from the last whole round of pictures on.
    void drawSurvivesFailingSourceAndFavoursNone()
    {
        const SealedDraw draw([](std::span<std::uint8_t>) { return false; });
        const Game::Drawn first = draw.draw(15);
        for (int i = 0; i < 100; ++i) {
            const Game::Drawn d = draw.draw(15);
            for (const int p : d.pictures)
                QVERIFY(p >= 0 && p < 15);
            QVERIFY(d.secret != first.secret && d.game != first.game && Seal::isGame(d.game));
        }
        constexpr std::uint64_t Words = std::uint64_t(1) << 32;
        for (const int offered : {5, 10, 15}) {
            const auto limit = std::uint32_t(Words - Words % std::uint64_t(offered));
            QCOMPARE(SealedDraw::picture(limit - 1, offered), int((limit - 1) % offered));
            QCOMPARE(SealedDraw::picture(limit, offered), std::nullopt);
            QCOMPARE(SealedDraw::picture(0, offered), 0);
        }
    }
};

QTEST_GUILESS_MAIN(TestGame)
#include "tst_game.moc"
