// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/HushvaultSqlite.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <thread>
#include <tuple>

#include "store/PhoneNumber.h"
#include "store/StartupSequence.h"
#include "support/RawSql.h"
#include "support/TempDir.h"

using namespace hv;

namespace {

class HushvaultSqliteTest : public ::testing::Test {
protected:
    void SetUp() override { StartupSequence::createTables(store); }

    test::TempDir dir;
    HushvaultSqlite store{dir.path()};
};

const std::string kHostile = "O'Brien \"quoted\" '); DROP TABLE SecContract; -- % _ \\ ?";

using Fields = std::tuple<int, std::string, std::string, std::string>;
Fields fields(const Contacts& c) {
    return Fields(c.contract_id, c.name, c.passWord, c.iphoneFriend.value_or("-"));
}

}  // namespace

TEST_F(HushvaultSqliteTest, FindsContactsByNormalisedNumber) {
    const int id = store.addContracts("Li Lei", "+86 138-0013-8000", "preset", "1");
    ASSERT_GT(id, 0);

    const Contacts found = store.findContractByTelephoneNumber("138 0013 8000");
    EXPECT_EQ(fields(found), Fields(id, "Li Lei", "preset", "1"));
    EXPECT_EQ(found.telePhoneNumber, "13800138000");
    EXPECT_EQ(fields(store.findContractByTelephoneNumber("0086 138 0013 8000")),
              Fields(0, "", "", "-"));

    EXPECT_EQ(store.findContractByCheckCode("1").contract_id, id);
    EXPECT_EQ(store.findContractByCheckCode("0").contract_id, 0);
}

TEST_F(HushvaultSqliteTest, ListsNewestFirstAndLastRowWinsForLookups) {
    const int first = store.addContracts("A", "111", "p1", "0");
    const int second = store.addContracts("B", "111", "p2", "1");
    const auto contacts = store.findAllContracts();
    ASSERT_EQ(contacts.size(), 2u);
    EXPECT_EQ(contacts[0].contract_id, second);
    EXPECT_EQ(contacts[1].contract_id, first);
    EXPECT_EQ(store.findContractByTelephoneNumber("111").name, "B");

    store.addSMS("111", "one", "2026-12-06 07:00:00", "2");
    store.addSMS("222", "two", "2026-12-06 07:01:00", "3");
    const auto messages = store.findAllSMS();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].contents, "two");
    EXPECT_EQ(messages[1].contents, "one");
    EXPECT_GT(messages[0].SMS_id, messages[1].SMS_id);
}

TEST_F(HushvaultSqliteTest, StoresHostileTextExactlyAndTouchesNoOtherRow) {
    const int bystander = store.addContracts("Bystander", "999", "keep", "0");
    const int id = store.addContracts(kHostile, kHostile, kHostile, kHostile);
    ASSERT_GT(id, 0);
    EXPECT_EQ(fields(store.findContractByTelephoneNumber(kHostile)),
              Fields(id, kHostile, kHostile, kHostile));
    store.update(kHostile + "2", "555", "it's \"new\"", "1' OR '1'='1", id);
    EXPECT_EQ(fields(store.findContractByTelephoneNumber("555")),
              Fields(id, kHostile + "2", "it's \"new\"", "1' OR '1'='1"));
    EXPECT_EQ(fields(store.findContractByTelephoneNumber("999")),
              Fields(bystander, "Bystander", "keep", "0"));

    store.addSMS("111", "kept", "t", "2");
    const int message = store.addSMS(kHostile, kHostile, kHostile, kHostile);
    const HiddenMSG read = store.findSMSBySMSid(message);
    EXPECT_EQ(read.contents, kHostile);
    EXPECT_EQ(read.time, kHostile);
    EXPECT_EQ(read.statue, kHostile);
    store.clearSMSByTelephoneNumber(kHostile);
    EXPECT_EQ(store.findAllSMS().size(), 1u);

    store.addSMS("v", "Record");
    store.updatetel("Record' OR '1'='1", kHostile);
    store.deleteTelephoneNumber("x' OR '1'='1");
    EXPECT_EQ(store.findTelephoneNumber("Record"), "v");
    store.updatetel("Record", kHostile);
    EXPECT_EQ(store.findTelephoneNumber("Record"), kHostile);
    EXPECT_EQ(store.findAllContracts().size(), 2u);
}

TEST_F(HushvaultSqliteTest, SettingsRowsAreAddedOnlyByAddAndChangedOnlyByUpdate) {
    EXPECT_GT(store.addSMS("On", "Record"), 0);
    EXPECT_GT(store.addSMS("Off", "Record"), 0);
    EXPECT_EQ(store.findTelephoneNumber("Record"), "Off");  // the last row returned
    EXPECT_EQ(store.findAllNewSMS().at("Record"), "On");    // listed newest first: oldest wins

    store.updatetel("Time", "5");
    EXPECT_EQ(store.findTelephoneNumber("Time"), std::nullopt);
    EXPECT_EQ(store.findAllNewSMS().size(), 1u);

    store.deleteTelephoneNumber("Record");
    EXPECT_TRUE(store.findAllNewSMS().empty());
}

