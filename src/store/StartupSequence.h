// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "store/HushvaultSqlite.h"

namespace hv {

// What the store needs at every start, in this order: the four tables, the four default
// settings rows when the settings table is empty, and one row for this version. Database
// failures are silent; whatever was not done is tried again at the next start.
namespace StartupSequence {

void run(HushvaultSqlite& store, const std::string& version, double nowSeconds);

void createTables(HushvaultSqlite& store);
// Seeds "Time" "0", "PassWord" "", "Record" "On", "LockTime" now, but only into an
// empty settings table: a table with any row is left alone.
void seedSettings(HushvaultSqlite& store, double nowSeconds);
void recordVersion(HushvaultSqlite& store, const std::string& version);

}  // namespace StartupSequence

}  // namespace hv
