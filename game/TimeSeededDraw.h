#pragma once

// The game's random draw: re-seeded from the time of day at every call, with fresh entropy
// mixed in so that two calls within one clock tick still differ and the clock alone does not
// predict the result. Returns a number uniform in [0, 1).
class TimeSeededDraw
{
public:
    double operator()() const;
};
