// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/TestEnvironment.h"

#include <unicode/locid.h>
#include <unicode/timezone.h>

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

namespace hv::test {

namespace {

struct RuntimeDirectory {
    std::string path;
    ~RuntimeDirectory() {
        std::error_code ignored;
        if (!path.empty()) std::filesystem::remove_all(path, ignored);
    }
};

// hushvault-run-PID-XXXXXX folders of this user whose process is gone.
void removeFoldersOfEndedRuns(const std::filesystem::path& temporary) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(temporary, error)) {
        const std::string name = entry.path().filename().string();
        const char* prefix = "hushvault-run-";
        if (name.rfind(prefix, 0) != 0) continue;
        char* end = nullptr;
        const long pid = std::strtol(name.c_str() + std::strlen(prefix), &end, 10);
        struct stat status {};
        if (pid <= 0 || *end != '-' || ::lstat(entry.path().c_str(), &status) != 0 ||
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
    const std::filesystem::path temporary = std::filesystem::temp_directory_path();
    removeFoldersOfEndedRuns(temporary);
    static RuntimeDirectory runtime;
    std::string pattern =
        (temporary / ("hushvault-run-" + std::to_string(::getpid()) + "-XXXXXX")).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (::mkdtemp(name.data())) {
        const std::string folder = runtime.path = name.data();
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
}

}  // namespace hv::test
