#pragma once

#include <QString>
#include <vector>

// What a score means against pure guessing: ten attempts, one chance in `offered` each.
namespace Odds
{

// Probability of at least `hits` right guesses by chance alone.
double atLeast(int hits, int offered);

// The explanation shown beside a verdict, in Russian.
QString explanation(int hits, int offered);

// Over any number of guesses, each right with probability p (0 < p < 1). Computed from the
// most likely count outwards in log space, so a million guesses neither overflow nor
// underflow to nonsense; terms below about 1e-18 of the whole are left out.

// The chances of each count of right guesses, where they are not negligible.
struct Distribution {
    qint64 first = 0;
    std::vector<double> chances;

    double at(qint64 hits) const;
    // Probability of `hits` or more.
    double atLeast(qint64 hits) const;
    // Probability of `hits` or fewer.
    double atMost(qint64 hits) const;
    // The smallest count whose cumulative probability reaches `share` (0..1).
    qint64 quantile(double share) const;
};

Distribution binomial(qint64 guesses, double p);
// The sum of independent counts, e.g. the three levels played together.
Distribution sum(const Distribution &a, const Distribution &b);

// Probability of at least `hits` right of `guesses` by chance alone.
double atLeast(qint64 hits, qint64 guesses, double p);

// How often pure guessing does as well, in plain Russian: "в 1 случае из 37", "в 45% случаев",
// "меньше чем в 1 случае из миллиона".
QString howOften(double probability);

} // namespace Odds
