// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <sqlite3.h>

#include <string>

namespace hv::test {

// Runs SQL straight on a database file, behind the store's back: rows written by hand, or
// a trigger that makes SQLite refuse writes the way a full disk does. True on success.
inline bool runSql(const std::string& databasePath, const std::string& sql) {
    sqlite3* db = nullptr;
    const bool ok = sqlite3_open(databasePath.c_str(), &db) == SQLITE_OK &&
                    sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return ok;
}

}  // namespace hv::test
