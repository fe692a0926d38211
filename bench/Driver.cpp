// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Driver.h"

#include "Stats.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <poll.h>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace Driver
{

namespace
{

struct ChildRun {
    bool ok = false;
    std::int64_t startNs = 0;
    std::string out;
    std::string err;
};

std::string selfPath()
{
    std::vector<char> buffer(4096);
    const ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    return n > 0 ? std::string(buffer.data(), static_cast<std::size_t>(n)) : std::string();
}

std::string readAll(int fd)
{
    std::string text;
    char chunk[4096];
    lseek(fd, 0, SEEK_SET);
    for (ssize_t n; (n = read(fd, chunk, sizeof chunk)) > 0;)
        text.append(chunk, static_cast<std::size_t>(n));
    return text;
}

void appendPointers(const std::vector<std::string> &strings, std::vector<char *> *into)
{
    for (const std::string &s : strings)
        into->push_back(const_cast<char *>(s.c_str()));
}

struct Launched {
    pid_t pid = -1;
    // An errno value, 0 if the child is running.
    int error = 0;
    std::int64_t startNs = 0;
};

// posix_spawn rather than fork: it does not copy the driver, so the launch costs the same for
// both windows and as little as the system allows.
Launched launch(const std::string &exe, const std::vector<std::string> &args,
                const std::vector<std::string> &env, int outFd, int errFd)
{
    std::vector<char *> argv{const_cast<char *>(exe.c_str())};
    appendPointers(args, &argv);
    argv.push_back(nullptr);
    std::vector<char *> envp;
    appendPointers(env, &envp);
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, outFd, STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, errFd, STDERR_FILENO);
    Launched child;
    child.startNs = Bench::nowNs();
    child.error = posix_spawn(&child.pid, exe.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    return child;
}

// Reads until the child closes its end; false only if the deadline came first.
bool readOutput(int fd, std::int64_t deadline, std::string *out)
{
    for (;;) {
        const std::int64_t left = (deadline - Bench::nowNs()) / 1'000'000;
        if (left <= 0)
            return false;
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, static_cast<int>(left)) < 0 && errno != EINTR)
            return true;
        char chunk[4096];
        const ssize_t n = read(fd, chunk, sizeof chunk);
        if (n == 0)
            return true;
        if (n > 0)
            out->append(chunk, static_cast<std::size_t>(n));
    }
}

// A child that overran is killed, so that a hung window cannot hold up the whole run.
void collectExit(pid_t pid, bool inTime, FILE *errFile, ChildRun *result)
{
    if (!inTime)
        kill(pid, SIGKILL);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    result->err = readAll(fileno(errFile));
    if (!inTime)
        result->err += "\n(timed out)";
    result->ok = inTime && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

ChildRun spawnChild(const std::string &exe, const std::vector<std::string> &args,
                    const std::vector<std::string> &env, int timeoutSec)
{
    ChildRun result;
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0)
        return result;
    // Qt's warnings go to a file, shown only if the child fails.
    FILE *errFile = std::tmpfile();
    if (!errFile) {
        close(out[0]);
        close(out[1]);
        return result;
    }
    const Launched child = launch(exe, args, env, out[1], fileno(errFile));
    result.startNs = child.startNs;
    close(out[1]);
    if (child.error != 0) {
        close(out[0]);
        std::fclose(errFile);
        result.err = std::strerror(child.error);
        return result;
    }
    const std::int64_t deadline = Bench::nowNs() + std::int64_t{timeoutSec} * 1'000'000'000;
    const bool inTime = readOutput(out[0], deadline, &result.out);
    close(out[0]);
    collectExit(child.pid, inTime, errFile, &result);
    std::fclose(errFile);
    return result;
}

struct Startup {
    std::vector<double> totalMs;
    std::vector<double> launchMs;
    std::vector<double> inProcessMs;
    std::vector<double> rssMiB;
};

