// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The cold start: a new process from its start to the main menu drawn, beside a bare Qt
// window's start on the same machine, and the peak resident memory of each. Both run
// headless (offscreen) and end themselves once the first frame is drawn. The start is
// timed twice: on its own (the Outbox), and choosing its SMS service ("auto") while a
// ModemManager (a fake on a private bus) takes two seconds to list its modems, as a busy
// one does at boot: the window must not wait for it.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "AnchorReporter.h"

extern char** environ;

namespace {

struct Started {
    double seconds = 0;
    long peakResidentKiB = 0;
    bool ok = false;
};

// Starts the program with the arguments and extra environment; its process id, or 0.
pid_t spawn(std::vector<std::string> arguments, const std::vector<std::string>& extra = {},
            const posix_spawn_file_actions_t* actions = nullptr) {
    static const std::string runtime = [] {
        const auto folder = std::filesystem::temp_directory_path() / "hushvault-bench-runtime";
        std::filesystem::create_directories(folder);
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
        return folder.string();
    }();
    std::vector<std::string> environment = {
        "QT_QPA_PLATFORM=offscreen", "HUSHVAULT_EXIT_WHEN_SHOWN=1", "XDG_RUNTIME_DIR=" + runtime};
    environment.insert(environment.end(), extra.begin(), extra.end());
    for (char** variable = environ; *variable; ++variable) {
        const std::string text = *variable;
        const std::string name = text.substr(0, text.find('=') + 1);
        bool replaced = name == "QT_QPA_PLATFORM=" || name.starts_with("HUSHVAULT_") ||
                        name == "XDG_RUNTIME_DIR=";
        for (const std::string& given : extra) replaced = replaced || given.starts_with(name);
        if (!replaced) environment.push_back(text);
    }
    std::vector<char*> argv, envp;
    for (auto& argument : arguments) argv.push_back(argument.data());
    for (auto& variable : environment) envp.push_back(variable.data());
    argv.push_back(nullptr);
    envp.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], actions, nullptr, argv.data(), envp.data()) != 0) return 0;
    return pid;
}

// A ModemManager that answers the list of its modems only after two seconds: the fake of
// the tests (python-dbusmock) on a D-Bus daemon of its own. Both stop with the object.
class SlowModemManager {
public:
    SlowModemManager() {
        const auto config = std::filesystem::temp_directory_path() / "hushvault-bench-bus.conf";
        std::ofstream(config)
            << "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration "
               "1.0//EN\" \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">"
               "<busconfig><type>custom</type><listen>unix:tmpdir=/tmp</listen>"
               "<auth>EXTERNAL</auth><policy context=\"default\">"
               "<allow send_destination=\"*\" eavesdrop=\"true\"/><allow eavesdrop=\"true\"/>"
               "<allow own=\"*\"/></policy></busconfig>\n";
        int pipeEnds[2];
        if (::pipe(pipeEnds) != 0) return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
        daemon_ = spawn(
            {"dbus-daemon", "--config-file=" + config.string(), "--nofork", "--print-address=1"},
            {}, &actions);
        posix_spawn_file_actions_destroy(&actions);
        ::close(pipeEnds[1]);
        char line[512] = {};
        FILE* out = ::fdopen(pipeEnds[0], "r");
        if (out && std::fgets(line, sizeof line, out)) address_ = line;
        if (out) std::fclose(out);
        while (!address_.empty() && (address_.back() == '\n' || address_.back() == '\r'))
            address_.pop_back();
        if (address_.empty()) return;
        // Its log of every call goes nowhere.
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        fake_ = spawn({HV_PYTHON3, "-m", "dbusmock", "--template", HV_FAKE_MODEMMANAGER, "-p",
                       R"({"modems": 1, "delay": 2})"},
                      {"DBUS_SYSTEM_BUS_ADDRESS=" + address_}, &actions);
        posix_spawn_file_actions_destroy(&actions);
        for (int tries = 0; tries < 200 && !isUp(); ++tries)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    ~SlowModemManager() {
        for (pid_t pid : {fake_, daemon_}) {
            if (pid <= 0) continue;
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
        }
    }
    const std::string& address() const { return address_; }
    bool isUp() const {
        const std::string command =
            "dbus-send --bus='" + address_ +
            "' --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus "
            "org.freedesktop.DBus.NameHasOwner string:org.freedesktop.ModemManager1 2>/dev/null";
        FILE* reply = ::popen(command.c_str(), "r");
        if (!reply) return false;
        std::string text;
        char buffer[256];
        while (std::fgets(buffer, sizeof buffer, reply)) text += buffer;
        ::pclose(reply);
        return text.find("boolean true") != std::string::npos;
    }

private:
    pid_t daemon_ = 0;
    pid_t fake_ = 0;
    std::string address_;
};

Started startAndWait(std::vector<std::string> arguments,
                     const std::vector<std::string>& environment = {}) {
    Started started;
    const auto begin = std::chrono::steady_clock::now();
    const pid_t pid = spawn(std::move(arguments), environment);
    if (pid == 0) return started;
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    started.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    started.peakResidentKiB = usage.ru_maxrss;
    started.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return started;
}

void timeStarts(benchmark::State& state, const std::vector<std::string>& arguments,
                const std::vector<std::string>& environment = {}) {
    startAndWait(arguments, environment);  // the first start creates the profile, fills caches
    long peak = 0;
    for (auto _ : state) {
        const Started started = startAndWait(arguments, environment);
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

// "auto" with a ModemManager that takes two seconds, no KDE Connect tool and no session bus.
void BM_ColdStart_SlowModemManager(benchmark::State& state) {
    const SlowModemManager modemManager;
    if (!modemManager.isUp()) {
        state.SkipWithError("the fake ModemManager did not start (dbus-daemon, python3-dbusmock)");
        return;
    }
    std::filesystem::remove_all(kProfile);
    timeStarts(
        state, {HV_APP, "--data-dir=" + kProfile, "--sms=auto", "--lang=en"},
        {"DBUS_SYSTEM_BUS_ADDRESS=" + modemManager.address(),
         "DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent/bus", "HUSHVAULT_KDECONNECT_CLI="});
    std::filesystem::remove_all(kProfile);
}
BENCHMARK(BM_ColdStart_SlowModemManager)
    ->UseManualTime()
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);

void BM_ColdStart_SlowModemManager_anchor(benchmark::State& state) {
    timeStarts(state, {HV_BARE_WINDOW});
}
BENCHMARK(BM_ColdStart_SlowModemManager_anchor)
    ->UseManualTime()
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);

// The start may cost half a bare window's on top of it, not more.
const bool kAims = hv::bench::setAim("BM_ColdStart_MainMenu", 1.5) &&
                   hv::bench::setAim("BM_ColdStart_SlowModemManager", 1.5);

}  // namespace
