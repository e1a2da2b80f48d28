// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CrashOperations.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "messaging/MessageDraft.h"
#include "store/HushvaultSqlite.h"
#include "store/SettingsKeys.h"
#include "store/StartupSequence.h"
#include "store/StorePaths.h"

namespace hv::crash {

namespace {

namespace fs = std::filesystem;

// Long enough that a write takes more than one system call's worth of time to land.
std::string padding(long i) {
    return std::string(3000 + i % 500, static_cast<char>('a' + i % 26));
}

std::string messageText(long i) {
    return "Message " + std::to_string(i) + " " + padding(i);
}

std::string draftDirectory(const std::string& directory) {
    return directory + "/tmp";
}

bool performStore(const std::string& directory, long i) {
    HushvaultSqlite store(directory);
    StartupSequence::run(store, "crash-test", 0);
    switch (i % 3) {
        case 0:
            return store.addContracts("Friend " + std::to_string(i), numberOf(i),
                                      "pw " + std::to_string(i), "1") > 0;
        case 1:
            return store.addSMS(numberOf(i), messageText(i), std::string("2026-12-06 09:15:00"),
                                std::string(kStatueSent)) > 0;
        default:
            store.updatetel(kSettingTime, std::to_string(i));
            return store.lastError().empty();
    }
}

// The text of the rows a query gives, or SQLite's message. The file is opened for reading
// and writing, as the next start opens it: a hot journal left by the kill is rolled back on
// the way.
std::string query(const std::string& path, const char* sql) {
    sqlite3* db = nullptr;
    std::string result = "cannot open";
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
        sqlite3_stmt* statement = nullptr;
        result = sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) == SQLITE_OK
                     ? ""
                     : sqlite3_errmsg(db);
        while (statement && sqlite3_step(statement) == SQLITE_ROW)
            result += reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
        sqlite3_finalize(statement);
    }
    sqlite3_close(db);
    return result;
}

std::string integrityOf(const std::string& path) {
    if (!fs::exists(path)) return "no database";
    const std::string result = query(path, "PRAGMA integrity_check;");
    return result == "ok" ? "ok" : "integrity: " + result;
}

std::string observedStore(const std::string& directory) {
    HushvaultSqlite store(directory);
    std::ostringstream state;
    const std::string integrity = integrityOf(store.dataBasePath());
    if (integrity != "ok" && integrity != "no database") return integrity;
    std::set<long> contacts, records;
    for (const Contacts& contact : store.findAllContracts()) {
        const long i = std::stol(contact.name.substr(contact.name.find(' ') + 1));
        // A row is whole when every field belongs to the same operation.
        const bool whole = contact.name == "Friend " + std::to_string(i) &&
                           contact.telePhoneNumber == numberOf(i) &&
                           contact.passWord == "pw " + std::to_string(i) &&
                           contact.iphoneFriend == "1";
        contacts.insert(whole ? i : -1000 - i);
    }
    for (const HiddenMSG& record : store.findAllSMS()) {
        const long i = std::stol(record.contents.substr(8));
        const bool whole = record.contents == messageText(i) &&
                           record.telePhoneNumber == numberOf(i) && record.statue == kStatueSent;
        records.insert(whole ? i : -1000 - i);
    }
    const auto settings = store.findAllNewSMS();
    // Counted by SQL, so that a duplicate row shows; 0 when there is no table.
    const int settingRows =
        std::atoi(query(store.dataBasePath(), "SELECT count(*) FROM HidMSGNew;").c_str());
    state << "contacts";
    for (long i : contacts) state << ' ' << i;
    state << "; records";
    for (long i : records) state << ' ' << i;
    // The seeded settings are all there or none; the time is the last update's.
    state << "; settings " << settingRows;
    if (const auto time = settings.find(kSettingTime); time != settings.end())
        state << " time " << time->second;
    return state.str();
}

std::string expectedStore(long k) {
    std::ostringstream state;
    state << "contacts";
    for (long i = 0; i <= k; ++i)
        if (i % 3 == 0) state << ' ' << i;
    state << "; records";
    for (long i = 0; i <= k; ++i)
        if (i % 3 == 1) state << ' ' << i;
    long time = 0;
    for (long i = 0; i <= k; ++i)
        if (i % 3 == 2) time = i;
    state << "; settings " << (k < 0 ? 0 : 4);
    if (k >= 0) state << " time " << time;
    return state.str();
}

std::string observedDraft(const std::string& directory) {
    const auto draft = MessageDraft::load(draftDirectory(directory));
    if (!draft)
        return fs::exists(MessageDraft::path(draftDirectory(directory))) ? "unreadable"
                                                                         : "draft none";
    const long i = std::stol(draft->name.substr(draft->name.find(' ') + 1));
    const bool whole = draft->name == "Friend " + std::to_string(i) &&
                       draft->telephone == numberOf(i) && draft->text == messageText(i) &&
                       draft->password == "pw " + std::to_string(i) && draft->friendFlag == "1";
    return whole ? "draft " + std::to_string(i) : "draft mixed";
}

}  // namespace

const Kind& kindNamed(const std::string& name) {
    static const std::vector<Kind> kinds = {
        {"store", performStore, observedStore,
         [](long k) {
             // Before the first operation, the start may or may not have seeded the settings.
             std::vector<std::string> states = {expectedStore(k)};
             if (k < 0) states.push_back("contacts; records; settings 4 time 0");
             return states;
         }},
        {"draft",
         [](const std::string& directory, long i) {
             return MessageDraft{"Friend " + std::to_string(i), numberOf(i), messageText(i),
                                 "pw " + std::to_string(i), "1"}
                 .save(draftDirectory(directory));
         },
         observedDraft,
         [](long k) {
             return std::vector<std::string>{k < 0 ? "draft none" : "draft " + std::to_string(k)};
         }},
    };
    for (const Kind& kind : kinds)
        if (kind.name == name) return kind;
    throw std::invalid_argument("no such kind: " + name);
}

}  // namespace hv::crash
