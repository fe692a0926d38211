#pragma once

#include <string>

// Starts the probes as child processes, alternating the game and the bare window, and prints
// the table. Plain POSIX, no Qt: the driver must not disturb what it measures.
namespace Driver
{

struct Options {
    int runs = 30;
    int warmUp = 3;
    int clicks = 1000;
    // Empty: xcb, on the DISPLAY given or on an Xvfb of the driver's own.
    std::string platform;
    bool ownXvfb = false;
};

int run(const Options &options);

} // namespace Driver
