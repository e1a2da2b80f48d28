// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/StoreAccess.h"

#include "cli/CommandLine.h"

namespace hv::cli {

void prepareStore(HushvaultSqlite& store) {
    const bool opened = store.connectionDataBase();
    store.closeDataBase();
    if (!opened) throw CommandFailed("cannot open the database " + store.dataBasePath());
    // Each creation leaves its own error; a file that is not a database fails the first.
    store.creatContractSqlite();
    requireStoreSuccess(store, "use");
    store.creatHushvaultSqlite();
    requireStoreSuccess(store, "use");
    store.creatSecretNewSMSSqlite();
    requireStoreSuccess(store, "use");
    store.creatSecretVersionSqlite();
    requireStoreSuccess(store, "use");
}

void requireStoreSuccess(const HushvaultSqlite& store, const std::string& doing) {
    if (!store.lastError().empty())
        throw CommandFailed("cannot " + doing + " the database " + store.dataBasePath() + ": " +
                            store.lastError());
}

}  // namespace hv::cli
