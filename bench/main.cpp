// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Detection.h"
#include "Driver.h"
#include "Language.h"
#include "Probes.h"
#include "Stats.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace
{

const char Usage[] =
    "usage: chuikomer_bench [--runs N] [--warmup N] [--against OTHER_BENCH]\n"
    "                       [--translation-runs N] [--clicks N] [--statistics-games N]\n"
    "                       [--statistics-runs N] [--platform NAME]\n"
    "\n"
    "Compares the game's start-up time and peak memory with a bare Qt window of the same\n"
    "size and menu bar, each started N times (default 30) in turn, and times a click on a\n"
    "picture until the board is repainted, on the X server of DISPLAY (tools/with-xvfb gives\n"
    "one); --platform offscreen needs none. With --against, the game of another build's\n"
    "chuikomer_bench is started in the same rounds and compared with this one's\n"
    "(bench/against.sh builds one from a git revision). The translations' load is timed\n"
    "in fresh processes (default 30 of each language). Then it opens the statistics window\n"
    "over a generated record (default 1000000 games, 5 runs) and times the first paint, the\n"
    "figures, the longest freeze meanwhile and a finished game with the window open.\n"
    "--detection alone reports how soon the statistics tell an edge from luck and how\n"
    "rarely they tell a blind guesser otherwise.\n"
    "\n"
    "Child modes, started by the above: --startup game|bare, --translation en|ru,\n"
    "--click-latency N, --statistics GAMES.\n";

bool number(const char *text, int min, int *value)
{
    char *end = nullptr;
    const long v = std::strtol(text, &end, 10);
    if (!*text || *end || v < min || v > 100'000'000)
        return false;
    *value = static_cast<int>(v);
    return true;
}

// What the command line asks for: a mode of a child, or the driver with its options.
struct Command {
    enum class Kind { Drive, Startup, Translation, Clicks, Statistics, Detection, Help, Misuse };
    Kind kind = Kind::Drive;
    Probes::Window window = Probes::Window::Game;
    Language::Choice language = Language::Choice::English;
    int count = 0;
    Driver::Options options;
};

// True if `arg` ends the reading. An unknown window does too, and then the driver runs with the
// options read before it.
bool readMode(const std::string &arg, const char *next, Command *command)
{
    using Kind = Command::Kind;
    if (arg == "--startup" && next) {
        const std::string which = next;
        if (which == "game" || which == "bare") {
            command->kind = Kind::Startup;
            command->window = which == "game" ? Probes::Window::Game : Probes::Window::Bare;
        }
        return true;
    }
    if (arg == "--translation" && next) {
        const std::string which = next;
        command->kind = which == "en" || which == "ru" ? Kind::Translation : Kind::Misuse;
        command->language = which == "en" ? Language::Choice::English : Language::Choice::Russian;
        return true;
    }
    if (arg == "--detection")
        command->kind = Kind::Detection;
    else if (arg == "--click-latency" && next && number(next, 1, &command->count))
        command->kind = Kind::Clicks;
    else if (arg == "--statistics" && next && number(next, 0, &command->count))
        command->kind = Kind::Statistics;
    else if (arg == "--help" || arg == "-h")
        command->kind = Kind::Help;
    else
        return false;
    return true;
}

// An option of the driver with its value in `next`; false if it is none or the value is wrong.
bool readOption(const std::string &arg, const char *next, Driver::Options *options)
{
    if (!next)
        return false;
    if (arg == "--runs")
        return number(next, 1, &options->runs);
    if (arg == "--warmup")
        return number(next, 0, &options->warmUp);
    if (arg == "--clicks")
        return number(next, 1, &options->clicks);
    if (arg == "--statistics-games")
        return number(next, 0, &options->statisticsGames);
    if (arg == "--statistics-runs")
        return number(next, 1, &options->statisticsRuns);
    if (arg == "--translation-runs")
        return number(next, 1, &options->translationRuns);
    if (arg == "--against" && *next) {
        options->against = next;
        return true;
    }
    if ((arg == "--platform" || arg == "-platform") && *next) {
        options->platform = next;
        return true;
    }
    return false;
}

// In order, stopping at a mode: whatever follows it is the child's, not the driver's.
Command readCommandLine(int argc, char *argv[])
{
    Command command;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const char *next = i + 1 < argc ? argv[i + 1] : nullptr;
        if (readMode(arg, next, &command))
            break;
        if (!readOption(arg, next, &command.options)) {
            command.kind = Command::Kind::Misuse;
            break;
        }
        ++i;
    }
    return command;
}

} // namespace

int main(int argc, char *argv[])
{
    // First, so that the launch and the program's own start-up can be told apart.
    const std::int64_t mainNs = Bench::nowNs();

    const Command command = readCommandLine(argc, argv);
    switch (command.kind) {
    case Command::Kind::Startup:
        return Probes::startup(argc, argv, command.window, mainNs);
    case Command::Kind::Translation:
        return Probes::translation(argc, argv, command.language);
    case Command::Kind::Clicks:
        return Probes::clicks(argc, argv, command.count);
    case Command::Kind::Statistics:
        return Probes::statistics(argc, argv, command.count);
    case Command::Kind::Detection:
        return Detection::run();
    case Command::Kind::Help:
        std::fputs(Usage, stdout);
        return 0;
    case Command::Kind::Misuse:
        std::fputs(Usage, stderr);
        return 2;
    case Command::Kind::Drive:
        break;
    }
    return Driver::run(command.options);
}
