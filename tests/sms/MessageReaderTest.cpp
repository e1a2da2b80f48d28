// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sms/MessageReader.h"

#include <gtest/gtest.h>

#include "crypto/SecretCipher.h"
#include "crypto/SecretToken.h"
#include "store/HushvaultSqlite.h"
#include "store/StartupSequence.h"
#include "support/RawSql.h"
#include "support/TempDir.h"

using namespace hv;

namespace {

class MessageReaderTest : public ::testing::Test {
protected:
    void SetUp() override { StartupSequence::run(store, "1.0", 0); }

    test::TempDir dir;
    HushvaultSqlite store{dir.path()};
    MessageReader reader{store};
};

// Another password with the same check prefix as `password`, under which the token reads
// as some other valid text: the one case in which a wrong password "fits".
std::string lookalikeOf(const std::string& password, const std::string& token) {
    const std::string prefix = SecretCipher(password).checkPrefix();
    for (int i = 0;; ++i) {
        const std::string candidate = "other-" + std::to_string(i);
        if (SecretCipher(candidate).checkPrefix() == prefix && DecString(token, candidate))
            return candidate;
    }
}

}  // namespace

TEST(MessageReader, TakesTheDeliveredTokenAsItCameAndNothingFromAShortLink) {
    EXPECT_EQ(MessageReader::tokenAfterPrefix("HIDDENmsg://ab%2B c\n"), "ab%2B c\n");
    for (const char* shortLink : {"", "hidden", "hiddenmsg://"})
        EXPECT_EQ(MessageReader::tokenAfterPrefix(shortLink), "") << shortLink;
}

TEST_F(MessageReaderTest, TheSendersOwnThenTheNewestContactWhosePasswordFitsWins) {
    const std::string token = GenEncURL("k", "tea", true);
    const std::string lookalike = lookalikeOf("tea", token);
    const std::string misread = *DecString(token, lookalike);
    ASSERT_NE(misread, "k");

    EXPECT_EQ(reader.decryptWithContacts(token), std::nullopt);  // no contacts at all
    store.addContracts("Li", "2", "tea", "1");                   // the first row
    store.addContracts("Look-alike", "3", lookalike, "1");       // newer: tried first
    EXPECT_EQ(reader.decryptWithContacts(token), misread);
    EXPECT_EQ(reader.openWithContacts(token, "999")->plain, misread) << "an unknown sender";
    const auto fromLi = reader.openWithContacts(token, "+86 2");
    ASSERT_TRUE(fromLi);
    EXPECT_EQ(fromLi->plain, "k");
    EXPECT_EQ(fromLi->contact.name, "Li");

    store.deletAllContracts();
    store.addContracts("wrong", "1", "coffee", "1");
    EXPECT_EQ(reader.decryptWithContacts(token), std::nullopt);
    store.addContracts("Look-alike", "3", lookalike, "1");
    store.addContracts("Li", "2", "tea", "1");
    EXPECT_EQ(reader.decryptWithContacts(token), "k");
}

TEST_F(MessageReaderTest, AReadMessageIsRecordedOnlyWhileRecordIsExactlyOn) {
    const std::string shown = MessageReader::shownText("The decrypted message", "hi");
    EXPECT_EQ(shown, "The decrypted message:\nhi");
    EXPECT_TRUE(reader.record("", shown, 1765000000));
    const auto records = store.findAllSMS();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].telePhoneNumber, "");
    EXPECT_EQ(records[0].contents, shown);
    EXPECT_EQ(records[0].statue, "3");
    EXPECT_EQ(records[0].time, "2025-12-06 05:46:40");

    for (const char* value : {"on", "Off", "ON", ""}) {
        store.updatetel("Record", value);
        EXPECT_FALSE(reader.record("", shown, 0)) << value;
    }
    EXPECT_EQ(store.findAllSMS().size(), 1u);
    store.updatetel("Record", "On");
    ASSERT_TRUE(test::runSql(store.dataBasePath(),
                             "CREATE TRIGGER full BEFORE INSERT ON HidMSG "
                             "BEGIN SELECT RAISE(ABORT, 'full'); END;"));
    EXPECT_FALSE(reader.record("", shown, 0)) << "a record the store refused";
}
