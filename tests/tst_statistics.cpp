// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ChartGeometry.h"
#include "Game.h"
#include "Statistics.h"
#include "TestSupport.h"

#include <QTest>
#include <cmath>
#include <map>
#include <random>

using namespace Qt::StringLiterals;
using Finding = Statistics::Finding;
using Strength = Statistics::Strength;
using TestSupport::addGames;

Q_DECLARE_METATYPE(Statistics::Finding)
Q_DECLARE_METATYPE(Statistics::Strength)

namespace
{

double chanceAt(int level)
{
    return TestSupport::level(level).chance();
}

Finding judge(int level, qint64 games, qint64 hits)
{
    return Statistics::judge(TestSupport::level(level), games * Game::Attempts, hits);
}

// The chance of each count of right guesses in one game, at `share`.
std::array<double, Game::Attempts + 1> oneGame(double share)
{
    std::array<double, Game::Attempts + 1> p{};
    for (int k = 0; k <= Game::Attempts; ++k)
        p[k] = std::tgamma(Game::Attempts + 1) / std::tgamma(k + 1) /
               std::tgamma(Game::Attempts + 1 - k) * std::pow(share, k) *
               std::pow(1 - share, Game::Attempts - k);
    return p;
}

bool notable(Finding f)
{
    return f == Finding::StandsOut || f == Finding::BelowLuck;
}

// Running hits that keep to one edge of the band: at it for `run` games, then just inside it
// for as many, as far as ten guesses a game allow.
std::vector<qint32> alongTheEdge(int level, qint64 games, bool upper, qint64 run = 1)
{
    std::vector<qint32> running;
    qint64 hits = 0;
    for (qint64 g = 1; g <= games; ++g) {
        const Evidence::Edges e = Evidence::edges(g * Game::Attempts, chanceAt(level));
        const qint64 edge = upper ? e.above.value_or(g * Game::Attempts + 1) : e.below.value_or(-1);
        const qint64 inside = upper ? edge - 1 : edge + 1;
        const qint64 target = (g / run) % 2 ? edge : inside;
        hits = std::clamp(target, hits, hits + Game::Attempts);
        running.push_back(qint32(hits));
    }
    return running;
}

// A player right with `skill` at each guess, the same every run.
std::vector<qint32> player(qint64 games, double skill, unsigned seed)
{
    std::mt19937 random(seed);
    std::binomial_distribution<int> game(Game::Attempts, skill);
    std::vector<qint32> running;
    qint64 hits = 0;
    for (qint64 g = 0; g < games; ++g)
        running.push_back(qint32(hits += game(random)));
    return running;
}

// What the drawing shows at one place across: the line's extremes and the band's edges there,
// in pixels, taken from the polygons that are painted.
struct Drawn {
    double lineTop = 1e9;
    double lineBottom = -1e9;
    double bandTop = 0;
    double bandBottom = 0;
};

std::map<double, Drawn> drawn(const ChartGeometry &g)
{
    std::map<double, Drawn> at;
    for (const QPointF &p : g.series) {
        Drawn &d = at[p.x()];
        d.lineTop = std::min(d.lineTop, p.y());
        d.lineBottom = std::max(d.lineBottom, p.y());
    }
    // The upper edge from left to right, then the lower edge back.
    const qsizetype half = g.band.size() / 2;
    for (qsizetype i = 0; i < half; ++i) {
        at[g.band[i].x()].bandTop = g.band[i].y();
        at[g.band[g.band.size() - 1 - i].x()].bandBottom = g.band[g.band.size() - 1 - i].y();
    }
    // A single game's band spans the plot around its point.
    if (g.series.size() == 1) {
        at[g.series[0].x()].bandTop = g.band[0].y();
        at[g.series[0].x()].bandBottom = g.band.back().y();
    }
    return at;
}

} // namespace

