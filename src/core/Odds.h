#pragma once

#include <QString>

// What a score means against pure guessing: ten attempts, one chance in `offered` each.
namespace Odds
{

// Probability of at least `hits` right guesses by chance alone.
double atLeast(int hits, int offered);

// The explanation shown beside a verdict, in Russian.
QString explanation(int hits, int offered);

} // namespace Odds
