// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/ConnectionDataBase.h"

#include <fcntl.h>
#include <unistd.h>

#include "store/StorePaths.h"

namespace hv {

namespace {

constexpr const char* kDataBaseFileName = "HiddenMSGTable";
constexpr int kBusyTimeoutMs = 2000;  // the app and hushvault-cli may meet on the file

}  // namespace

ConnectionDataBase::ConnectionDataBase(std::string documentsDirectory)
    : documentsDirectory_(std::move(documentsDirectory)) {}

ConnectionDataBase::~ConnectionDataBase() {
    closeDataBase();
}

std::string ConnectionDataBase::dataBasePath() const {
    ensureDirectory(documentsDirectory_);
    return documentsDirectory_ + "/" + kDataBaseFileName;
}

bool ConnectionDataBase::connectionDataBase() {
    closeDataBase();
    const std::string path = dataBasePath();
    // SQLite would create the file with the umask's mode; it holds private data, so it is
    // created here first, readable by the user alone. SQLite gives its journal the same mode.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd >= 0) ::close(fd);
    if (sqlite3_open_v2(path.c_str(), &logDataBase, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        closeDataBase();
        return false;
    }
    sqlite3_busy_timeout(logDataBase, kBusyTimeoutMs);
    // Deleted rows are overwritten, not left in free pages: a deleted preset password or
    // message would otherwise stay readable in the file. Debian's SQLite does this by
    // default, others do not.
    sqlite3_exec(logDataBase, "PRAGMA secure_delete=ON", nullptr, nullptr, nullptr);
    return true;
}

void ConnectionDataBase::closeDataBase() {
    if (logDataBase) sqlite3_close_v2(logDataBase);
    logDataBase = nullptr;
}

}  // namespace hv
