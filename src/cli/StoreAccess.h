// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "store/HushvaultSqlite.h"

namespace hv::cli {

// Makes sure the store can be opened and its tables exist before a data command runs,
// so that a command on an unusable database fails with a message instead of printing
// nothing. Settings are not seeded: that is "init"'s work.
void prepareStore(HushvaultSqlite& store);

// Fails the command, naming the database file, when the store's last operation failed;
// `doing` says what was being done ("read", "change").
void requireStoreSuccess(const HushvaultSqlite& store, const std::string& doing);

}  // namespace hv::cli
