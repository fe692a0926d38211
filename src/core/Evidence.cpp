// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Evidence.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
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
        for (int i = 0; i < Points; ++i)
            q.logWeight[i] = -q.shift[i] * q.shift[i] / (2 * Spread * Spread) - std::log(total);
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
        table[i] = std::log1p(chance * std::expm1(prior().shift[i]));
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
    double largest = -std::numeric_limits<double>::infinity();
    for (double t : terms)
        largest = std::max(largest, t);
    // Terms this far below the largest add less than a double can hold.
    constexpr double Negligible = -37;
    double sum = 0;
    for (double t : terms)
        if (t - largest > Negligible)
            sum += std::exp(t - largest);
    return largest + std::log(sum);
}

double figure(std::span<const Tally> tallies)
{
    return std::exp(logFigure(tallies));
}

bool reached(std::span<const Tally> tallies)
{
    return logFigure(tallies) >= std::log(Needed);
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

} // namespace Evidence
