// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sms/OutboxSmsService.h"

#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <ctime>

#include "store/AtomicFile.h"
#include "store/StorePaths.h"

namespace hv {

namespace {

std::string isoLocalTime(std::time_t seconds) {
    std::tm local{};
    localtime_r(&seconds, &local);
    char text[40];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S%z", &local);
    return text;
}

// Names sort by sending time; the process id and a counter keep them apart within one
// microsecond and between processes.
std::string uniqueName() {
    static std::atomic<unsigned> counter{0};
    using namespace std::chrono;
    const auto micros = duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
    char name[80];
    std::snprintf(name, sizeof name, "%016lld-%d-%u.sms", static_cast<long long>(micros),
                  static_cast<int>(::getpid()), counter++);
    return name;
}

bool exists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

}  // namespace

OutboxSmsService::OutboxSmsService(std::string documentsDirectory)
    : documentsDirectory_(std::move(documentsDirectory)) {}

std::string OutboxSmsService::routeReason() const {
    return "each message is kept in " + outboxDirectory() + " and not sent";
}

bool OutboxSmsService::sendSMSWithText(const std::string& text, const std::string&,
                                       const std::string& toAddress) {
    if (toAddress.find('\n') != std::string::npos) return false;
    const std::string directory = outboxDirectory();
    if (!ensureDirectory(directory)) return false;
    std::string path;
    do {
        path = directory + "/" + uniqueName();
    } while (exists(path));
    const std::string contents =
        "To: " + toAddress + "\nDate: " + isoLocalTime(std::time(nullptr)) + "\n\n" + text + "\n";
    if (!AtomicFile::write(path, contents)) return false;
    report(kCTMessageSentNotification);
    return true;
}

std::optional<OutboxMessage> parseOutboxMessage(const std::string& contents) {
    // The blank line and the body's own line end are both needed: a file cut off after
    // the blank line is not a message with an empty body.
    if (contents.rfind("To: ", 0) != 0) return std::nullopt;
    const std::size_t toEnd = contents.find('\n');
    const std::size_t dateEnd = contents.find('\n', toEnd + 1);
    if (toEnd == std::string::npos || dateEnd == std::string::npos ||
        contents.compare(toEnd + 1, 6, "Date: ") != 0 || contents.size() < dateEnd + 3 ||
        contents[dateEnd + 1] != '\n' || contents.back() != '\n')
        return std::nullopt;
    return OutboxMessage{contents.substr(4, toEnd - 4),
                         contents.substr(toEnd + 7, dateEnd - toEnd - 7),
                         contents.substr(dateEnd + 2, contents.size() - dateEnd - 3)};
}

}  // namespace hv
