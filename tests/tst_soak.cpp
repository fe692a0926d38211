// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LoggedGame.h"

#include <QTest>
#include <random>

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
            LoggedGame logged(Game::Random{[] { return QByteArray("0123456789abcdef"); },
                                           [&](int offered) {
                                               return Game::Drawn{int(unit(rng) * offered), {}};
                                           }});
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
};

QTEST_GUILESS_MAIN(TestSoak)
#include "tst_soak.moc"
