// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/SqliteStatement.h"

namespace hv {

SqliteStatement::SqliteStatement(sqlite3* database, const char* sql) {
    if (database && sqlite3_prepare_v2(database, sql, -1, &statement_, nullptr) != SQLITE_OK) {
        sqlite3_finalize(statement_);
        statement_ = nullptr;
    }
}

SqliteStatement::~SqliteStatement() {
    sqlite3_finalize(statement_);
}

void SqliteStatement::bind(int index, std::string_view text) {
    if (!statement_) return;
    // A zero-length text still needs a valid pointer, or SQLite binds NULL.
    const char* data = text.data() ? text.data() : "";
    if (sqlite3_bind_text(statement_, index, data, static_cast<int>(text.size()),
                          SQLITE_TRANSIENT) != SQLITE_OK)
        bound_ = false;
}

void SqliteStatement::bind(int index, int value) {
    if (statement_ && sqlite3_bind_int(statement_, index, value) != SQLITE_OK) bound_ = false;
}

void SqliteStatement::bindNull(int index) {
    if (statement_ && sqlite3_bind_null(statement_, index) != SQLITE_OK) bound_ = false;
}

bool SqliteStatement::nextRow() {
    if (!ok() || stepFailed_) return false;
    const int result = sqlite3_step(statement_);
    if (result != SQLITE_ROW && result != SQLITE_DONE) stepFailed_ = true;
    return result == SQLITE_ROW;
}

bool SqliteStatement::run() {
    while (nextRow()) {
    }
    return !failed();
}

void SqliteStatement::reset() {
    if (!statement_) return;
    sqlite3_reset(statement_);
    sqlite3_clear_bindings(statement_);
    bound_ = true;
    stepFailed_ = false;
}

int SqliteStatement::columnInt(int column) const {
    return sqlite3_column_int(statement_, column);
}

std::string SqliteStatement::columnText(int column) const {
    return std::string(columnView(column));
}

std::string_view SqliteStatement::columnView(int column) const {
    const auto* text = sqlite3_column_text(statement_, column);
    if (!text) return {};
    return std::string_view(reinterpret_cast<const char*>(text),
                            static_cast<std::size_t>(sqlite3_column_bytes(statement_, column)));
}

}  // namespace hv