bool recordStartup(const ChildRun &child, Startup *into)
{
    std::istringstream line(child.out);
    std::string tag;
    std::int64_t mainNs = 0;
    std::int64_t frameNs = 0;
    long rssKiB = 0;
    if (!(line >> tag >> mainNs >> frameNs >> rssKiB) || tag != "STARTUP")
        return false;
    if (into) {
        into->totalMs.push_back(static_cast<double>(frameNs - child.startNs) / 1e6);
        into->launchMs.push_back(static_cast<double>(mainNs - child.startNs) / 1e6);
        into->inProcessMs.push_back(static_cast<double>(frameNs - mainNs) / 1e6);
        into->rssMiB.push_back(static_cast<double>(rssKiB) / 1024.0);
    }
    return true;
}

void reportFailure(const char *what, const ChildRun &child)
{
    std::fprintf(stderr, "chuikomer_bench: %s failed.\nstdout: %s\nstderr: %s\n", what,
                 child.out.c_str(), child.err.c_str());
}

// The game against the bare window: what the program has promised not to exceed.
constexpr double TimeTarget = 1.06;
constexpr double MemoryTarget = 1.05;

const char *verdict(double ratio, double target)
{
    return ratio <= target ? "met" : "MISSED";
}

// What every child is started with, and how the report names where its window was shown.
struct Launcher {
    std::string exe;
    std::vector<std::string> env;
    std::string platform;
    std::string where;

    ChildRun start(const std::vector<std::string> &mode, int timeoutSec) const
    {
        std::vector<std::string> args{"-platform", platform};
        args.insert(args.end(), mode.begin(), mode.end());
        return spawnChild(exe, args, env, timeoutSec);
    }
};

std::optional<Launcher> prepareLauncher(const Options &options)
{
    Launcher launcher;
    launcher.exe = selfPath();
    if (launcher.exe.empty()) {
        std::fprintf(stderr, "chuikomer_bench: cannot find its own executable\n");
        return std::nullopt;
    }
    for (char **e = environ; *e; ++e)
        launcher.env.emplace_back(*e);
    launcher.platform = options.platform.empty() ? "xcb" : options.platform;
    launcher.where = launcher.platform;
    if (launcher.platform == "xcb") {
        const char *display = std::getenv("DISPLAY");
        if (!display || !*display) {
            std::fprintf(stderr, "chuikomer_bench: no DISPLAY; run it under tools/with-xvfb, "
                                 "or use --platform offscreen\n");
            return std::nullopt;
        }
        launcher.where += " on " + std::string(display);
    }
    return launcher;
}

// A warm-up start passes no `into`: it must succeed, but is not counted.
bool startOnce(const Launcher &launcher, bool isGame, Startup *into)
{
    const ChildRun child = launcher.start({"--startup", isGame ? "game" : "bare"}, 30);
    if (child.ok && recordStartup(child, into))
        return true;
    std::fputc('\n', stderr);
    reportFailure(isGame ? "the game's start-up" : "the bare window's start-up", child);
    return false;
}

bool measureStartups(const Launcher &launcher, const Options &options, Startup *game, Startup *bare)
{
    std::fprintf(stderr, "start-up: %d + %d warm-up runs of each window", options.runs,
                 options.warmUp);
    for (int i = 0; i < options.warmUp + options.runs; ++i) {
        const bool counted = i >= options.warmUp;
        // Alternating which goes first cancels a drift in the machine's state over the run.
        const bool gameFirst = i % 2 == 0;
        for (const bool isGame : {gameFirst, !gameFirst}) {
            if (!startOnce(launcher, isGame, counted ? (isGame ? game : bare) : nullptr))
                return false;
        }
        std::fputc('.', stderr);
    }
    std::fputc('\n', stderr);
    return true;
}

// In microseconds, as the probe prints them.
struct Clicks {
    int count = 0;
    double median = 0;
    double p95 = 0;
    double min = 0;
    double max = 0;
};

