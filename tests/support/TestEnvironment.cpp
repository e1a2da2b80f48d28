// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/TestEnvironment.h"

#include "support/TempDir.h"

#include <unicode/locid.h>
#include <unicode/timezone.h>

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>

namespace hv::test {

namespace {

// hushvault-run-PID-XXXXXX folders of this user whose process is gone.
void removeFoldersOfEndedRuns(const std::filesystem::path& temporary) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(temporary, error)) {
        int pid = 0;
        char dash = 0;
        struct stat status {};
        if (std::sscanf(entry.path().filename().c_str(), "hushvault-run-%d%c", &pid, &dash) != 2 ||
            pid <= 0 || dash != '-' || ::lstat(entry.path().c_str(), &status) != 0 ||
            status.st_uid != ::getuid() || ::kill(pid_t(pid), 0) == 0 || errno != ESRCH)
            continue;
        std::filesystem::remove_all(entry.path(), error);
    }
}

}  // namespace

void pinTestEnvironment() {
    ::setenv("TZ", "UTC", 1);
    ::tzset();
    for (const char* name : {"LANG", "LANGUAGE", "LC_MESSAGES", "LC_TIME", "LC_NUMERIC"})
        ::unsetenv(name);
    ::setenv("LC_ALL", "C", 1);
    std::setlocale(LC_ALL, "C");
    UErrorCode status = U_ZERO_ERROR;
    icu::Locale::setDefault(icu::Locale("en_US"), status);
    icu::TimeZone::adoptDefault(icu::TimeZone::createTimeZone("UTC"));

    // The folder is removed at exit; a run that was killed or aborted (a sanitizer's
    // report, a time-out) leaves its own behind, which the next run removes.
    removeFoldersOfEndedRuns(std::filesystem::temp_directory_path());
    static const TempDir runtime("hushvault-run-" + std::to_string(::getpid()) + "-");
    const std::string& folder = runtime.path();
    ::setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
    // Nothing may reach the user's own data, even by mistake.
    ::setenv("XDG_DATA_HOME", (folder + "/data").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (folder + "/config").c_str(), 1);
    // Nor the machine's modem, a paired phone or the desktop's notifications: no system
    // or session bus, no kdeconnect-cli.
    ::setenv("DBUS_SYSTEM_BUS_ADDRESS", ("unix:path=" + folder + "/no-bus").c_str(), 1);
    ::setenv("DBUS_SESSION_BUS_ADDRESS", ("unix:path=" + folder + "/no-bus").c_str(), 1);
    ::setenv("HUSHVAULT_KDECONNECT_CLI", "", 1);
}

}  // namespace hv::test
