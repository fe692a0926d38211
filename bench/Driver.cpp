#include "Driver.h"

#include "Stats.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
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

// posix_spawn rather than fork: it does not copy the driver, so the launch costs the same for
// both windows and as little as the system allows.
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

    std::vector<char *> argv{const_cast<char *>(exe.c_str())};
    for (const std::string &a : args)
        argv.push_back(const_cast<char *>(a.c_str()));
    argv.push_back(nullptr);
    std::vector<char *> envp;
    for (const std::string &e : env)
        envp.push_back(const_cast<char *>(e.c_str()));
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, fileno(errFile), STDERR_FILENO);

    pid_t pid = -1;
    result.startNs = Bench::nowNs();
    const int spawned = posix_spawn(&pid, exe.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        std::fclose(errFile);
        result.err = std::strerror(spawned);
        return result;
    }

    const std::int64_t deadline = Bench::nowNs() + std::int64_t{timeoutSec} * 1'000'000'000;
    bool timedOut = false;
    for (;;) {
        const std::int64_t left = (deadline - Bench::nowNs()) / 1'000'000;
        if (left <= 0) {
            timedOut = true;
            break;
        }
        pollfd p{out[0], POLLIN, 0};
        if (poll(&p, 1, static_cast<int>(left)) < 0 && errno != EINTR)
            break;
        char chunk[4096];
        const ssize_t n = read(out[0], chunk, sizeof chunk);
        if (n == 0)
            break;
        if (n > 0)
            result.out.append(chunk, static_cast<std::size_t>(n));
    }
    close(out[0]);
    if (timedOut)
        kill(pid, SIGKILL);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    result.err = readAll(fileno(errFile));
    std::fclose(errFile);
    if (timedOut)
        result.err += "\n(timed out)";
    result.ok = !timedOut && WIFEXITED(status) && WEXITSTATUS(status) == 0;
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

} // namespace

