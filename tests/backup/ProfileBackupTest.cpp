// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Backups between two profiles: what one holds arrives whole in an empty one, merges by the
// documented rule into one with data, and every refusal leaves the profile's files as they
// were, byte for byte.
#include "backup/ProfileBackup.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "backup/BackupFile.h"
#include "store/ConfigFile.h"
#include "store/HushvaultSqlite.h"
#include "store/StartupSequence.h"
#include "support/RawSql.h"
#include "support/TempDir.h"

using namespace hv;

namespace {

constexpr const char* kPassphrase = "a long passphrase";

struct Profile {
    Profile() { StartupSequence::run(store, "1.0", 1765000000.0); }

    ProfileBackup backup() const { return ProfileBackup(dir.path()); }
    // The whole profile as the application reads it, in one comparable text.
    std::string summary() {
        std::string text;
        for (const Contacts& c : store.findAllContracts())
            text += "C " + c.name + "|" + c.telePhoneNumber + "|" + c.passWord + "|" +
                    c.iphoneFriend.value_or("-") + "\n";
        for (const HiddenMSG& r : store.findAllSMS())
            text +=
                "R " + r.telePhoneNumber + "|" + r.contents + "|" + r.time + "|" + r.statue + "\n";
        for (const auto& [key, value] : store.findAllNewSMS())
            if (key != "LockTime") text += "S " + key + "=" + value + "\n";
        text += "W " + config.GetStrValueFromConfigFile("WebLinkHost").value_or("-") + "\n";
        return text;
    }
    std::string files() const {
        return test::readFile(store.dataBasePath()) + "|" +
               test::readFile(config.GetConfigFilePath());
    }
    BackupError restore(const std::string& file) {
        BackupContents contents;
        RestorePlan plan;
        BackupError error = ProfileBackup::read(file, kPassphrase, contents);
        if (error == BackupError::None) error = backup().plan(contents, plan);
        return error == BackupError::None ? backup().apply(plan) : error;
    }

    test::TempDir dir;
    HushvaultSqlite store{dir.path()};
    ConfigFile config{dir.path()};
};

class ProfileBackupTest : public ::testing::Test {
protected:
    void SetUp() override {
        old.store.addContracts("Lei", "+86 138 0013 8000", "tea", "1");
        old.store.addContracts("Ana 雷", "555-0101", "coffee\"\\", "0");
        // A contact of an older version, without the friend flag.
        ASSERT_TRUE(test::runSql(old.store.dataBasePath(),
                                 "INSERT INTO SecContract (name, telephone, passWord) "
                                 "VALUES ('Kim', '778', 'x')"));
        old.store.addSMS("13800138000", "see you at eight", "2026-12-01 20:00:00", "2");
        old.store.addSMS("5550101", "见面 \"map\"\n", "2026-12-02 09:30:00", "3");
        old.store.addSMS("5550101", "见面 \"map\"\n", "2026-12-02 09:30:00", "3");  // twice
        old.store.updatetel("PassWord", "2468");
        ASSERT_TRUE(old.config.SetStrValueToConfigFile("WebLinkHost", "links.example.org"));
        ASSERT_TRUE(old.config.SetIntValueToConfigFile("isglobleStatus", 3));
    }

    std::string make() {
        const std::string file = files.file("backup.hvbackup");
        EXPECT_EQ(old.backup().create(file, kPassphrase, KdfParameters::cheapest()),
                  BackupError::None);
        return file;
    }

    test::TempDir files;
    Profile old, fresh;
};

}  // namespace

TEST_F(ProfileBackupTest, AnEmptyProfileGetsEverything) {
    const std::string file = make();
    EXPECT_EQ(test::permissions(file), 0600u);
    EXPECT_EQ(fresh.restore(file), BackupError::None);
    EXPECT_EQ(fresh.summary(), old.summary());
    EXPECT_EQ(fresh.config.GetIntValueFromConfigFile("isglobleStatus"), 3);
}

TEST_F(ProfileBackupTest, AProfileWithDataKeepsItsOwnAndTakesOnlyWhatIsNew) {
    fresh.store.addContracts("Lei (new phone)", "13800138000", "green tea", "1");
    fresh.store.addSMS("13800138000", "see you at eight", "2026-12-01 20:00:00", "2");
    fresh.store.updatetel("PassWord", "1357");
    ASSERT_TRUE(fresh.config.SetStrValueToConfigFile("KdeConnectDevice", "phone-1"));
    const std::string file = make();
    EXPECT_EQ(fresh.restore(file), BackupError::None);

    // Lei's number was there: that contact stays as it is, and so does the record of eight;
    // both copies of the other record come.
    EXPECT_EQ(fresh.store.findContractByTelephoneNumber("13800138000").passWord, "green tea");
    EXPECT_EQ(fresh.store.findAllSMS().size(), 3u);
    EXPECT_EQ(fresh.store.findTelephoneNumber("PassWord"), "1357");
    EXPECT_EQ(fresh.config.GetStrValueFromConfigFile("WebLinkHost"), "links.example.org");
    EXPECT_EQ(fresh.config.GetStrValueFromConfigFile("KdeConnectDevice"), "phone-1");

    // Restoring the same file again changes nothing.
    const std::string before = fresh.files();
    EXPECT_EQ(fresh.restore(file), BackupError::None);
    EXPECT_EQ(fresh.files(), before);
}

TEST_F(ProfileBackupTest, EveryRefusalLeavesTheProfileByteForByte) {
    fresh.store.addContracts("Kai", "777", "milk", "1");
    ASSERT_TRUE(fresh.config.SetStrValueToConfigFile("isglobleStatus", "1"));
    const std::string good = make();
    const std::string bytes = test::readFile(good);
    const std::string before = fresh.files();

    EXPECT_EQ(fresh.restore(test::writeFile(files.file("cut"), bytes.substr(0, bytes.size() - 5))),
              BackupError::Damaged);
    // Sealed properly but not contents Hushvault made.
    const auto alien = BackupFile::seal("{\"format\":1}", kPassphrase, KdfParameters::cheapest());
    EXPECT_EQ(fresh.restore(test::writeFile(files.file("alien"), alien.bytes)),
              BackupError::BadContents);
    EXPECT_EQ(fresh.files(), before);

    // A disk that refuses the last record: the contacts and Conf.ini written before go too.
    ASSERT_TRUE(test::runSql(fresh.store.dataBasePath(),
                             "CREATE TRIGGER refuse BEFORE INSERT ON HidMSG WHEN "
                             "(SELECT count(*) FROM HidMSG) >= 1 "
                             "BEGIN SELECT RAISE(ABORT, 'disk full'); END;"));
    const std::string withTrigger = fresh.files();
    EXPECT_EQ(fresh.restore(good), BackupError::CannotWrite);
    EXPECT_EQ(fresh.files(), withTrigger);
}

TEST_F(ProfileBackupTest, MakingOneNeedsTenCharactersAndAFileItCanWrite) {
    EXPECT_TRUE(ProfileBackup::isLongEnough("密码密码密码密码密码"));
    EXPECT_FALSE(ProfileBackup::isLongEnough("密码密码密码密码密"));
    EXPECT_EQ(
        old.backup().create(files.file("no/such/folder/b"), kPassphrase, KdfParameters::cheapest()),
        BackupError::CannotWrite);
    EXPECT_FALSE(std::filesystem::exists(files.file("no")));
}
