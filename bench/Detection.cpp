// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Detection.h"

#include "Evidence.h"
#include "Game.h"
#include "Level.h"
#include "Statistics.h"
#include "StatisticsTexts.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

namespace
{

constexpr int Players = 2000;
constexpr int MostGames = 400;

// One game by a player who is right with probability `skill` at each attempt.
FinishedGame gameOf(Level level, double skill, std::mt19937_64 &random)
{
    std::bernoulli_distribution right(skill);
    FinishedGame g;
    g.level = level;
    for (int i = 0; i < Game::Attempts; ++i)
        g.guessed[i] = right(random) ? g.hidden[i] : g.hidden[i] + 1;
    return g;
}

// The median game at which a player with `skill` is first told that the result stands out.
void detection(Level level, double skill, int target)
{
    std::mt19937_64 random(20261207 + level.number());
    std::vector<int> firstTold;
    for (int player = 0; player < Players; ++player) {
        Statistics s;
        int told = MostGames + 1;
        for (int game = 1; game <= MostGames; ++game) {
            s.add(gameOf(level, skill, random));
            if (s.finding(level) == Statistics::Finding::StandsOut) {
                told = game;
                break;
            }
        }
        firstTold.push_back(told);
    }
    std::sort(firstTold.begin(), firstTold.end());
    const int median = firstTold[firstTold.size() / 2];
    std::printf("  level %d, right %2.0f%% of the time: median %3d games (quartiles %d..%d), "
                "target at most %d: %s\n",
                level.number(), skill * 100, median, firstTold[firstTold.size() / 4],
                firstTold[firstTold.size() * 3 / 4], target, median <= target ? "met" : "MISSED");
}

// What a player with `skill` hears over `games` games: when "no strong intuition" first comes,
// and how many are told it at all; how long "not clear yet" lasts, and how many hear it still.
void whatIsHeard(Level level, double skill, int games)
{
    std::mt19937_64 random(20261208 + level.number());
    std::vector<int> noStrong, settled;
    int neverSettled = 0;
    constexpr int Heard = 500;
    for (int player = 0; player < Heard; ++player) {
        Statistics s;
        int first = games + 1, clear = games + 1;
        for (int game = 1; game <= games; ++game) {
            s.add(gameOf(level, skill, random));
            const Statistics::Finding f = s.finding(level);
            if (f == Statistics::Finding::NoStrongEdge && first > games)
                first = game;
            if (f != Statistics::Finding::Unclear && clear > games)
                clear = game;
        }
        noStrong.push_back(first);
        settled.push_back(clear);
        neverSettled += s.finding(level) == Statistics::Finding::Unclear;
    }
    std::sort(noStrong.begin(), noStrong.end());
    std::sort(settled.begin(), settled.end());
    const auto told =
        std::count_if(noStrong.begin(), noStrong.end(), [&](int g) { return g <= games; });
    std::printf("  level %d, right %4.1f%%: told \"no strong intuition\" within %d games: %.0f%%, "
                "median game %d; first settled at median game %d; still unclear at game %d: "
                "%.0f%%\n",
                level.number(), skill * 100, games, 100.0 * double(told) / Heard,
                noStrong[noStrong.size() / 2], settled[settled.size() / 2], games,
                100.0 * neverSettled / Heard);
}

// Exactly, over the distribution of the hit count: how often a blind guesser who looks after
// every game is ever told "stands out" or "below luck" within `games` games.
double falseAlarm(Level level, int games)
{
    const double p = level.chance();
    std::vector<double> oneGame(Game::Attempts + 1);
    for (int k = 0; k <= Game::Attempts; ++k)
        oneGame[k] = std::exp(std::lgamma(11.0) - std::lgamma(k + 1.0) - std::lgamma(11.0 - k) +
                              k * std::log(p) + (Game::Attempts - k) * std::log1p(-p));
    qint64 first = 0;
    std::vector<double> alive{1.0};
    double told = 0;
    for (qint64 n = 1; n <= games; ++n) {
        std::vector<double> next(alive.size() + Game::Attempts, 0.0);
        for (std::size_t i = 0; i < alive.size(); ++i)
            for (int k = 0; k <= Game::Attempts; ++k)
                next[i + k] += alive[i] * oneGame[k];
        const Evidence::Edges e = Evidence::edges(n * Game::Attempts, p);
        qint64 last = first + qint64(next.size()) - 1;
        while (e.above && last >= *e.above && !next.empty()) {
            told += next.back();
            next.pop_back();
            --last;
        }
        while (e.below && first <= *e.below && !next.empty()) {
            told += next.front();
            next.erase(next.begin());
            ++first;
        }
        alive = std::move(next);
    }
    return told;
}

// What keeping the window's figures up to date costs per finished game, with a long record.
void updateCost(int games)
{
    Statistics s;
    std::mt19937_64 random(7);
    for (int n = 0; n < games; ++n)
        s.add(gameOf(Level::all()[std::size_t(n % Level::Count)], 0.15, random));
    constexpr int Rounds = 200;
    const auto start = std::chrono::steady_clock::now();
    qsizetype sink = 0;
    for (int r = 0; r < Rounds; ++r) {
        s.add(gameOf(Level::all()[std::size_t(r % Level::Count)], 0.15, random));
        for (const StatisticsTexts::Facts &facts : StatisticsTexts::lines(s))
            sink += StatisticsTexts::verdict(facts).size() + StatisticsTexts::action(facts).size() +
                    StatisticsTexts::numbers(facts).size() + StatisticsTexts::detail(facts).size();
    }
    const double us =
        std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
            .count() /
        Rounds;
    std::printf("  one more game over %d: %.0f us for the sums, figures and conclusions (%lld)\n",
                games, us, static_cast<long long>(sink % 10));
}

} // namespace

namespace Detection
{

int run()
{
    std::printf("Games until a real edge is told (%d simulated players each):\n", Players);
    detection(*Level::numbered(1), 0.30, 25);
    detection(*Level::numbered(2), 0.20, 20);
    detection(*Level::numbered(3), 0.15, 25);
    std::printf("What players hear (%d players each):\n", 500);
    whatIsHeard(*Level::numbered(1), 0.20, 300);
    whatIsHeard(*Level::numbered(1), 0.22, 300);
    whatIsHeard(*Level::numbered(1), 0.25, 300);
    whatIsHeard(*Level::numbered(2), 0.10, 300);
    whatIsHeard(*Level::numbered(3), 1.0 / 15, 300);
    std::printf("A blind guesser told otherwise at some look (exact, target at most 1%%):\n");
    for (Level level : Level::all())
        std::printf("  level %d: within 1,000 games %.3f%%, within 10,000 games %.3f%%\n",
                    level.number(), 100 * falseAlarm(level, 1000), 100 * falseAlarm(level, 10000));
    std::printf("Cost of the figures:\n");
    updateCost(1'000'000);
    return 0;
}

} // namespace Detection