int run(const Options &options)
{
    const std::string exe = selfPath();
    if (exe.empty()) {
        std::fprintf(stderr, "chuikomer_bench: cannot find its own executable\n");
        return 1;
    }

    std::vector<std::string> env;
    for (char **e = environ; *e; ++e)
        env.emplace_back(*e);
    const std::string platform = options.platform.empty() ? "xcb" : options.platform;
    std::string where = platform;
    if (platform == "xcb") {
        const char *display = std::getenv("DISPLAY");
        if (!display || !*display) {
            std::fprintf(stderr, "chuikomer_bench: no DISPLAY; run it under tools/with-xvfb, "
                                 "or use --platform offscreen\n");
            return 1;
        }
        where += " on " + std::string(display);
    }

    const std::vector<std::string> game{"-platform", platform, "--startup", "game"};
    const std::vector<std::string> bare{"-platform", platform, "--startup", "bare"};
    Startup gameRuns;
    Startup bareRuns;
    std::fprintf(stderr, "start-up: %d + %d warm-up runs of each window", options.runs,
                 options.warmUp);
    for (int i = 0; i < options.warmUp + options.runs; ++i) {
        const bool counted = i >= options.warmUp;
        // Alternating which goes first cancels a drift in the machine's state over the run.
        const bool gameFirst = i % 2 == 0;
        for (int k = 0; k < 2; ++k) {
            const bool isGame = (k == 0) == gameFirst;
            const ChildRun child = spawnChild(exe, isGame ? game : bare, env, 30);
            Startup *into = counted ? (isGame ? &gameRuns : &bareRuns) : nullptr;
            if (!child.ok || !recordStartup(child, into)) {
                std::fputc('\n', stderr);
                reportFailure(isGame ? "the game's start-up" : "the bare window's start-up", child);
                return 1;
            }
        }
        std::fputc('.', stderr);
    }
    std::fputc('\n', stderr);

    std::fprintf(stderr, "click to repainted board: %d clicks\n", options.clicks);
    const ChildRun clicks = spawnChild(
        exe, {"-platform", platform, "--click-latency", std::to_string(options.clicks)}, env, 600);
    std::istringstream clickLine(clicks.out);
    std::string tag;
    int count = 0;
    double clickMedian = 0;
    double clickP95 = 0;
    double clickMin = 0;
    double clickMax = 0;
    if (!clicks.ok ||
        !(clickLine >> tag >> count >> clickMedian >> clickP95 >> clickMin >> clickMax) ||
        tag != "CLICKS") {
        reportFailure("the click measurement", clicks);
        return 1;
    }

    std::fprintf(stderr, "statistics window: %d runs over %d games\n", options.statisticsRuns,
                 options.statisticsGames);
    std::vector<double> statisticsMs;
    std::vector<double> statisticsRssMiB;
    std::vector<double> loadedMs;
    std::vector<double> stallMs;
    std::vector<double> perGameMs;
    std::vector<double> perGameMaxMs;
    std::vector<double> handOverMs;
    long long recordBytes = 0;
    for (int i = 0; i < options.statisticsRuns; ++i) {
        const ChildRun child = spawnChild(
            exe, {"-platform", platform, "--statistics", std::to_string(options.statisticsGames)},
            env, 120);
        std::istringstream line(child.out);
        std::string tag;
        long long micros = 0;
        long before = 0;
        long after = 0;
        long long loadedMicros = 0;
        long long stallMicros = 0;
        double gameMicros = 0;
        double gameMaxMicros = 0;
        long long handOverMicros = 0;
        if (!child.ok ||
            !(line >> tag >> micros >> before >> after >> recordBytes >> loadedMicros >>
              stallMicros >> gameMicros >> gameMaxMicros >> handOverMicros) ||
            tag != "STATISTICS") {
            reportFailure("the statistics window", child);
            return 1;
        }
        statisticsMs.push_back(double(micros) / 1000.0);
        statisticsRssMiB.push_back(double(after - before) / 1024.0);
        loadedMs.push_back(double(loadedMicros) / 1000.0);
        stallMs.push_back(double(stallMicros) / 1000.0);
        perGameMs.push_back(gameMicros / 1000.0);
        perGameMaxMs.push_back(gameMaxMicros / 1000.0);
        handOverMs.push_back(double(handOverMicros) / 1000.0);
    }

    using Bench::median;
    const double total = median(gameRuns.totalMs) / median(bareRuns.totalMs);
    const double rss = median(gameRuns.rssMiB) / median(bareRuns.rssMiB);
    std::printf("\nЧуйкомер benchmark: %s, %d runs of each window after %d warm-up\n\n",
                where.c_str(), options.runs, options.warmUp);
    std::printf("%-38s %10s %10s %8s %8s\n", "median", "game", "bare", "ratio", "target");
    std::printf("%-38s %7.1f ms %7.1f ms %8.3f %8s  %s\n", "start-up: launch to first frame",
                median(gameRuns.totalMs), median(bareRuns.totalMs), total, "<= 1.06",
                verdict(total, TimeTarget));
    std::printf("%-38s %7.1f ms %7.1f ms %8.3f\n", "  of which launch to main()",
                median(gameRuns.launchMs), median(bareRuns.launchMs),
                median(gameRuns.launchMs) / median(bareRuns.launchMs));
    std::printf("%-38s %7.1f ms %7.1f ms %8.3f\n", "  of which main() to first frame",
                median(gameRuns.inProcessMs), median(bareRuns.inProcessMs),
                median(gameRuns.inProcessMs) / median(bareRuns.inProcessMs));
    std::printf("%-38s %6.1f MiB %6.1f MiB %8.3f %8s  %s\n", "peak RSS at first frame",
                median(gameRuns.rssMiB), median(bareRuns.rssMiB), rss, "<= 1.05",
                verdict(rss, MemoryTarget));
    std::printf("\nclick on a picture to repainted board, level 3, %d clicks:\n", count);
    std::printf("  median %.0f us, p95 %.0f us (min %.0f us, max %.0f us)\n", clickMedian, clickP95,
                clickMin, clickMax);
    const double opening = median(statisticsMs);
    std::printf("\nstatistics window over %d games (%.1f MiB record), %d runs:\n",
                options.statisticsGames, double(recordBytes) / (1024.0 * 1024.0),
                options.statisticsRuns);
    std::printf("  command to first paint: median %.1f ms, max %.1f ms, target <= 300 ms  %s\n",
                opening, Bench::percentile(statisticsMs, 100), opening <= 300 ? "met" : "MISSED");
    std::printf("  command to all figures shown: median %.1f ms, max %.1f ms\n", median(loadedMs),
                Bench::percentile(loadedMs, 100));
    const double stall = Bench::percentile(stallMs, 100);
    std::printf("  longest freeze while reading: median %.1f ms, max %.1f ms, target <= 100 ms"
                "  %s\n",
                median(stallMs), stall, stall <= 100 ? "met" : "MISSED");
    const double handOver = Bench::percentile(handOverMs, 100);
    std::printf("  the figures handed to the window: median %.1f ms, max %.1f ms, target <= 100 ms"
                "  %s\n",
                median(handOverMs), handOver, handOver <= 100 ? "met" : "MISSED");
    std::printf("  peak RSS growth while opening: median %.1f MiB\n", median(statisticsRssMiB));
    const double perGame = Bench::percentile(perGameMaxMs, 100);
    std::printf("  finished game to repainted chart: median %.1f ms, max %.1f ms, target <= 16 ms"
                "  %s\n",
                median(perGameMs), perGame, perGame <= 16 ? "met" : "MISSED");
    return 0;
}

} // namespace Driver
