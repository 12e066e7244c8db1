// Start-up to the first painted frame and the resident memory of the idle window, for the
// program and for a minimal Qt Widgets program with one empty window of the same size (and, for
// context, that window with one line of Japanese text). Each iteration starts the probe afresh;
// the time runs from the spawn to the probe's report. Run in repetitions that take turns, so
// that the three programs see the same state of the machine.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

struct TProbeRun {
    double secondsToFirstFrame = 0;
    long idleResidentKiB = -1;
    bool ok = false;
};

TProbeRun RunProbe(const char *path) {
    TProbeRun run;
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return run;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    char *argv[] = {const_cast<char *>(path), nullptr};

    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, path, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (spawned != 0) {
        close(pipeEnds[0]);
        return run;
    }
    FILE *out = fdopen(pipeEnds[0], "r");
    char line[128];
    bool painted = false;
    while (out && std::fgets(line, sizeof line, out)) {
        if (!painted && std::strncmp(line, "first-frame", 11) == 0) {
            run.secondsToFirstFrame =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            painted = true;
        } else if (std::sscanf(line, "idle-rss-kib %ld", &run.idleResidentKiB) == 1) {
            break;
        }
    }
    if (out)
        std::fclose(out);
    else
        close(pipeEnds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    run.ok = painted && run.idleResidentKiB > 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

void BM_Startup(benchmark::State &state, const char *path) {
    double residentKiB = 0;
    for (auto _ : state) {
        const TProbeRun run = RunProbe(path);
        if (!run.ok) {
            state.SkipWithError("the probe did not report its first frame and memory");
            return;
        }
        state.SetIterationTime(run.secondsToFirstFrame);
        residentKiB += double(run.idleResidentKiB);
    }
    state.counters["idle_rss_kib"] =
        benchmark::Counter(residentKiB, benchmark::Counter::kAvgIterations);
}

} // namespace

BENCHMARK_CAPTURE(BM_Startup, Radixtrek, RADIXTREK_STARTUP_PROBE)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(4);
BENCHMARK_CAPTURE(BM_Startup, MinimalQtWindow, MINIMAL_STARTUP_PROBE)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(4);

BENCHMARK_CAPTURE(BM_Startup, MinimalWindowWithJapaneseText, MINIMAL_TEXT_STARTUP_PROBE)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(4);

BENCHMARK_MAIN();
