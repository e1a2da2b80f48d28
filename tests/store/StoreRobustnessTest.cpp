// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "store/HushvaultSqlite.h"
#include "store/StartupSequence.h"
#include "store/StorePaths.h"
#include "support/RawSql.h"
#include "support/TempDir.h"

using namespace hv;

namespace {

void expectEverythingEmpty(HushvaultSqlite& store) {
    StartupSequence::run(store, "1.0", 0);
    EXPECT_EQ(store.addContracts("n", "1", "p", "0"), 0);
    EXPECT_EQ(store.addSMS("1", "c", "t", "2"), 0);
    EXPECT_EQ(store.addSMS("v", "k"), 0);
    EXPECT_EQ(store.addVersion("1.0"), 0);
    EXPECT_TRUE(store.findAllContracts().empty());
    EXPECT_TRUE(store.findAllSMS().empty());
    EXPECT_TRUE(store.findAllNewSMS().empty());
    EXPECT_EQ(store.findTelephoneNumber("k"), std::nullopt);
    EXPECT_EQ(store.findContractByTelephoneNumber("1").contract_id, 0);
    EXPECT_EQ(store.findSMSBySMSid(1).SMS_id, 0);
    EXPECT_FALSE(store.findByVersion("1.0"));
    store.updatetel("k", "v");
    store.clearAllSMS();
    EXPECT_FALSE(store.lastError().empty());
}

}  // namespace

TEST(StoreRobustness, CreatesMissingDirectoriesAndPrivateFiles) {
    test::TempDir dir;
    const std::string documents = dir.path() + "/deep/er/documents";
    HushvaultSqlite store(documents);
    StartupSequence::createTables(store);
    EXPECT_GT(store.addContracts("n", "1", "p", "0"), 0);
    EXPECT_EQ(store.lastError(), "");
    EXPECT_EQ(store.dataBasePath(), documents + "/HiddenMSGTable");
    EXPECT_EQ(test::permissions(documents), 0700u);
    EXPECT_EQ(test::permissions(documents + "/HiddenMSGTable"), 0600u);
}

TEST(StoreRobustness, UnopenableOrCorruptDatabaseGivesEmptyResultsAndStaysAsItWas) {
    test::TempDir dir;
    // A file where the documents directory should be: no directory and no database can be
    // made there, whoever runs the test.
    test::writeFile(dir.file("blocked"), "not a directory");
    HushvaultSqlite blocked(dir.file("blocked") + "/documents");
    EXPECT_FALSE(blocked.connectionDataBase());
    expectEverythingEmpty(blocked);

    const std::string garbage(4096, '\x5a');
    test::writeFile(dir.file("HiddenMSGTable"), garbage);
    HushvaultSqlite corrupt(dir.path());
    expectEverythingEmpty(corrupt);
    EXPECT_EQ(test::readFile(dir.file("HiddenMSGTable")), garbage);
}

TEST(StoreRobustness, ForeignValuesInTheFileReadAsEmptyText) {
    test::TempDir dir;
    HushvaultSqlite store(dir.path());
    StartupSequence::createTables(store);
    // Rows written by hand: plain (unencrypted) values and NULL columns.
    ASSERT_TRUE(store.connectionDataBase());
    store.closeDataBase();
    ASSERT_TRUE(test::runSql(store.dataBasePath(),
                             "INSERT INTO SecContract(name,telephone,passWord,checkCode) VALUES "
                             "('plain name','123',NULL,NULL);"));
    const auto contacts = store.findAllContracts();
    ASSERT_EQ(contacts.size(), 1u);
    EXPECT_EQ(contacts[0].name, "");
    EXPECT_EQ(contacts[0].telePhoneNumber, "");
    EXPECT_EQ(contacts[0].passWord, "");
    EXPECT_EQ(contacts[0].iphoneFriend, "");
}

TEST(StorePaths, EachProfileHasItsOwnPrivateTemporaryDirectory) {
    test::TempDir dir;
    const char* saved = std::getenv("XDG_RUNTIME_DIR");
    const std::string savedValue = saved ? saved : "";
    ::setenv("XDG_RUNTIME_DIR", dir.path().c_str(), 1);
    const StorePaths mine = StorePaths::forUser(dir.path() + "/mine/");
    const StorePaths theirs = StorePaths::forUser(dir.path() + "/theirs");
    EXPECT_EQ(mine.documentsDirectory(), dir.path() + "/mine");
    EXPECT_EQ(mine.temporaryDirectory().rfind(dir.path() + "/hushvault-", 0), 0u);
    EXPECT_NE(mine.temporaryDirectory(), theirs.temporaryDirectory());
    EXPECT_EQ(StorePaths::forUser().temporaryDirectory(), dir.path() + "/hushvault");
    EXPECT_EQ(StorePaths::forUser("relative").documentsDirectory()[0], '/');

    ::unsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(StorePaths::forUser(dir.path() + "/docs").temporaryDirectory(),
              dir.path() + "/docs/tmp");
    if (saved) ::setenv("XDG_RUNTIME_DIR", savedValue.c_str(), 1);

    ASSERT_TRUE(ensureDirectory(mine.temporaryDirectory()));
    EXPECT_EQ(test::permissions(mine.temporaryDirectory()), 0700u);
}
