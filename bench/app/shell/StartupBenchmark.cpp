#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "sim/SimServer.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// Runs the runner with the arguments, its output thrown away, and waits for it; true when it exited with 0.
bool runRunner(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), QOV_RUNNER_PATH);
    std::vector<char*> argv;
    for (auto& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    int status = -1;
    if (posix_spawn(&child, QOV_RUNNER_PATH, &actions, nullptr, argv.data(), environ) == 0) {
        waitpid(child, &status, 0);
    }
    posix_spawn_file_actions_destroy(&actions);
    return status == 0;
}

// A warm start as a whole process: the runner on a home where the application ran before (terms accepted, the
// current place's weather cached and fresh), on the virtual clock, from its start to the root screen drawn with
// the Weather tab's weather and its exit; against a process that loads the same libraries and does nothing (the
// runner's "--help"). "ratio": how many bare processes one warm start costs (aim: at most 3).
void BM_WarmStartProcessVersusBareProcess(benchmark::State& state) {
    const auto home = std::filesystem::temp_directory_path() / ("qov-bench-startup-" + std::to_string(::getpid()));
    std::filesystem::remove_all(home);
    // The configurations the settings ask for come from the stand-in service; the weather from the cache.
    qovsim::SimServer service;
    service.start();
    const std::vector<std::string> warmStart{"--home",
                                             home.string(),
                                             "--service",
                                             service.baseUrl(),
                                             "--virtual-clock",
                                             "--shot",
                                             (home / "shot.png").string()};
    // The first run accepts the terms and caches the weather.
    if (!runRunner(warmStart)) {
        state.SkipWithError("the runner did not reach the root screen with weather");
        return;
    }
    double bareSeconds = 0;
    double startSeconds = 0;
    bool reached = true;
    for (auto _ : state) {
        auto start = Clock::now();
        runRunner({"--help"});
        bareSeconds += secondsSince(start);

        start = Clock::now();
        reached = runRunner(warmStart) && reached;
        startSeconds += secondsSince(start);
    }
    if (!reached) {
        state.SkipWithError("a warm start did not reach the root screen with weather");
    }
    state.counters["ratio"] = startSeconds / bareSeconds;
    service.stop();
    std::filesystem::remove_all(home);
}
BENCHMARK(BM_WarmStartProcessVersusBareProcess)->Unit(benchmark::kMillisecond);

}  // namespace
