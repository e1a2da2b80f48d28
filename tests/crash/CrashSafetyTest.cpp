// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A writer process killed with SIGKILL at random moments, again and again, on the same
// data: after every kill the data holds each operation reported done, at most one more
// operation whole, and nothing half applied; temporary files are hidden where no reader
// looks. Covers the draft (and so Conf.ini, written the same way), the Outbox and restoring
// backups, the database's largest transaction (a single row's change is one statement,
// which SQLite applies whole or not at all).
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <random>
#include <thread>

#include "CrashOperations.h"
#include "store/HushvaultSqlite.h"
#include "support/TempDir.h"

extern char** environ;

using namespace hv;

namespace {

namespace fs = std::filesystem;

constexpr int kRounds = 25;

// Starts the writer at operation `first` with its reports going to the file `reports`, kills
// it after the delay (counted from its first report when duringWork, so that a slow start on
// a busy machine does not take all the kills), and gives the last operation it reported done
// (first - 1 when none).
long runAndKill(const crash::Kind& kind, const std::string& directory, const std::string& reports,
                long first, bool duringWork, std::chrono::microseconds delay) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, reports.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const std::string firstText = std::to_string(first);
    char* argv[] = {const_cast<char*>(HV_CRASH_WRITER), const_cast<char*>(kind.name.c_str()),
                    const_cast<char*>(directory.c_str()), const_cast<char*>(firstText.c_str()),
                    nullptr};
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, HV_CRASH_WRITER, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) throw std::runtime_error("cannot start the writer");
    for (int ms = 0;
         duringWork && ms < 10'000 && test::readFile(reports).find('\n') == std::string::npos; ++ms)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    std::this_thread::sleep_for(delay);
    ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
        << "the writer stopped by itself, status " << status;

    std::string output = test::readFile(reports);
    if (output.empty()) return first - 1;
    output.pop_back();
    return std::stol(output.substr(output.rfind('\n') + 1));
}

// Leftover temporary files are hidden and named after the file they were to replace;
// every other file is one the system reads.
void expectOnlyKnownFiles(const std::string& directory) {
    const std::string database = fs::path(HushvaultSqlite(directory).dataBasePath()).filename();
    for (const auto& entry : fs::recursive_directory_iterator(directory)) {
        if (!entry.is_regular_file()) continue;
        const std::string name = entry.path().filename();
        if (name.front() == '.') {
            EXPECT_EQ(name.size() > 7 ? name[name.size() - 7] : '\0', '.') << name;
            continue;
        }
        const bool known =
            name == "Conf.ini" || name == "tempMessage" || name == database ||
            name == database + "-journal" ||
            (entry.path().parent_path().filename() == "Outbox" && name.ends_with(".sms"));
        EXPECT_TRUE(known) << "unexpected file " << entry.path();
    }
}

class CrashSafetyTest : public ::testing::TestWithParam<std::string> {};

}  // namespace

TEST_P(CrashSafetyTest, AKilledWriterLosesNothingReportedAndHalfAppliesNothing) {
    const crash::Kind& kind = crash::kindNamed(GetParam());
    test::TempDir dir, reports;
    const unsigned seed = std::random_device()();
    SCOPED_TRACE("random seed " + std::to_string(seed));
    std::mt19937 random(seed);
    // One kill in four falls anywhere from the start on, the others among the operations.
    std::uniform_int_distribution<int> delay(0, 60'000);

    long applied = -1;
    int afterStart = 0;
    for (int round = 0; round < kRounds; ++round) {
        const long reported = runAndKill(kind, dir.path(), reports.file("reports"), applied + 1,
                                         round % 4 != 0, std::chrono::microseconds(delay(random)));
        if (reported > applied) ++afterStart;
        const std::string observed = kind.observedState(dir.path());
        auto holds = [&](long k) {
            const auto states = kind.expectedStates(k);
            return std::find(states.begin(), states.end(), observed) != states.end();
        };
        if (holds(reported)) {
            applied = reported;
        } else if (holds(reported + 1)) {
            applied = reported + 1;  // done, killed before it said so
        } else {
            FAIL() << "round " << round << ", operation " << reported
                   << " reported done; the data holds:\n  " << observed << "\nexpected:\n  "
                   << kind.expectedStates(reported).front();
        }
        expectOnlyKnownFiles(dir.path());
    }
    // The kills fell among the operations, not only into the start.
    EXPECT_GT(afterStart, kRounds / 2);
}

INSTANTIATE_TEST_SUITE_P(EveryKindOfData, CrashSafetyTest,
                         ::testing::Values("draft", "outbox", "restore"),
                         [](const auto& info) { return info.param; });
