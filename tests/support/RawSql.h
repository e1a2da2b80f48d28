// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace hv::test {

// Runs SQL straight on a database file, behind the store's back: rows written by hand, or
// a trigger that makes SQLite refuse writes the way a full disk does. True on success.
bool runSql(const std::string& databasePath, const std::string& sql);

}  // namespace hv::test
