#include "FakeWindow.h"
#include "Game.h"

#include <QTest>
#include <bitset>
#include <random>

// Checks every board call against what the current game has written so far.
class CheckingBoard : public Board
{
public:
    const Game *game = nullptr;
    int level = 0;                 // of the game the board belongs to
    std::array<int, 21> written{}; // values written since the last clear
    std::bitset<21> isWritten;
    QStringList faults;

    void clear() override { isWritten.reset(); }
    // The hidden picture is stored before its attempt is drawn; the reveal must show it.
    void drawAttemptStart(int n) override
    {
        if (!cell(n) || !offered(game->hidden(n)))
            return;
        written[n] = game->hidden(n);
        isWritten.set(n);
    }
    void drawGuess(int n, int g) override
    {
        if (!cell(n) || !offered(g))
            return;
        if (!isWritten[n])
            faults << u"guess at %1 before the attempt began"_s.arg(n);
        written[n + 10] = g;
        isWritten.set(n + 10);
    }
    void drawReveal(int n, int h) override
    {
        if (!cell(n) || !offered(h) || !bothWritten(n))
            return;
        if (h != written[n])
            faults << u"reveal %1 shows %2, hidden was %3"_s.arg(n).arg(h).arg(written[n]);
    }
    void drawStrike(int n) override
    {
        if (cell(n) && bothWritten(n) && written[n] == written[n + 10])
            faults << u"strike on a hit at %1"_s.arg(n);
    }

private:
    bool cell(int n)
    {
        if (n >= 1 && n <= 10)
            return true;
        faults << u"drawing outside the cells: %1"_s.arg(n);
        return false;
    }
    bool offered(int p)
    {
        if (p >= 0 && p < level * 5)
            return true;
        faults << u"picture %1 not offered at level %2"_s.arg(p).arg(level);
        return false;
    }
    bool bothWritten(int n)
    {
        if (isWritten[n] && isWritten[n + 10])
            return true;
        faults << u"attempt %1 read before it was written in this game"_s.arg(n);
        return false;
    }
};

class TestSoak : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void randomEventSequencesKeepTheInvariants()
    {
        std::mt19937 rng(20261207);
        std::uniform_real_distribution<double> unit(0.0, 1.0);
        std::uniform_int_distribution<int> length(1, 40), kind(0, 9), levelIndex(-2, 4),
            pictureIndex(-2, 16);
        int games = 0;
        for (int sequence = 0; sequence < 100'000; ++sequence) {
            FakeWindow view;
            CheckingBoard board;
            Game game(view, board, [&] { return unit(rng); });
            board.game = &game;
            const int events = length(rng);
            for (int e = 0; e < events; ++e) {
                const int before = game.attempt();
                if (kind(rng) == 0) {
                    const int index = levelIndex(rng);
                    if (index >= 0 && index <= 2)
                        board.level = index + 1;
                    game.chooseLevel(index);
                } else {
                    game.guess(pictureIndex(rng));
                }
                const int a = game.attempt();
                QVERIFY2(a == Game::NoGame || (a >= 1 && a <= 10),
                         qPrintable(u"attempt %1"_s.arg(a)));
                if (before == 10 && a == Game::NoGame)
                    ++games;
                if (!board.faults.isEmpty())
                    QFAIL(qPrintable(u"sequence %1, event %2: "_s.arg(sequence).arg(e) +
                                     board.faults.join(u"; "_s)));
            }
        }
        // The sequences are long enough that plenty of games reach their reveal.
        QVERIFY2(games > 1000, qPrintable(QString::number(games)));
    }
};

QTEST_GUILESS_MAIN(TestSoak)
#include "tst_soak.moc"
