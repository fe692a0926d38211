#include "Detection.h"
#include "Driver.h"
#include "Probes.h"
#include "Stats.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace
{

const char Usage[] =
    "usage: chuikomer_bench [--runs N] [--warmup N] [--clicks N] [--statistics-games N]\n"
    "                       [--statistics-runs N] [--platform NAME]\n"
    "\n"
    "Compares the game's start-up time and peak memory with a bare Qt window of the same\n"
    "size and menu bar, each started N times (default 30) in turn, and times a click on a\n"
    "picture until the board is repainted, on the X server of DISPLAY (tools/with-xvfb gives\n"
    "one); --platform offscreen needs none. Then it opens the statistics window over a\n"
    "generated record (default 1000000 games, 5 runs) and times the first paint, the\n"
    "figures, the longest freeze meanwhile and a finished game with the window open.\n"
    "--detection alone reports how soon the statistics tell an edge from luck and how\n"
    "rarely they tell a blind guesser otherwise.\n"
    "\n"
    "Child modes, started by the above: --startup game|bare, --click-latency N,\n"
    "--statistics GAMES.\n";

bool number(const char *text, int min, int *value)
{
    char *end = nullptr;
    const long v = std::strtol(text, &end, 10);
    if (!*text || *end || v < min || v > 100'000'000)
        return false;
    *value = static_cast<int>(v);
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    // First, so that the launch and the program's own start-up can be told apart.
    const std::int64_t mainNs = Bench::nowNs();

    Driver::Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const char *next = i + 1 < argc ? argv[i + 1] : nullptr;
        if (arg == "--startup" && next) {
            const std::string which = next;
            if (which != "game" && which != "bare")
                break;
            return Probes::startup(
                argc, argv, which == "game" ? Probes::Window::Game : Probes::Window::Bare, mainNs);
        }
        if (arg == "--detection")
            return Detection::run();
        int count = 0;
        if (arg == "--click-latency" && next && number(next, 1, &count))
            return Probes::clicks(argc, argv, count);
        if (arg == "--statistics" && next && number(next, 0, &count))
            return Probes::statistics(argc, argv, count);
        if (arg == "--help" || arg == "-h") {
            std::fputs(Usage, stdout);
            return 0;
        }
        bool ok = false;
        if (arg == "--runs" && next)
            ok = number(next, 1, &options.runs);
        else if (arg == "--warmup" && next)
            ok = number(next, 0, &options.warmUp);
        else if (arg == "--clicks" && next)
            ok = number(next, 1, &options.clicks);
        else if (arg == "--statistics-games" && next)
            ok = number(next, 0, &options.statisticsGames);
        else if (arg == "--statistics-runs" && next)
            ok = number(next, 1, &options.statisticsRuns);
        else if ((arg == "--platform" || arg == "-platform") && next && *next) {
            options.platform = next;
            ok = true;
        }
        if (!ok) {
            std::fputs(Usage, stderr);
            return 2;
        }
        ++i;
    }
    return Driver::run(options);
}
