// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Driver.h"

#include "Stats.h"

#include <algorithm>
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
#include <utility>
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
// The English translation's load at start-up, in milliseconds.
constexpr double TranslationTargetMs = 2.0;

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

    // `other` names another build's bench; by default the child is this one.
    ChildRun start(const std::vector<std::string> &mode, int timeoutSec,
                   const std::string &other = {}) const
    {
        std::vector<std::string> args{"-platform", platform};
        args.insert(args.end(), mode.begin(), mode.end());
        return spawnChild(other.empty() ? exe : other, args, env, timeoutSec);
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
    if (!options.against.empty() && access(options.against.c_str(), X_OK) != 0) {
        std::fprintf(stderr, "chuikomer_bench: cannot run %s: %s\n", options.against.c_str(),
                     std::strerror(errno));
        return std::nullopt;
    }
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

// One of the windows started in every round of the start-up runs.
struct Contender {
    const char *what;
    const char *window;
    // Empty: this build.
    std::string exe;
    Startup *runs;
};

// A warm-up start is not counted, but must succeed.
bool startOnce(const Launcher &launcher, const Contender &contender, bool counted)
{
    const ChildRun child = launcher.start({"--startup", contender.window}, 30, contender.exe);
    if (child.ok && recordStartup(child, counted ? contender.runs : nullptr))
        return true;
    std::fputc('\n', stderr);
    reportFailure(contender.what, child);
    return false;
}

bool measureStartups(const Launcher &launcher, const Options &options,
                     const std::vector<Contender> &contenders)
{
    std::fprintf(stderr, "start-up: %d + %d warm-up runs of each %s", options.runs, options.warmUp,
                 contenders.size() > 2 ? "window and the other build's game" : "window");
    for (int i = 0; i < options.warmUp + options.runs; ++i) {
        const bool counted = i >= options.warmUp;
        // Every other round in reverse: a drift in the machine's state over the run then touches
        // each window alike, and each goes first as often as the one it is compared with.
        const bool reverse = i % 2 != 0;
        for (std::size_t k = 0; k < contenders.size(); ++k) {
            const Contender &next = contenders[reverse ? contenders.size() - 1 - k : k];
            if (!startOnce(launcher, next, counted))
                return false;
        }
        std::fputc('.', stderr);
    }
    std::fputc('\n', stderr);
    return true;
}

// The compiled translations the program carries, as the probe lists them.
struct CompiledTranslation {
    std::string name;
    long long bytes = 0;
    bool hasMessages = false;
};

bool recordTranslation(const ChildRun &child, std::vector<double> *ms,
                       std::vector<CompiledTranslation> *compiled)
{
    std::istringstream lines(child.out);
    std::string tag;
    std::int64_t ns = 0;
    if (!(lines >> tag >> ns) || tag != "TRANSLATION")
        return false;
    ms->push_back(static_cast<double>(ns) / 1e6);
    compiled->clear();
    CompiledTranslation file;
    int hasMessages = 0;
    while (lines >> tag >> file.bytes >> hasMessages >> file.name && tag == "QM") {
        file.hasMessages = hasMessages != 0;
        compiled->push_back(file);
    }
    return true;
}

bool measureTranslations(const Launcher &launcher, const Options &options,
                         std::vector<double> *english, std::vector<double> *russian,
                         std::vector<CompiledTranslation> *compiled)
{
    std::fprintf(stderr, "translation load: %d runs of each language\n", options.translationRuns);
    for (int i = 0; i < options.translationRuns; ++i) {
        const bool englishFirst = i % 2 == 0;
        for (const bool isEnglish : {englishFirst, !englishFirst}) {
            const ChildRun child = launcher.start({"--translation", isEnglish ? "en" : "ru"}, 30);
            if (!child.ok || !recordTranslation(child, isEnglish ? english : russian, compiled)) {
                reportFailure("the translation's load", child);
                return false;
            }
        }
    }
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
    double againMs = 0;
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
    long long againMicros = 0;
    if (!(line >> tag >> micros >> before >> after >> run.recordBytes >> loadedMicros >>
          stallMicros >> gameMicros >> gameMaxMicros >> handOverMicros >> againMicros) ||
        tag != "STATISTICS")
        return std::nullopt;
    run.firstPaintMs = double(micros) / 1000.0;
    run.rssGrowthMiB = double(after - before) / 1024.0;
    run.allFiguresMs = double(loadedMicros) / 1000.0;
    run.longestFreezeMs = double(stallMicros) / 1000.0;
    run.perGameMs = gameMicros / 1000.0;
    run.perGameMaxMs = gameMaxMicros / 1000.0;
    run.handOverMs = double(handOverMicros) / 1000.0;
    run.againMs = double(againMicros) / 1000.0;
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

// The languages the children were started under, which choose the game's translation.
std::string languageSettings()
{
    std::string settings;
    for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char *value = std::getenv(name);
        if (value && *value)
            settings += std::string(settings.empty() ? "" : " ") + name + "=" + value;
    }
    return settings.empty() ? "no language set" : settings;
}

// "No slower and no larger": met while the ratio is at most 1, or while the noise cannot tell
// it from 1.
const char *verdictAgainst(const Bench::Ratio &ratio)
{
    if (ratio.value <= 1.0)
        return "met";
    return ratio.low <= 1.0 ? "met, within the noise" : "MISSED";
}

void printRatioRow(const char *what, const char *unit, double mine, double other,
                   const Bench::Ratio &ratio, bool judged)
{
    char mineText[32];
    char otherText[32];
    std::snprintf(mineText, sizeof mineText, "%.1f %s", mine, unit);
    std::snprintf(otherText, sizeof otherText, "%.1f %s", other, unit);
    std::printf("%-38s %10s %10s %6.3f  %5.3f-%5.3f  %5.3f %5.3f", what, mineText, otherText,
                ratio.value, ratio.low, ratio.high, ratio.firstHalf, ratio.secondHalf);
    if (judged)
        std::printf("  %7s  %s", "<= 1.00", verdictAgainst(ratio));
    std::putchar('\n');
}

void printAgainstReport(const Options &options, const Startup &game, const Startup &other)
{
    using Bench::median;
    using Bench::pairedRatio;
    std::printf("\nthis build's game against the other build's (%s), under %s, %d runs of each:"
                "\n\n",
                options.against.c_str(), languageSettings().c_str(), options.runs);
    std::printf("%-38s %10s %10s %6s  %11s  %11s  %7s\n", "median", "this", "other", "ratio",
                "95% range", "halves", "target");
    printRatioRow("start-up: launch to first frame", "ms", median(game.totalMs),
                  median(other.totalMs), pairedRatio(game.totalMs, other.totalMs), true);
    printRatioRow("  of which launch to main()", "ms", median(game.launchMs),
                  median(other.launchMs), pairedRatio(game.launchMs, other.launchMs), false);
    printRatioRow("  of which main() to first frame", "ms", median(game.inProcessMs),
                  median(other.inProcessMs), pairedRatio(game.inProcessMs, other.inProcessMs),
                  false);
    printRatioRow("peak RSS at first frame", "MiB", median(game.rssMiB), median(other.rssMiB),
                  pairedRatio(game.rssMiB, other.rssMiB), true);
}

// What "empty" means for a language's figure: nothing was there to load.
std::string emptiness(const std::vector<CompiledTranslation> &compiled, const std::string &code)
{
    for (const CompiledTranslation &file : compiled) {
        const std::string suffix = "_" + code + ".qm";
        if (file.name.size() >= suffix.size() &&
            file.name.compare(file.name.size() - suffix.size(), suffix.size(), suffix) == 0)
            return file.hasMessages ? "" : " (" + file.name + " holds no message yet)";
    }
    return " (no " + code + " translation is built into the program)";
}

void printTranslationReport(const Options &options, const std::vector<double> &english,
                            const std::vector<double> &russian,
                            const std::vector<CompiledTranslation> &compiled)
{
    using Bench::median;
    using Bench::percentile;
    std::printf("\ntranslation load, Language::install in a fresh process, %d runs of each:\n",
                options.translationRuns);
    // Judged on the 95th percentile: a run or two the shared machine held up are its own
    // doing, while a load that costs too much does so in most runs.
    const double usual = percentile(english, 95);
    const auto over = std::count_if(english.begin(), english.end(),
                                    [](double ms) { return ms > TranslationTargetMs; });
    std::printf("  English: median %.3f ms, p95 %.3f ms, worst %.3f ms (%d over 2 ms),"
                " target p95 <= 2 ms  %s%s\n",
                median(english), usual, percentile(english, 100), int(over),
                verdict(usual, TranslationTargetMs), emptiness(compiled, "en").c_str());
    std::printf("  Russian: median %.3f ms, p95 %.3f ms, worst %.3f ms%s\n", median(russian),
                percentile(russian, 95), percentile(russian, 100),
                emptiness(compiled, "ru").c_str());
    std::printf("  compiled translations built into the program:");
    const char *separator = " ";
    for (const CompiledTranslation &file : compiled) {
        std::printf("%s%s %lld bytes", separator, file.name.c_str(), file.bytes);
        separator = ", ";
    }
    std::putchar('\n');
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
    const Spread again = spreadOf(runs, &StatisticsRun::againMs);
    std::printf("  opened again in the same run, all figures: median %.1f ms, max %.1f ms, "
                "target <= 100 ms  %s\n",
                again.median, again.max, verdict(again.max, 100));
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
    Startup otherRuns;
    // The other build's game between the two, so that it and this build's game go first in
    // turn.
    std::vector<Contender> contenders{{"the game's start-up", "game", {}, &gameRuns}};
    if (!options.against.empty())
        contenders.push_back({"the other build's start-up", "game", options.against, &otherRuns});
    contenders.push_back({"the bare window's start-up", "bare", {}, &bareRuns});
    if (!measureStartups(*launcher, options, contenders))
        return 1;
    std::vector<double> english;
    std::vector<double> russian;
    std::vector<CompiledTranslation> compiled;
    if (!measureTranslations(*launcher, options, &english, &russian, &compiled))
        return 1;
    const std::optional<Clicks> clicks = measureClicks(*launcher, options.clicks);
    if (!clicks)
        return 1;
    std::vector<StatisticsRun> statistics;
    if (!measureStatistics(*launcher, options, &statistics))
        return 1;
    printStartupReport(launcher->where, options, gameRuns, bareRuns);
    if (!options.against.empty())
        printAgainstReport(options, gameRuns, otherRuns);
    printTranslationReport(options, english, russian, compiled);
    printClickReport(*clicks);
    printStatisticsReport(options, statistics);
    return 0;
}

} // namespace Driver