TEST_F(HushvaultSqliteTest, SettingRowsAddedTogetherAreAllOrNone) {
    // A row the database refuses, after one it took.
    ASSERT_TRUE(test::runSql(store.dataBasePath(),
                             "CREATE TRIGGER refuse BEFORE INSERT ON HidMSGNew WHEN "
                             "NEW.statue='Bad' BEGIN SELECT RAISE(ABORT, 'refused'); END;"));
    EXPECT_FALSE(store.addSettingRowsIfNone({{"1", "Good"}, {"2", "Bad"}}));
    EXPECT_NE(store.lastError().find("refused"), std::string::npos);
    EXPECT_TRUE(store.findAllNewSMS().empty());

    EXPECT_TRUE(store.addSettingRowsIfNone({{"1", "Good"}, {"2", "Also"}}));
    EXPECT_FALSE(store.addSettingRowsIfNone({{"3", "Third"}}));  // not empty any more
    EXPECT_EQ(store.findAllNewSMS(),
              (std::map<std::string, std::string>{{"Also", "2"}, {"Good", "1"}}));

    // Updates too: one refused, none kept.
    ASSERT_TRUE(test::runSql(store.dataBasePath(),
                             "CREATE TRIGGER refuseUpdate BEFORE UPDATE ON HidMSGNew WHEN "
                             "NEW.statue='Also' BEGIN SELECT RAISE(ABORT, 'refused'); END;"));
    EXPECT_FALSE(store.updateSettingRows({{"Good", "10"}, {"Also", "20"}}));
    EXPECT_EQ(store.findTelephoneNumber("Good"), "1");
    EXPECT_TRUE(store.updateSettingRows({{"Good", "10"}, {"Missing", "30"}}));
    EXPECT_EQ(store.findTelephoneNumber("Good"), "10");
}

TEST_F(HushvaultSqliteTest, MessageRecordsAreDeletedByIdNumberOrAll) {
    const int a = store.addSMS("+86 111", "a", "t1", "2");
    const int b = store.addSMS("111", "b", std::nullopt, std::nullopt);
    store.addSMS("222", "c", "t3", "4");
    const HiddenMSG withoutTime = store.findSMSBySMSid(b);
    EXPECT_EQ(withoutTime.time, "");
    EXPECT_EQ(withoutTime.statue, "");

    EXPECT_EQ(store.findSMSByTelephoneNumber("1 1 1").size(), 2u);
    store.deleteSMSBySMSid(a);
    EXPECT_EQ(store.findSMSBySMSid(a).SMS_id, 0);
    store.clearSMSByTelephoneNumber("111");
    ASSERT_EQ(store.findAllSMS().size(), 1u);
    store.clearAllSMS();
    EXPECT_TRUE(store.findAllSMS().empty());

    const int c = store.addContracts("c", "3", "p", "0");
    store.addContracts("d", "4", "p", "0");
    store.clearContractsById(c);
    EXPECT_EQ(store.findAllContracts().size(), 1u);
    store.deletAllContracts();
    EXPECT_TRUE(store.findAllContracts().empty());
}

// The application and hushvault-cli may write at the same moment: one waits for the other.
TEST_F(HushvaultSqliteTest, AChangeWaitsForAnotherWriterInsteadOfFailing) {
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(store.dataBasePath().c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    std::thread writer([other] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
    });
    EXPECT_GT(store.addContracts("Li", "138", "tea", "1"), 0) << store.lastError();
    writer.join();
    sqlite3_close(other);
}

TEST_F(HushvaultSqliteTest, EncryptsNumbersNamesAndTextsInTheFile) {
    store.addContracts("Zhang Wei", "13912345678", "PresetPw123", "1");
    store.addContracts("张三", "+86 13800138000", "x", "0");
    store.addSMS("13987654321", "SecretMeetingText", "2026-12-06 09:15:00", "2");
    store.addSMS("LockSetting", "Record");

    const std::string raw = test::readFile(store.dataBasePath());
    for (const char* secret : {"Zhang Wei", "13912345678", "13987654321", "SecretMeetingText"})
        EXPECT_EQ(raw.find(secret), std::string::npos) << secret;
    // Stored as they are; then what every installation stores for the name and number
    // above (computed independently).
    for (const char* stored : {"PresetPw123", "2026-12-06 09:15:00", "LockSetting", "Record",
                               "54e32Wn+YkOx9p6BbtU=", "54e3DeZmtssJ"})
        EXPECT_NE(raw.find(stored), std::string::npos) << stored;
}

namespace {

// Every connection opened while it lives starts with secure deletion off, as SQLite builds
// other than Debian's do.
int secureDeleteOff(sqlite3* db, char**, const sqlite3_api_routines*) {
    return sqlite3_exec(db, "PRAGMA secure_delete=OFF", nullptr, nullptr, nullptr);
}
struct SecureDeleteOffByDefault {
    using Entry = void (*)();
    SecureDeleteOffByDefault() { sqlite3_auto_extension(reinterpret_cast<Entry>(secureDeleteOff)); }
    ~SecureDeleteOffByDefault() {
        sqlite3_cancel_auto_extension(reinterpret_cast<Entry>(secureDeleteOff));
    }
};

}  // namespace

TEST_F(HushvaultSqliteTest, DeletedContactsAndRecordsLeaveNothingReadableInTheFile) {
    SecureDeleteOffByDefault otherSqlite;
    const int contact = store.addContracts("Zhang Wei", "139", "PresetPw123", "1");
    const int record = store.addSMS("139", "text", "2026-12-06 09:15:00", "2");
    store.addContracts("Kept", "138", "KeptPassword", "0");
    ASSERT_NE(test::readFile(store.dataBasePath()).find("PresetPw123"), std::string::npos);
    store.deleteContractByid(contact);
    store.deleteSMSBySMSid(record);
    const std::string raw = test::readFile(store.dataBasePath());
    EXPECT_EQ(raw.find("PresetPw123"), std::string::npos);
    EXPECT_EQ(raw.find("2026-12-06 09:15:00"), std::string::npos);
    EXPECT_NE(raw.find("KeptPassword"), std::string::npos);
}
