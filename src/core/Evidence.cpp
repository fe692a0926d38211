// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Evidence.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <limits>
#include <map>
#include <vector>

namespace Evidence
{

namespace
{

// The edge is a shift of the log-odds of a right guess, the same at every level, so that the
// levels add up to one figure. Its prior: a normal of this spread over an even grid. A mixture
// over a grid is as valid as over a continuum; the spread is tuned so that a 30% guesser at the
// first level is told so within about 20 games.
constexpr double Spread = 0.7;
constexpr double Widest = 3.0;
constexpr double Step = 0.02;
static_assert(Widest < 4.6, "the halving search in edges() needs a slope below ln Needed");
constexpr int Points = 2 * int(Widest / Step + 0.5) + 1;

struct Prior {
    std::array<double, Points> shift{};
    std::array<double, Points> logWeight{};
    // e^shift - 1: how much a shift raises the odds of a right guess.
    std::array<double, Points> growth{};
};

const Prior &prior()
{
    static const Prior p = [] {
        Prior q;
        double total = 0;
        for (int i = 0; i < Points; ++i) {
            q.shift[i] = -Widest + Step * i;
            total += std::exp(-q.shift[i] * q.shift[i] / (2 * Spread * Spread));
        }
        for (int i = 0; i < Points; ++i) {
            q.logWeight[i] = -q.shift[i] * q.shift[i] / (2 * Spread * Spread) - std::log(total);
            q.growth[i] = std::expm1(q.shift[i]);
        }
        return q;
    }();
    return p;
}

// Per guess at `chance`, what the shift costs when the guess is wrong: the log of the mean
// of e^(shift × right) under blind guessing. Kept for the last few chances seen, since every
// figure asks for the same three or four.
const std::array<double, Points> &cumulants(double chance)
{
    thread_local std::vector<std::pair<double, std::array<double, Points>>> cache;
    for (const auto &[c, table] : cache)
        if (c == chance)
            return table;
    if (cache.size() >= 8)
        cache.erase(cache.begin());
    std::array<double, Points> table{};
    for (int i = 0; i < Points; ++i)
        table[i] = std::log1p(chance * prior().growth[i]);
    cache.emplace_back(chance, table);
    return cache.back().second;
}

// The first count from `from` towards `to` where `reached` holds: not at `from`, at `to`.
// Steps grow from `guess` until they pass the crossing, then a halving search finds it.
template <typename Reached>
qint64 crossing(const Reached &reached, qint64 from, qint64 to, qint64 guess)
{
    const qint64 direction = to > from ? 1 : -1;
    qint64 inside = from, outside = to;
    guess = std::clamp(guess, std::min(from, to), std::max(from, to));
    for (qint64 step = 1; guess != from && guess != to; step *= 2) {
        if (reached(guess)) {
            outside = guess;
            guess -= direction * step;
            if ((guess - inside) * direction <= 0)
                break;
        } else {
            inside = guess;
            guess += direction * step;
            if ((outside - guess) * direction <= 0)
                break;
        }
    }
    while ((outside - inside) * direction > 1) {
        const qint64 mid = inside + (outside - inside) / 2;
        (reached(mid) ? outside : inside) = mid;
    }
    return outside;
}

// The log of a sum of exponentials, and the mean of `slopes` weighted by its terms.
struct LogSum {
    double value;
    double slope;
};
LogSum logSum(const std::array<double, Points> &terms,
              const std::array<double, Points> *slopes = nullptr)
{
    double largest = -std::numeric_limits<double>::infinity();
    for (double t : terms)
        largest = std::max(largest, t);
    // Terms this far below the largest add less than a double can hold.
    constexpr double Negligible = -37;
    double sum = 0;
    double slope = 0;
    for (int i = 0; i < Points; ++i) {
        if (terms[i] - largest <= Negligible)
            continue;
        const double weight = std::exp(terms[i] - largest);
        sum += weight;
        if (slopes)
            slope += weight * (*slopes)[i];
    }
    return {largest + std::log(sum), slope / sum};
}

// The figure's log against `share` and its slope in the share: a term's slope is
// -guesses * growth / (1 + share * growth).
LogSum logFigureAt(qint64 guesses, qint64 hits, double share)
{
    const Prior &p = prior();
    std::array<double, Points> terms{};
    std::array<double, Points> slopes{};
    for (int i = 0; i < Points; ++i) {
        const double odds = 1 + share * p.growth[i];
        terms[i] = p.logWeight[i] + p.shift[i] * double(hits) - double(guesses) * std::log(odds);
        slopes[i] = -double(guesses) * p.growth[i] / odds;
    }
    return logSum(terms, &slopes);
}

// Where the figure's log crosses ln Needed between `inside`, where it is below, and `outside`,
// where it is not: to within 1e-12 of the log or 1e-13 of the share. The log is convex, so
// Newton's steps from the outer side close in without passing the crossing, and one from the
// inner side lands past it; a step that would leave the bracket halves it instead.
double end(qint64 guesses, qint64 hits, double inside, double outside)
{
    const double goal = std::log(Needed);
    double at = outside;
    for (int i = 0; i < 100 && std::abs(outside - inside) > 1e-13; ++i) {
        const LogSum f = logFigureAt(guesses, hits, at);
        if (std::abs(f.value - goal) < 1e-12)
            return at;
        (f.value >= goal ? outside : inside) = at;
        at -= (f.value - goal) / f.slope;
        if (!(at > std::min(inside, outside) && at < std::max(inside, outside)))
            at = inside + (outside - inside) / 2;
    }
    return outside;
}

} // namespace

double logFigure(std::span<const Tally> tallies)
{
    const Prior &p = prior();
    std::array<double, Points> terms = p.logWeight;
    for (const Tally &tally : tallies) {
        if (tally.guesses <= 0)
            continue;
        const auto &cost = cumulants(tally.chance);
        for (int i = 0; i < Points; ++i)
            terms[i] += p.shift[i] * double(tally.hits) - double(tally.guesses) * cost[i];
    }
    return logSum(terms).value;
}

double figure(std::span<const Tally> tallies)
{
    return std::exp(logFigure(tallies));
}

bool reached(std::span<const Tally> tallies)
{
    return logFigure(tallies) >= std::log(Needed);
}

bool leavesOut(qint64 guesses, qint64 hits, double share)
{
    const Tally t{guesses, hits, share};
    return reached({&t, 1});
}

Range range(qint64 guesses, qint64 hits)
{
    // Every text of a line asks for it; kept for the last few lines asked about.
    thread_local std::vector<std::pair<std::pair<qint64, qint64>, Range>> known;
    const auto key = std::pair(guesses, hits);
    for (const auto &[k, r] : known)
        if (k == key)
            return r;
    Range r;
    if (guesses > 0) {
        const double share = double(hits) / double(guesses);
        if (hits > 0 && leavesOut(guesses, hits, 0))
            r.low = end(guesses, hits, share, 0);
        if (hits < guesses && leavesOut(guesses, hits, 1))
            r.high = end(guesses, hits, share, 1);
    }
    if (known.size() >= 8)
        known.erase(known.begin());
    known.emplace_back(key, r);
    return r;
}

Edges edges(qint64 guesses, double chance, const Edges &near)
{
    Edges e;
    if (guesses <= 0)
        return e;
    auto reachedAt = [&](qint64 hits) {
        const Tally t{guesses, hits, chance};
        return reached({&t, 1});
    };
    // The figure's logarithm is convex in the hits and at most 0 at the expected count; its
    // slope is at most Widest < ln Needed, so the whole count next to it is still below Needed.
    // Each side thus crosses Needed once at most; a normal approximation of the mixture
    // guesses where.
    const double mean = double(guesses) * chance;
    const double variance = mean * (1 - chance);
    const double spread = variance * Spread * Spread;
    const double reach = std::sqrt(2 * variance * (1 + spread) / spread *
                                   (std::log(Needed) + 0.5 * std::log1p(spread)));
    const qint64 expected = std::clamp<qint64>(qint64(std::floor(mean)), 0, guesses);
    if (reachedAt(guesses))
        e.above = crossing(reachedAt, expected, guesses,
                           near.above.value_or(qint64(std::ceil(mean + reach))));
    if (reachedAt(0))
        e.below =
            crossing(reachedAt, expected, 0, near.below.value_or(qint64(std::floor(mean - reach))));
    return e;
}

Edges knownEdges(qint64 guesses, double chance)
{
    thread_local std::map<std::pair<double, qint64>, Edges> known;
    const auto key = std::pair(chance, guesses);
    auto next = known.lower_bound(key);
    if (next != known.end() && next->first == key)
        return next->second;
    auto nearest = known.end();
    if (next != known.end() && next->first.first == chance)
        nearest = next;
    if (next != known.begin() && std::prev(next)->first.first == chance)
        nearest = std::prev(next);
    Edges near;
    if (nearest != known.end()) {
        const qint64 shift = std::llround(double(guesses - nearest->first.second) * chance);
        if (nearest->second.above)
            near.above = *nearest->second.above + shift;
        if (nearest->second.below)
            near.below = *nearest->second.below + shift;
    }
    constexpr std::size_t MostKept = 1 << 16;
    if (known.size() >= MostKept)
        known.clear();
    const Edges e = edges(guesses, chance, near);
    known.emplace(key, e);
    return e;
}

} // namespace Evidence
