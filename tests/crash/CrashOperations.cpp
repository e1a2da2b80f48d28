// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CrashOperations.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "backup/BackupFile.h"
#include "backup/ProfileBackup.h"
#include "messaging/MessageDraft.h"
#include "sms/OutboxSmsService.h"
#include "store/AtomicFile.h"
#include "store/ConfigFile.h"
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
    std::ostringstream state;
    state << "outbox";
    for (long i : messages) state << ' ' << i;
    return state.str();
}

// Restores: operation i restores a backup of kRestoredContacts contacts and kRestoredRecords
// records of its own (sealed in memory, so that no file but the profile's lies in the
// folder). The first goes into an empty profile and brings a setting and a Conf.ini key.
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
    const auto sealed =
        BackupFile::seal(contents.toJson(), "crash passphrase", KdfParameters::cheapest());
    const auto opened = BackupFile::open(sealed.bytes, "crash passphrase");
    const auto parsed = BackupContents::fromJson(opened.contents);
    const ProfileBackup profile(directory);
    RestorePlan plan;
    return parsed && profile.plan(*parsed, plan) == BackupError::None &&
           profile.apply(plan) == BackupError::None;
}

// Per operation, its whole contacts and records ("i:20/100"); the time and Conf.ini's host.
std::string observedRestore(const std::string& directory) {
    HushvaultSqlite store(directory);
    const std::string integrity = integrityOf(store.dataBasePath());
    if (integrity != "ok" && integrity != "no database") return integrity;
    // "Friend i j" and "Message i j": whole when every field is operation i's j-th.
    auto numbersIn = [](const std::string& text) {
        std::istringstream words(text);
        std::string word;
        long i = -1;
        int j = -1;
        words >> word >> i >> j;
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