std::optional<Clicks> measureClicks(const Launcher &launcher, int count)
{
    std::fprintf(stderr, "click to repainted board: %d clicks\n", count);
    const ChildRun child = launcher.start({"--click-latency", std::to_string(count)}, 600);
    std::istringstream line(child.out);
    std::string tag;
    Clicks clicks;
    if (child.ok &&
        (line >> tag >> clicks.count >> clicks.median >> clicks.p95 >> clicks.min >> clicks.max) &&
        tag == "CLICKS")
        return clicks;
    reportFailure("the click measurement", child);
    return std::nullopt;
}

// One opening of the statistics window, in the report's units.
struct StatisticsRun {
    double firstPaintMs = 0;
    double allFiguresMs = 0;
    double longestFreezeMs = 0;
    double handOverMs = 0;
    double rssGrowthMiB = 0;
    double perGameMs = 0;
    double perGameMaxMs = 0;
    long long recordBytes = 0;
};

std::optional<StatisticsRun> readStatisticsLine(const std::string &out)
{
    std::istringstream line(out);
    std::string tag;
    long long micros = 0;
    long before = 0;
    long after = 0;
    StatisticsRun run;
    long long loadedMicros = 0;
    long long stallMicros = 0;
    double gameMicros = 0;
    double gameMaxMicros = 0;
    long long handOverMicros = 0;
    if (!(line >> tag >> micros >> before >> after >> run.recordBytes >> loadedMicros >>
          stallMicros >> gameMicros >> gameMaxMicros >> handOverMicros) ||
        tag != "STATISTICS")
        return std::nullopt;
    run.firstPaintMs = double(micros) / 1000.0;
    run.rssGrowthMiB = double(after - before) / 1024.0;
    run.allFiguresMs = double(loadedMicros) / 1000.0;
    run.longestFreezeMs = double(stallMicros) / 1000.0;
    run.perGameMs = gameMicros / 1000.0;
    run.perGameMaxMs = gameMaxMicros / 1000.0;
    run.handOverMs = double(handOverMicros) / 1000.0;
    return run;
}

bool measureStatistics(const Launcher &launcher, const Options &options,
                       std::vector<StatisticsRun> *runs)
{
    std::fprintf(stderr, "statistics window: %d runs over %d games\n", options.statisticsRuns,
                 options.statisticsGames);
    for (int i = 0; i < options.statisticsRuns; ++i) {
        const ChildRun child =
            launcher.start({"--statistics", std::to_string(options.statisticsGames)}, 120);
        const std::optional<StatisticsRun> run =
            child.ok ? readStatisticsLine(child.out) : std::nullopt;
        if (!run) {
            reportFailure("the statistics window", child);
            return false;
        }
        runs->push_back(*run);
    }
    return true;
}

void printStartupReport(const std::string &where, const Options &options, const Startup &game,
                        const Startup &bare)
{
    using Bench::median;
    const double total = median(game.totalMs) / median(bare.totalMs);
    const double rss = median(game.rssMiB) / median(bare.rssMiB);
    std::printf("\nЧуйкомер benchmark: %s, %d runs of each window after %d warm-up\n\n",
                where.c_str(), options.runs, options.warmUp);
    std::printf("%-38s %10s %10s %8s %8s\n", "median", "game", "bare", "ratio", "target");
    std::printf("%-38s %7.1f ms %7.1f ms %8.3f %8s  %s\n", "start-up: launch to first frame",
                median(game.totalMs), median(bare.totalMs), total, "<= 1.06",
                verdict(total, TimeTarget));
    std::printf("%-38s %7.1f ms %7.1f ms %8.3f\n", "  of which launch to main()",
                median(game.launchMs), median(bare.launchMs),
                median(game.launchMs) / median(bare.launchMs));
    std::printf("%-38s %7.1f ms %7.1f ms %8.3f\n", "  of which main() to first frame",
                median(game.inProcessMs), median(bare.inProcessMs),
                median(game.inProcessMs) / median(bare.inProcessMs));
    std::printf("%-38s %6.1f MiB %6.1f MiB %8.3f %8s  %s\n", "peak RSS at first frame",
                median(game.rssMiB), median(bare.rssMiB), rss, "<= 1.05",
                verdict(rss, MemoryTarget));
}

