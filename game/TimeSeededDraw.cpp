#include "TimeSeededDraw.h"

#include <QTime>
#include <bit>
#include <cstdint>
#include <random>

double TimeSeededDraw::operator()() const
{
    const float secondsSinceMidnight =
        static_cast<float>(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0f;
    std::random_device entropy;
    std::seed_seq seed{std::bit_cast<std::uint32_t>(secondsSinceMidnight), entropy(), entropy(),
                       entropy(), entropy()};
    std::mt19937_64 generator(seed);
    // 53 random bits scaled by 2^-53: never 1.0, unlike generate_canonical on some libraries.
    return static_cast<double>(generator() >> 11) * 0x1.0p-53;
}