class TestStatistics : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A line of play at a level: unclear, no strong edge, standing out or falling below luck,
    // each exactly where its range of shares puts it against the chance and the strong share.
    void findingsFollowTheRange_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("games");
        QTest::addColumn<int>("hits");
        QTest::addColumn<Finding>("finding");
        QTest::addColumn<Strength>("strength");
        using S = Strength;
        QTest::newRow("8 games at chance") << 1 << 8 << 16 << Finding::Unclear << S::Unknown;
        QTest::newRow("25 games at chance")
            << 1 << 25 << 50 << Finding::NoStrongEdge << S::NotStrong;
        QTest::newRow("third level, 300 games at chance")
            << 3 << 300 << 200 << Finding::NoStrongEdge << S::NotStrong;
        QTest::newRow("a 22% player, 100 games")
            << 1 << 100 << 220 << Finding::NoStrongEdge << S::NotStrong;
        QTest::newRow("2 strong games") << 2 << 2 << 16 << Finding::StandsOut << S::Strong;
        QTest::newRow("21 games, 64 right") << 1 << 21 << 64 << Finding::Unclear << S::Unknown;
        QTest::newRow("100 games at 30%") << 1 << 100 << 300 << Finding::StandsOut << S::Unknown;
        QTest::newRow("a 25% player, 1000 games")
            << 1 << 1000 << 2500 << Finding::StandsOut << S::NotStrong;
        QTest::newRow("30 games, none right") << 1 << 30 << 0 << Finding::BelowLuck << S::NotStrong;
        QTest::newRow("a few games, none right") << 3 << 5 << 0 << Finding::Unclear << S::Unknown;
        QTest::newRow("557 games, 999 right")
            << 1 << 557 << 999 << Finding::NoStrongEdge << S::NotStrong;
    }
    void findingsFollowTheRange()
    {
        QFETCH(int, level);
        QFETCH(int, games);
        QFETCH(int, hits);
        QFETCH(Finding, finding);
        QFETCH(Strength, strength);
        Statistics s;
        addGames(s, level, games, hits);
        const Level at = TestSupport::level(level);
        QCOMPARE(s.finding(at), finding);
        QCOMPARE(s.strength(at), strength);
        QCOMPARE(s.hits(at), hits);
        QCOMPARE(s.expectedHits(at), games * Game::Attempts * chanceAt(level));
        // The range holds the share, and its ends are where the figure reaches Needed.
        const Evidence::Range r = s.range(at);
        const qint64 guesses = qint64(games) * Game::Attempts;
        const double share = double(hits) / double(guesses);
        QVERIFY(r.low <= share && share <= r.high);
        for (const double end : {r.low, r.high})
            if (end > 0 && end < 1) {
                const double outward = end < share ? -1e-9 : 1e-9;
                QVERIFY(Evidence::leavesOut(guesses, hits, end + outward));
                QVERIFY(!Evidence::leavesOut(guesses, hits, end - outward));
            }
        const double chance = chanceAt(level);
        QCOMPARE(r.low > chance, finding == Finding::StandsOut);
        QCOMPARE(r.high < chance, finding == Finding::BelowLuck);
        const double strong = Statistics::strongShare(at);
        QCOMPARE(r.high < strong, strength == Strength::NotStrong);
        QCOMPARE(r.low > strong, strength == Strength::Strong);
        // An open question would settle on the share's side; a settled one has no outlook.
        for (const auto &[o, threshold] : {std::pair(s.chanceOutlook(at), chanceAt(level)),
                                           std::pair(s.strengthOutlook(at), strong)}) {
            QCOMPARE(o.settled, Evidence::leavesOut(guesses, hits, threshold));
            const bool at = std::abs(share - threshold) < 1e-12;
            QCOMPARE(o.above, at ? std::nullopt : std::optional(share > threshold));
            QVERIFY(!(o.games && (o.settled || at)));
        }
        // A line by itself is its own total, which has no strong share to be below.
        QCOMPARE(s.finding(Statistics::Total),
                 finding == Finding::NoStrongEdge ? Finding::Unclear : finding);
    }

    // Exactly, by the hit count's distribution with no sampling: whatever a player's true share
    // on a grid of them, the range leaves it out, at one game at least of 2,000 looked at after
    // every one, at most once in 100 lines of play.
    void rangeHoldsTheTrueShare_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<double>("share");
        const std::array<std::vector<double>, Level::Count> grid{
            std::vector<double>{0.15, 0.2, 0.25, 0.3, 0.35, 0.4, 0.45, 0.5},
            std::vector<double>{0.05, 0.1, 0.15, 0.2, 0.25, 0.3, 0.35, 0.4},
            std::vector<double>{0.03, 0.05, 0.0667, 0.1, 0.15, 0.2, 0.25, 0.3}};
        for (int level = 1; level <= Level::Count; ++level)
            for (double share : grid[std::size_t(level - 1)])
                QTest::addRow("level %d, %.4g%%", level, share * 100) << level << share;
    }
    void rangeHoldsTheTrueShare()
    {
        QFETCH(int, level);
        QFETCH(double, share);
        const auto game = oneGame(share);
        // Counts from `first` on, whose range still holds the share.
        qint64 first = 0;
        std::vector<double> alive{1.0};
        double missed = 0;
        Evidence::Edges e;
        for (qint64 games = 1; games <= 2000; ++games) {
            std::vector<double> next(alive.size() + Game::Attempts, 0.0);
            for (std::size_t i = 0; i < alive.size(); ++i)
                for (int k = 0; k <= Game::Attempts; ++k)
                    next[i + k] += alive[i] * game[k];
            e = Evidence::edges(games * Game::Attempts, share, e);
            const qint64 last = first + qint64(next.size()) - 1;
            for (qint64 h = last; e.above && h >= *e.above && !next.empty(); --h) {
                missed += next.back();
                next.pop_back();
            }
            while (e.below && !next.empty() && first <= *e.below) {
                missed += next.front();
                next.erase(next.begin());
                ++first;
            }
            alive = std::move(next);
        }
        qInfo("left out in %.3f%% of lines", missed * 100);
        QVERIFY2(missed <= 0.01,
                 qPrintable(u"level %1, %2: %3"_s.arg(level).arg(share).arg(missed)));
        // Not so wide that it says nothing.
        QVERIFY2(missed > 0.001,
                 qPrintable(u"level %1, %2: %3"_s.arg(level).arg(share).arg(missed)));
    }

    void totalWeighsEveryLevelTogether()
    {
        Statistics s;
        addGames(s, 1, 20, 40);
        addGames(s, 2, 10, 30);
        addGames(s, 3, 6, 0);
        QCOMPARE(s.hits(Statistics::Total), 70);
        QCOMPARE(s.guesses(Statistics::Total), 360);
        // 70 right where 40 + 10 + 4 are expected.
        QVERIFY(qAbs(s.expectedHits(Statistics::Total) - 54) < 1e-9);
        QVERIFY(qAbs(s.chance(Statistics::Total) - 54.0 / 360) < 1e-12);
        const Level second = TestSupport::level(2);
        QCOMPARE(s.finding(second), Finding::StandsOut);
        QVERIFY(s.evidence(Statistics::Total) > 1 &&
                s.evidence(Statistics::Total) < s.evidence(second));
        Statistics withoutThird;
        addGames(withoutThird, 1, 20, 40);
        addGames(withoutThird, 2, 10, 30);
        QVERIFY(s.evidence(Statistics::Total) < withoutThird.evidence(Statistics::Total));
        // At chance at the first level, none right at the second, more than luck gives at the
        // third: all together, fewer than luck gives.
        Statistics low;
        addGames(low, 1, 100, 200);
        addGames(low, 2, 100, 0);
        addGames(low, 3, 100, 100);
        QCOMPARE(low.finding(TestSupport::level(3)), Finding::StandsOut);
        QCOMPARE(low.finding(Statistics::Total), Finding::BelowLuck);
        QCOMPARE(low.levelsPlayed().size(), 3u);
        QCOMPARE(low.linesShown().back(), Statistics::Total);
    }

    // Exactly, by the hit count's distribution with no sampling: a blind guesser who looks
    // after every one of 1,000 games is told "stands out" or "below luck" at most 1 time in 100.
    void blindGuesserIsRarelyToldOtherwise()
    {
        for (int level = 1; level <= Level::Count; ++level) {
            const auto game = oneGame(chanceAt(level));
            // Still undecided: hits first..first + alive.size() - 1.
            qint64 first = 0;
            std::vector<double> alive{1.0};
            double told = 0;
            for (qint64 games = 1; games <= 1000; ++games) {
                std::vector<double> next(alive.size() + Game::Attempts, 0.0);
                for (std::size_t i = 0; i < alive.size(); ++i)
                    for (int k = 0; k <= Game::Attempts; ++k)
                        next[i + k] += alive[i] * game[k];
                // The rule fires on the two outer ends only, so they are cut until it does not.
                while (!next.empty() &&
                       notable(judge(level, games, first + qint64(next.size()) - 1))) {
                    told += next.back();
                    next.pop_back();
                }
                while (!next.empty() && notable(judge(level, games, first))) {
                    told += next.front();
                    next.erase(next.begin());
                    ++first;
                }
                alive = std::move(next);
            }
            QVERIFY2(told <= 0.01, qPrintable(u"level %1: %2"_s.arg(level).arg(told)));
            // Not so cautious that it says nothing.
            QVERIFY2(told > 0.001, qPrintable(u"level %1: %2"_s.arg(level).arg(told)));
        }
    }

    // At every game the line is drawn outside the band exactly when that game's finding stands
    // out or falls below: one game a column while they fit, the extremes of several after.
    void chartNeverContradictsTheFindings_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<std::vector<qint32>>("running");
        QTest::addColumn<double>("width");
        for (int level = 1; level <= Level::Count; ++level) {
            const QByteArray l = "level " + QByteArray::number(level);
            QTest::newRow(l + ", along the upper edge")
                << level << alongTheEdge(level, 380, true) << 400.0;
            QTest::newRow(l + ", along the lower edge")
                << level << alongTheEdge(level, 380, false) << 400.0;
            QTest::newRow(l + ", along the upper edge, 5 games a column")
                << level << alongTheEdge(level, 1900, true, 7) << 400.0;
            QTest::newRow(l + ", along the lower edge, 2 games a column")
                << level << alongTheEdge(level, 700, false, 3) << 400.0;
            QTest::newRow(l + ", along the upper edge, 2 games a column")
                << level << alongTheEdge(level, 700, true, 3) << 400.0;
            QTest::newRow(l + ", blind, 20 games a column")
                << level << player(7000, chanceAt(level), 7u + unsigned(level)) << 400.0;
            QTest::newRow(l + ", with an edge, 10 games a column")
                << level << player(2500, 2 * chanceAt(level), 11u + unsigned(level)) << 300.0;
            QTest::newRow(l + ", none right") << level << std::vector<qint32>(300, 0) << 400.0;
        }
        QTest::newRow("one game, all right") << 1 << std::vector<qint32>{10} << 400.0;
        QTest::newRow("one game, two right") << 2 << std::vector<qint32>{2} << 400.0;
    }
    void chartNeverContradictsTheFindings()
    {
        QFETCH(int, level);
        QFETCH(std::vector<qint32>, running);
        QFETCH(double, width);
        const QRectF plot(40, 20, width, 100);
        const ChartGeometry g = ChartGeometry::compute(running, chanceAt(level), plot);
        const qint64 games = qint64(running.size());
        const std::map<double, Drawn> shown = drawn(g);

        // Every game in one column, in order; a column for each pixel at most, and the last
        // game alone at the right edge.
        QVERIFY(qint64(g.columns.size()) <= qint64(width) + 1);
        QCOMPARE(g.columns.back().firstGame, games);
        QCOMPARE(g.columns.back().x, games == 1 ? plot.center().x() : plot.right());
        qint64 next = 1;
        int outside = 0;
        for (const ChartGeometry::Column &c : g.columns) {
            QCOMPARE(c.firstGame, next);
            QVERIFY(c.lastGame >= c.firstGame);
            next = c.lastGame + 1;
            bool above = false, below = false;
            for (qint64 game = c.firstGame; game <= c.lastGame; ++game) {
                const Finding f = judge(level, game, running[std::size_t(game - 1)]);
                above = above || f == Finding::StandsOut;
                below = below || f == Finding::BelowLuck;
            }
            outside += above || below;
            QVERIFY(shown.count(c.x));
            const Drawn &d = shown.at(c.x);
            const QByteArray where =
                "games " + QByteArray::number(c.firstGame) + ".." + QByteArray::number(c.lastGame);
            QVERIFY2((d.lineTop < d.bandTop) == above, where);
            QVERIFY2((d.lineBottom > d.bandBottom) == below, where);
            // The line's extremes are the running share's, placed on the axis.
            QVERIFY2(qAbs(g.share(d.lineTop) - c.highestShare) < 1e-9, where);
            QVERIFY2(qAbs(g.share(d.lineBottom) - c.lowestShare) < 1e-9, where);
            QVERIFY(d.lineTop >= plot.top() - 1e-9 && d.lineBottom <= plot.bottom() + 1e-9);
        }
        QCOMPARE(next, games + 1);
        // Along an edge, the line crosses it often, the others as they may.
        if (QByteArray(QTest::currentDataTag()).contains("along"))
            QVERIFY(outside > 10 && outside < int(g.columns.size()) - 10);
        QCOMPARE(g.chanceLine.y1(), g.y(chanceAt(level)));
        QVERIFY(g.top >= chanceAt(level) && g.top <= 1);
    }

    // Simulated futures at the share so far: the games an outlook states are their median, and
    // they settle on the side it says. A share exactly at the threshold, or one so near it that
    // half the futures have not settled within the games looked ahead, states none.
    void outlookIsTheMedianFuture_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("games");
        QTest::addColumn<int>("hits");
        QTest::addColumn<bool>("strong");
        QTest::newRow("16% at level 2 after 25 games, strong?") << 2 << 25 << 40 << true;
        QTest::newRow("29% at level 1 after 300 games, strong?") << 1 << 300 << 870 << true;
        QTest::newRow("21 games, 64 right, apart from luck?") << 1 << 21 << 64 << false;
        QTest::newRow("a 22% player after 100 games, apart from luck?") << 1 << 100 << 220 << false;
        QTest::newRow("2 games at chance, strong?") << 1 << 2 << 4 << true;
        QTest::newRow("21 games, 64 right, strong?") << 1 << 21 << 64 << true;
        QTest::newRow("63 of 210, exactly strong") << 1 << 21 << 63 << true;
    }
    void outlookIsTheMedianFuture()
    {
        QFETCH(int, level);
        QFETCH(int, games);
        QFETCH(int, hits);
        QFETCH(bool, strong);
        const Level at = TestSupport::level(level);
        const double threshold = strong ? Statistics::strongShare(at) : at.chance();
        const Statistics::Outlook o = Statistics::outlook(games, hits, threshold);
        const double share = double(hits) / double(games * Game::Attempts);
        std::mt19937 random(unsigned(games * 1000 + hits));
        std::binomial_distribution<int> game(Game::Attempts, share);
        constexpr int Futures = 1000;
        const qint64 ahead = o.games.value_or(Statistics::MostGamesAhead);
        int settled = 0, before = 0, wrongSide = 0;
        for (int f = 0; f < Futures; ++f) {
            qint64 h = hits;
            for (qint64 more = 1; more <= ahead; ++more) {
                h += game(random);
                const qint64 guesses = (games + more) * Game::Attempts;
                const Evidence::Edges e = Evidence::knownEdges(guesses, threshold);
                const bool up = e.above && h >= *e.above, down = e.below && h <= *e.below;
                if (up || down) {
                    ++settled;
                    before += more < ahead;
                    wrongSide += o.above && up != *o.above;
                    break;
                }
            }
        }
        qInfo("settled within %lld more games: %.1f%%, within one fewer: %.1f%%", qlonglong(ahead),
              settled * 100.0 / Futures, before * 100.0 / Futures);
        if (std::abs(share - threshold) < 1e-12) {
            QVERIFY(!o.above && !o.games);
            QVERIFY(settled < Futures / 50);
            return;
        }
        // A median, within the simulation's spread.
        if (o.games) {
            QVERIFY2(settled >= Futures * 45 / 100, qPrintable(QString::number(settled)));
            QVERIFY2(before <= Futures * 55 / 100, qPrintable(QString::number(before)));
        } else {
            QVERIFY2(settled <= Futures * 55 / 100, qPrintable(QString::number(settled)));
        }
        QVERIFY(wrongSide <= Futures / 50);
    }
};

QTEST_GUILESS_MAIN(TestStatistics)
#include "tst_statistics.moc"
