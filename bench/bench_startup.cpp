// Prints how long the game takes from process start to its window's first
// complete paint, against the baseline window, and the peak resident memory
// of both at that moment. The two programs run in turn (A B A B ...) with
// TOLVY_BENCH_EXIT_AFTER_PAINT set, so both meet the same load and caches;
// each reports CLOCK_MONOTONIC at its first paint, and the time is taken from
// just before the process is spawned. Figures to read, never a pass or fail.
//
// bench_startup GAME BASELINE [RUNS]
#include "benchfigures.h"

#include <QString>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

double monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) * 1e9 + double(now.tv_nsec);
}

struct Sample {
    bool ok = false;
    double milliseconds = 0;      // spawn to first paint
    double kernelMilliseconds = 0; // as the program counts from its start time
    double cpuMilliseconds = 0;    // user and system time up to the first paint
    double peakKiB = 0;
};

double field(const std::string& line, const char* name)
{
    const std::size_t at = line.find(name);
    return at == std::string::npos ? -1 : std::atof(line.c_str() + at + std::strlen(name));
}

// Runs the program once and reads its report; a program that says nothing
// within 30 seconds is killed and the run counts as failed.
Sample runOnce(const char* program)
{
    Sample sample;
    int out[2];
    if (pipe(out) != 0)
        return sample;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addclose(&actions, out[1]);
    char* const argv[] = {const_cast<char*>(program), nullptr};

    pid_t child = 0;
    const double spawned = monotonicNanoseconds();
    const int error = posix_spawn(&child, program, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (error != 0) {
        std::fprintf(stderr, "bench_startup: cannot start %s: %s\n", program, std::strerror(error));
        close(out[0]);
        return sample;
    }

    std::string text;
    char buffer[512];
    pollfd readable{out[0], POLLIN, 0};
    while (poll(&readable, 1, 30000) > 0) {
        const ssize_t got = read(out[0], buffer, sizeof buffer);
        if (got <= 0)
            break;
        text.append(buffer, std::size_t(got));
    }
    close(out[0]);
    if (text.find("first-paint") == std::string::npos)
        kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);

    const double painted = field(text, "monotonic-ns=");
    if (painted <= 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "bench_startup: no report from %s\n", program);
        return sample;
    }
    sample.ok = true;
    sample.milliseconds = (painted - spawned) / 1e6;
    sample.kernelMilliseconds = field(text, "since-start-ms=");
    sample.cpuMilliseconds = field(text, "cpu-ms=");
    sample.peakKiB = field(text, "vmhwm-kib=");
    return sample;
}

struct Series {
    std::vector<double> milliseconds;
    std::vector<double> kernelMilliseconds;
    std::vector<double> cpuMilliseconds;
    std::vector<double> peakKiB;

    void add(const Sample& sample)
    {
        milliseconds.push_back(sample.milliseconds);
        kernelMilliseconds.push_back(sample.kernelMilliseconds);
        cpuMilliseconds.push_back(sample.cpuMilliseconds);
        peakKiB.push_back(sample.peakKiB);
    }
};

void print(const char* name, const Series& series)
{
    std::printf("  %-9s first paint median %6.1f ms, min %6.1f, max %6.1f (own count from its start time, in 10 ms "
                "steps: %3.0f ms);\n"
                "            processor time to first paint median %6.1f ms; peak resident median %6.0f KiB\n",
                name, median(series.milliseconds), minimum(series.milliseconds), maximum(series.milliseconds),
                median(series.kernelMilliseconds), median(series.cpuMilliseconds), median(series.peakKiB));
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_startup GAME BASELINE [RUNS]\n");
        return 2;
    }
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 30;
    setenv("TOLVY_BENCH_EXIT_AFTER_PAINT", "1", 1);

    // Two rounds first that only warm the caches.
    for (int warm = 0; warm < 2; ++warm) {
        runOnce(argv[1]);
        runOnce(argv[2]);
    }
    Series game;
    Series baseline;
    for (int run = 0; run < runs; ++run) {
        const Sample a = runOnce(argv[1]);
        const Sample b = runOnce(argv[2]);
        if (!a.ok || !b.ok)
            return 1;
        game.add(a);
        baseline.add(b);
    }

    std::printf("Start-up to the first complete paint, %d runs each, game and baseline in turn:\n", runs);
    print("game", game);
    print("baseline", baseline);
    const double ratio = median(game.milliseconds) / median(baseline.milliseconds);
    const double cpuRatio = median(game.cpuMilliseconds) / median(baseline.cpuMilliseconds);
    const double extraKiB = median(game.peakKiB) - median(baseline.peakKiB);
    std::printf("  ratio of medians %.3f (processor time %.3f); peak resident memory %+.0f KiB (%.2f MiB) over the "
                "baseline\n",
                ratio, cpuRatio, extraKiB, extraKiB / 1024);

    tableRow(QStringLiteral("Start-up: game / baseline, medians"),
             QStringLiteral("%1 (%2 ms / %3 ms)")
                 .arg(ratio, 0, 'f', 3)
                 .arg(median(game.milliseconds), 0, 'f', 1)
                 .arg(median(baseline.milliseconds), 0, 'f', 1),
             QStringLiteral("<= 1.15"));
    tableRow(QStringLiteral("Start-up: processor time to first paint, game / baseline"),
             QStringLiteral("%1 (%2 ms / %3 ms)")
                 .arg(cpuRatio, 0, 'f', 3)
                 .arg(median(game.cpuMilliseconds), 0, 'f', 1)
                 .arg(median(baseline.cpuMilliseconds), 0, 'f', 1),
             QStringLiteral("-"));
    tableRow(QStringLiteral("Memory: peak after start-up, game - baseline"),
             QStringLiteral("%1 MiB (%2 - %3 KiB)")
                 .arg(extraKiB / 1024, 0, 'f', 2)
                 .arg(median(game.peakKiB), 0, 'f', 0)
                 .arg(median(baseline.peakKiB), 0, 'f', 0),
             QStringLiteral("<= 3 MiB"));
    return 0;
}