void printClickReport(const Clicks &clicks)
{
    std::printf("\nclick on a picture to repainted board, level 3, %d clicks:\n", clicks.count);
    std::printf("  median %.0f us, p95 %.0f us (min %.0f us, max %.0f us)\n", clicks.median,
                clicks.p95, clicks.min, clicks.max);
}

struct Spread {
    double median = 0;
    double max = 0;
};

Spread spreadOf(const std::vector<StatisticsRun> &runs, double StatisticsRun::*figure)
{
    std::vector<double> values;
    for (const StatisticsRun &run : runs)
        values.push_back(run.*figure);
    return {Bench::median(values), Bench::percentile(values, 100)};
}

void printStatisticsReport(const Options &options, const std::vector<StatisticsRun> &runs)
{
    // Every run writes the same record, so any run's size will do.
    const long long recordBytes = runs.empty() ? 0 : runs.back().recordBytes;
    std::printf("\nstatistics window over %d games (%.1f MiB record), %d runs:\n",
                options.statisticsGames, double(recordBytes) / (1024.0 * 1024.0),
                options.statisticsRuns);
    const Spread opening = spreadOf(runs, &StatisticsRun::firstPaintMs);
    std::printf("  command to first paint: median %.1f ms, max %.1f ms, target <= 300 ms  %s\n",
                opening.median, opening.max, verdict(opening.median, 300));
    const Spread loaded = spreadOf(runs, &StatisticsRun::allFiguresMs);
    std::printf("  command to all figures shown: median %.1f ms, max %.1f ms\n", loaded.median,
                loaded.max);
    const Spread stall = spreadOf(runs, &StatisticsRun::longestFreezeMs);
    std::printf("  longest freeze while reading: median %.1f ms, max %.1f ms, target <= 100 ms"
                "  %s\n",
                stall.median, stall.max, verdict(stall.max, 100));
    const Spread handOver = spreadOf(runs, &StatisticsRun::handOverMs);
    std::printf("  the figures handed to the window: median %.1f ms, max %.1f ms, target <= 100 ms"
                "  %s\n",
                handOver.median, handOver.max, verdict(handOver.max, 100));
    std::printf("  peak RSS growth while opening: median %.1f MiB\n",
                spreadOf(runs, &StatisticsRun::rssGrowthMiB).median);
    // Each run gives its own median and worst game; the worst of them all is what is judged.
    const double perGameWorst = spreadOf(runs, &StatisticsRun::perGameMaxMs).max;
    std::printf("  finished game to repainted chart: median %.1f ms, max %.1f ms, target <= 16 ms"
                "  %s\n",
                spreadOf(runs, &StatisticsRun::perGameMs).median, perGameWorst,
                verdict(perGameWorst, 16));
}

} // namespace

int run(const Options &options)
{
    const std::optional<Launcher> launcher = prepareLauncher(options);
    if (!launcher)
        return 1;
    Startup gameRuns;
    Startup bareRuns;
    if (!measureStartups(*launcher, options, &gameRuns, &bareRuns))
        return 1;
    const std::optional<Clicks> clicks = measureClicks(*launcher, options.clicks);
    if (!clicks)
        return 1;
    std::vector<StatisticsRun> statistics;
    if (!measureStatistics(*launcher, options, &statistics))
        return 1;
    printStartupReport(launcher->where, options, gameRuns, bareRuns);
    printClickReport(*clicks);
    printStatisticsReport(options, statistics);
    return 0;
}

} // namespace Driver
