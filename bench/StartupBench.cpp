// The cold start: a new process from its start to the main menu drawn, beside a bare Qt
// window's start on the same machine, and the peak resident memory of each. Both run
// headless (offscreen) and end themselves once the first frame is drawn.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "AnchorReporter.h"

extern char** environ;

namespace {

struct Started {
    double seconds = 0;
    long peakResidentKiB = 0;
    bool ok = false;
};

Started startAndWait(std::vector<std::string> arguments) {
    static const std::string runtime = [] {
        const auto folder = std::filesystem::temp_directory_path() / "hushvault-bench-runtime";
        std::filesystem::create_directories(folder);
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
        return folder.string();
    }();
    std::vector<std::string> environment = {
        "QT_QPA_PLATFORM=offscreen", "HUSHVAULT_EXIT_WHEN_SHOWN=1", "XDG_RUNTIME_DIR=" + runtime};
    for (char** variable = environ; *variable; ++variable) {
        const std::string text = *variable;
        if (!text.starts_with("QT_QPA_PLATFORM=") && !text.starts_with("HUSHVAULT_") &&
            !text.starts_with("XDG_RUNTIME_DIR="))
            environment.push_back(text);
    }
    std::vector<char*> argv, envp;
    for (auto& argument : arguments) argv.push_back(argument.data());
    for (auto& variable : environment) envp.push_back(variable.data());
    argv.push_back(nullptr);
    envp.push_back(nullptr);

    Started started;
    const auto begin = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), envp.data()) != 0) return started;
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    started.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    started.peakResidentKiB = usage.ru_maxrss;
    started.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return started;
}

void timeStarts(benchmark::State& state, const std::vector<std::string>& arguments) {
    startAndWait(arguments);  // the first start creates the profile and fills caches
    long peak = 0;
    for (auto _ : state) {
        const Started started = startAndWait(arguments);
        if (!started.ok) {
            state.SkipWithError("the program did not start and end cleanly");
            return;
        }
        state.SetIterationTime(started.seconds);
        peak = std::max(peak, started.peakResidentKiB);
    }
    state.counters["peak_RSS_MiB"] = double(peak) / 1024;
}

const std::string kProfile =
    (std::filesystem::temp_directory_path() / "hushvault-bench-startup").string();

void BM_ColdStart_MainMenu(benchmark::State& state) {
    std::filesystem::remove_all(kProfile);
    timeStarts(state, {HV_APP, "--data-dir=" + kProfile, "--sms=outbox", "--lang=en"});
    std::filesystem::remove_all(kProfile);
}
BENCHMARK(BM_ColdStart_MainMenu)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

void BM_ColdStart_MainMenu_anchor(benchmark::State& state) {
    timeStarts(state, {HV_BARE_WINDOW});
}
BENCHMARK(BM_ColdStart_MainMenu_anchor)
    ->UseManualTime()
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);

}  // namespace
