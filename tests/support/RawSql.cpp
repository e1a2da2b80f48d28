// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/RawSql.h"

#include <sqlite3.h>

namespace hv::test {

bool runSql(const std::string& databasePath, const std::string& sql) {
    sqlite3* db = nullptr;
    const bool ok = sqlite3_open(databasePath.c_str(), &db) == SQLITE_OK &&
                    sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return ok;
}

}  // namespace hv::test
