// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <cstdint>
#include <ctime>
#include <random>
#include <vector>

namespace Bench
{

// CLOCK_MONOTONIC is one clock for the whole system on Linux, so a child's timestamp can be
// compared with the one its parent took before starting it.
inline std::int64_t nowNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return std::int64_t{ts.tv_sec} * 1'000'000'000 + ts.tv_nsec;
}

inline double median(std::vector<double> v)
{
    if (v.empty())
        return 0.0;
    std::sort(v.begin(), v.end());
    const std::size_t mid = v.size() / 2;
    return v.size() % 2 ? v[mid] : (v[mid - 1] + v[mid]) / 2.0;
}

// Nearest rank, so the figure is one that was really measured.
inline double percentile(std::vector<double> v, double p)
{
    if (v.empty())
        return 0.0;
    std::sort(v.begin(), v.end());
    auto rank = static_cast<std::size_t>(p / 100.0 * static_cast<double>(v.size()) + 0.999999);
    rank = std::clamp<std::size_t>(rank, 1, v.size());
    return v[rank - 1];
}

// The ratio of two medians over runs taken in pairs, and how far it is to be trusted.
struct Ratio {
    double value = 0;
    // The middle 95% of the ratios over the pairs drawn again at random (a bootstrap).
    double low = 0;
    double high = 0;
    // Over the first and the second half of the pairs alone: a drift shows as a gap between them.
    double firstHalf = 0;
    double secondHalf = 0;
};

inline double medianRatio(const std::vector<double> &mine, const std::vector<double> &other,
                          std::size_t from, std::size_t to)
{
    const auto part = [&](const std::vector<double> &v) {
        return median(
            std::vector<double>(v.begin() + std::ptrdiff_t(from), v.begin() + std::ptrdiff_t(to)));
    };
    return part(mine) / part(other);
}

// `mine[i]` and `other[i]` come from the same round, so a round is drawn with both its runs.
// The seed is fixed, so the same runs always give the same report.
inline Ratio pairedRatio(const std::vector<double> &mine, const std::vector<double> &other)
{
    const std::size_t n = std::min(mine.size(), other.size());
    Ratio ratio;
    if (n == 0)
        return ratio;
    ratio.value = medianRatio(mine, other, 0, n);
    const std::size_t half = n >= 2 ? n / 2 : n;
    ratio.firstHalf = medianRatio(mine, other, 0, half);
    ratio.secondHalf = n >= 2 ? medianRatio(mine, other, half, n) : ratio.value;
    std::mt19937 random(19);
    std::uniform_int_distribution<std::size_t> pick(0, n - 1);
    std::vector<double> redrawn;
    std::vector<double> a(n);
    std::vector<double> b(n);
    for (int draw = 0; draw < 2000; ++draw) {
        for (std::size_t i = 0; i < n; ++i) {
            const std::size_t round = pick(random);
            a[i] = mine[round];
            b[i] = other[round];
        }
        redrawn.push_back(median(a) / median(b));
    }
    ratio.low = percentile(redrawn, 2.5);
    ratio.high = percentile(redrawn, 97.5);
    return ratio;
}

} // namespace Bench
