// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A store filled quickly for benchmarks, shared by the benchmark programs.
#include <sqlite3.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <memory>
#include <string>

#include "store/AtRestCipher.h"
#include "store/HushvaultSqlite.h"
#include "store/StartupSequence.h"

namespace hv::bench {

// A database in a fresh directory, filled quickly in one transaction with rows exactly as
// the store writes them.
class Fixture {
public:
    Fixture(int contacts, int messages) {
        directory_ =
            std::filesystem::temp_directory_path() /
            ("hushvault-bench-" + std::to_string(::getpid()) + "-" + std::to_string(counter_++));
        std::filesystem::create_directories(directory_);
        store_ = std::make_unique<hv::HushvaultSqlite>(directory_.string());
        hv::StartupSequence::createTables(*store_);
        sqlite3* db = nullptr;
        sqlite3_open(store_->dataBasePath().c_str(), &db);
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        insertRows(db,
                   "INSERT INTO SecContract(name,telephone,passWord,checkCode) VALUES (?,?,?,?)",
                   contacts, [](int i) {
                       return std::array<std::string, 4>{
                           hv::encryptAtRest("Contact " + std::to_string(i)),
                           hv::encryptAtRest(number(i)), "preset" + std::to_string(i), "1"};
                   });
        insertRows(db, "INSERT INTO HidMSG(telephone,content,time,statue) VALUES (?,?,?,?)",
                   messages, [](int i) {
                       return std::array<std::string, 4>{
                           hv::encryptAtRest(number(i % 50)),
                           hv::encryptAtRest("Message number " + std::to_string(i) +
                                             " with a little more text to look like an SMS."),
                           "2026-12-06 09:15:00", "2"};
                   });
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }
    ~Fixture() { std::filesystem::remove_all(directory_); }

    hv::HushvaultSqlite& store() { return *store_; }
    static std::string number(int i) { return "1380013" + std::to_string(1000 + i); }

private:
    template <class MakeRow>
    static void insertRows(sqlite3* db, const char* sql, int count, MakeRow makeRow) {
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(db, sql, -1, &statement, nullptr);
        for (int i = 0; i < count; ++i) {
            const auto row = makeRow(i);
            for (int c = 0; c < 4; ++c)
                sqlite3_bind_text(statement, c + 1, row[c].c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_step(statement);
            sqlite3_reset(statement);
        }
        sqlite3_finalize(statement);
    }

    static inline int counter_ = 0;
    std::filesystem::path directory_;
    std::unique_ptr<hv::HushvaultSqlite> store_;
};

}  // namespace hv::bench
