// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CrashOperations.h"

#include <sqlite3.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "backup/ProfileBackup.h"
#include "messaging/MessageDraft.h"
#include "sms/OutboxSmsService.h"
#include "store/AtomicFile.h"
#include "store/ConfigFile.h"
#include "store/HushvaultSqlite.h"
#include "store/SettingsKeys.h"
#include "store/StartupSequence.h"

namespace hv::crash {

namespace {

namespace fs = std::filesystem;

// Long enough that a write takes more than one system call's worth of time to land.
std::string messageText(long i) {
    return "Message " + std::to_string(i) + " " + std::string(3000 + i % 500, char('a' + i % 26));
}

// "ok" or what SQLite's integrity check finds. The file is opened for reading and writing,
// as the next start opens it: a hot journal left by the kill is rolled back on the way.
std::string integrityOf(const std::string& path) {
    if (!fs::exists(path)) return "ok";
    sqlite3* db = nullptr;
    sqlite3_stmt* rows = nullptr;
    std::string result;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK ||
        sqlite3_prepare_v2(db, "PRAGMA integrity_check;", -1, &rows, nullptr) != SQLITE_OK)
        result = sqlite3_errmsg(db);
    while (rows && sqlite3_step(rows) == SQLITE_ROW)
        result += reinterpret_cast<const char*>(sqlite3_column_text(rows, 0));
    sqlite3_finalize(rows);
    sqlite3_close(db);
    return result;
}

std::string observedDraft(const std::string& directory) {
    const auto draft = MessageDraft::load(directory + "/tmp");
    if (!draft)
        return fs::exists(MessageDraft::path(directory + "/tmp")) ? "unreadable" : "draft none";
    const long i = std::stol(draft->name.substr(draft->name.find(' ') + 1));
    const bool whole = draft->name == "Friend " + std::to_string(i) &&
                       draft->telephone == numberOf(i) && draft->text == messageText(i) &&
                       draft->password == "pw " + std::to_string(i) && draft->friendFlag == "1";
    return whole ? "draft " + std::to_string(i) : "draft mixed";
}

std::string observedOutbox(const std::string& directory) {
    const OutboxSmsService outbox(directory);
    std::set<long> messages;
    if (fs::exists(outbox.outboxDirectory())) {
        for (const auto& entry : fs::directory_iterator(outbox.outboxDirectory())) {
            const std::string name = entry.path().filename().string();
            if (name.front() == '.') continue;  // a temporary file, checked apart
            const auto message = parseOutboxMessage(AtomicFile::read(entry.path()).value_or(""));
            if (!message) return "unreadable " + name;
            const long i = std::stol(message->body.substr(8));
            messages.insert(
                message->body == messageText(i) && message->to == numberOf(i) ? i : -1000 - i);
        }
    }
    std::string state = "outbox";
    for (long i : messages) state += " " + std::to_string(i);
    return state;
}

// Restores: operation i restores a backup of kRestoredContacts contacts and kRestoredRecords
// records of its own (held in memory, so that no file but the profile's lies in the folder).
// The first goes into an empty profile and brings a setting and a Conf.ini key.
constexpr int kRestoredContacts = 10;
constexpr int kRestoredRecords = 50;
constexpr const char* kRestoredHost = "restored.example";

std::string restoredNumber(long i, int j) {
    return "1390" + std::to_string(100000 + i * 100 + j);
}

// Short: every restore reads the whole profile first, and the profile grows with each.
std::string restoredText(long i, int j) {
    return "Message " + std::to_string(i) + " " + std::to_string(j);
}

bool performRestore(const std::string& directory, long i) {
    HushvaultSqlite store(directory);
    StartupSequence::run(store, "crash-test", 0);
    BackupContents contents;
    contents.writtenBy = "crash-test";
    for (int j = 0; j < kRestoredContacts; ++j)
        contents.contacts.push_back({0, "Friend " + std::to_string(i) + " " + std::to_string(j),
                                     restoredNumber(i, j), "pw " + std::to_string(i), "1"});
    for (int j = 0; j < kRestoredRecords; ++j)
        contents.records.push_back({0, restoredNumber(i, j % kRestoredContacts), restoredText(i, j),
                                    "2026-12-06 09:15:00", kStatueSent});
    contents.settings = {{kSettingTime, "5"}};
    contents.config = {{"WebLinkHost", kRestoredHost}};
    const ProfileBackup profile(directory);
    RestorePlan plan;
    return profile.plan(contents, plan) == BackupError::None &&
           profile.apply(plan) == BackupError::None;
}

// Per operation, its whole contacts and records ("i:20/100"); the time and Conf.ini's host.
std::string observedRestore(const std::string& directory) {
    HushvaultSqlite store(directory);
    const std::string integrity = integrityOf(store.dataBasePath());
    if (integrity != "ok") return "integrity: " + integrity;
    // "Friend i j" and "Message i j": whole when every field is operation i's j-th.
    auto numbersIn = [](const std::string& text) {
        long i = -1;
        int j = -1;
        std::sscanf(text.c_str(), "%*s %ld %d", &i, &j);
        return std::pair{i, j};
    };
    std::map<long, std::pair<int, int>> counts;
    for (const Contacts& contact : store.findAllContracts()) {
        const auto [i, j] = numbersIn(contact.name);
        const bool whole = contact.telePhoneNumber == restoredNumber(i, j) &&
                           contact.passWord == "pw " + std::to_string(i);
        ++(whole ? counts[i].first : counts[-1000 - i].first);
    }
    for (const HiddenMSG& record : store.findAllSMS()) {
        const auto [i, j] = numbersIn(record.contents);
        const bool whole = record.contents == restoredText(i, j) &&
                           record.telePhoneNumber == restoredNumber(i, j % kRestoredContacts);
        ++(whole ? counts[i].second : counts[-1000 - i].second);
    }
    std::ostringstream state;
    state << "restored";
    for (const auto& [i, count] : counts)
        state << ' ' << i << ':' << count.first << '/' << count.second;
    const auto time = store.findTelephoneNumber(kSettingTime);
    state << "; time " << time.value_or("none") << "; host "
          << ConfigFile(directory).GetStrValueFromConfigFile("WebLinkHost").value_or("none");
    return state.str();
}

std::vector<std::string> expectedRestores(long k) {
    std::ostringstream restored;
    restored << "restored";
    for (long i = 0; i <= k; ++i)
        restored << ' ' << i << ':' << kRestoredContacts << '/' << kRestoredRecords;
    if (k >= 0) return {restored.str() + "; time 5; host " + kRestoredHost};
    // Nothing restored yet: the start may or may not have made the settings. Conf.ini is
    // written inside the first restore's transaction, just before its commit: a kill between
    // the two leaves the key without the rest (the next restore completes the profile).
    std::vector<std::string> states;
    for (const char* time : {"none", "0"})
        for (const std::string& host : {std::string("none"), std::string(kRestoredHost)})
            states.push_back(restored.str() + "; time " + time + "; host " + host);
    return states;
}

}  // namespace

const Kind& kindNamed(const std::string& name) {
    static const std::vector<Kind> kinds = {
        {"draft",
         [](const std::string& directory, long i) {
             return MessageDraft{"Friend " + std::to_string(i), numberOf(i), messageText(i),
                                 "pw " + std::to_string(i), "1"}
                 .save(directory + "/tmp");
         },
         observedDraft,
         [](long k) {
             return std::vector<std::string>{k < 0 ? "draft none" : "draft " + std::to_string(k)};
         }},
        {"outbox",
         [](const std::string& directory, long i) {
             return OutboxSmsService(directory).sendSMSWithText(messageText(i), {}, numberOf(i));
         },
         observedOutbox,
         [](long k) {
             std::string state = "outbox";
             for (long i = 0; i <= k; ++i) state += " " + std::to_string(i);
             return std::vector<std::string>{state};
         }},
        {"restore", performRestore, observedRestore, expectedRestores},
    };
    for (const Kind& kind : kinds)
        if (kind.name == name) return kind;
    throw std::invalid_argument("no such kind: " + name);
}

}  // namespace hv::crash
