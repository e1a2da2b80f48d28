// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <sqlite3.h>

#include <string>
#include <string_view>

namespace hv {

// One prepared statement, finalized when the object goes, whatever path it takes.
// Parameters are bound by position (1-based); texts are bound as UTF-8 copies.
class SqliteStatement {
public:
    SqliteStatement(sqlite3* database, const char* sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    // False when the statement failed to prepare or a bind failed; stepping then does nothing.
    bool ok() const { return statement_ != nullptr && bound_; }
    // True once preparing, binding or a step has failed (not merely run out of rows).
    bool failed() const { return !ok() || stepFailed_; }

    void bind(int index, std::string_view text);
    void bind(int index, int value);
    void bindNull(int index);

    // True while a row is available; false when done or on any error.
    bool nextRow();
    // Runs a statement that returns no rows. True when it completed.
    bool run();
    // Makes the statement ready to bind and run again (many rows in one transaction).
    void reset();

    int columnInt(int column) const;
    // A NULL column reads as the empty text.
    std::string columnText(int column) const;
    // The same without a copy, valid until the next step: for a value read and dropped.
    std::string_view columnView(int column) const;

private:
    sqlite3_stmt* statement_ = nullptr;
    bool bound_ = true;
    bool stepFailed_ = false;
};

}  // namespace hv
