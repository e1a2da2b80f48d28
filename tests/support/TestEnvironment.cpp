// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/TestEnvironment.h"

#include <unicode/locid.h>
#include <unicode/timezone.h>

#include <clocale>
#include <cstdlib>
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

    // A process a test starts (crash writers, probes) may be killed or end with _exit and
    // never clean up, so it shares the folder of the test that started it, which owns it.
    static RuntimeDirectory runtime;
    std::string folder;
    if (const char* inherited = std::getenv("HUSHVAULT_TEST_RUNTIME");
        inherited && std::filesystem::is_directory(inherited)) {
        folder = inherited;
    } else {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "hushvault-run-XXXXXX").string();
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        if (::mkdtemp(name.data())) runtime.path = folder = name.data();
    }
    if (!folder.empty()) {
        ::setenv("HUSHVAULT_TEST_RUNTIME", folder.c_str(), 1);
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
