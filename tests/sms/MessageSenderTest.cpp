// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sms/MessageSender.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "crypto/SecretLink.h"
#include "crypto/SecretToken.h"
#include "sms/OutboxSmsService.h"
#include "store/ConfigFile.h"
#include "store/HushvaultSqlite.h"
#include "store/PropertyList.h"
#include "store/StartupSequence.h"
#include "support/FakeSmsService.h"
#include "support/TempDir.h"

using namespace hv;
using Mode = test::FakeSmsService::Mode;

namespace {

class MessageSenderTest : public ::testing::Test {
protected:
    void SetUp() override { StartupSequence::run(store, "1.0", 0); }

    std::vector<std::string> statuses() {
        std::vector<std::string> result;
        for (const auto& message : store.findAllSMS()) result.push_back(message.statue);
        return result;
    }

    void writeLegacyFile(const char* record) {
        PropertyList::writeTexts(dir.path() + "/passWord.dat", {{"Record", record}});
    }

    Contacts friendOf(const std::string& number, const std::string& password) {
        Contacts contact;
        contact.name = "Li";
        contact.telePhoneNumber = number;
        contact.passWord = password;
        return contact;
    }

    test::TempDir dir;
    HushvaultSqlite store{dir.path()};
    test::FakeSmsService service;
    MessageSender sender{service, store};
};

}  // namespace

TEST(MessageSenderCheck, NeedsARecipientAndThreeCharactersOfPassword) {
    Contacts contact;
    contact.passWord = "abc";
    EXPECT_EQ(MessageSender::check("", contact), MessageSender::Problem::NoRecipient);
    contact.passWord = "ab";
    EXPECT_EQ(MessageSender::check("138", contact), MessageSender::Problem::ShortPassword);
    for (const char* password : {"密码密", "abcd", "a longer passphrase"}) {
        contact.passWord = password;
        EXPECT_EQ(MessageSender::check("138", contact), MessageSender::Problem::None) << password;
    }
    EXPECT_EQ(MessageSender::recipientNumber("138", contact), "138");  // no number: the text
    // Text that is no phone number, typed or edited over a picked contact's name.
    EXPECT_EQ(MessageSender::check("hello", contact), MessageSender::Problem::NoRecipient);
    contact.telePhoneNumber = "AliceAxnderson";
    EXPECT_EQ(MessageSender::check("AliceAxnderson", contact), MessageSender::Problem::NoRecipient);
    contact.telePhoneNumber = "+86 138 0013 8000";
    EXPECT_EQ(MessageSender::check("Li", contact), MessageSender::Problem::None);
    EXPECT_EQ(MessageSender::recipientNumber("Li", contact), "+86 138 0013 8000");
}

TEST_F(MessageSenderTest, TheServiceDialsTheNumberWholeAndTheRecordKeepsItAsStored) {
    service.setMode(Mode::AcceptSilently);
    const auto noHost = sender.send(friendOf("138", "abc"), false, "hi", "L", 0);
    EXPECT_TRUE(noHost.noWebLinkHost && !noHost.accepted) << "a web link needs a host";
    sender.send(friendOf("+86 138 0013 8000", "abc"), true, "hi", "L", 0);
    sender.send(friendOf("+1 (555) 010-9999", "abc"), true, "hi", "L", 0);
    ASSERT_EQ(service.sent.size(), 2u);
    EXPECT_EQ(service.sent[0].to, "+8613800138000");  // from abroad too
    EXPECT_EQ(service.sent[1].to, "+15550109999");
    EXPECT_EQ(store.findAllSMS()[1].telePhoneNumber, "13800138000");
}

TEST_F(MessageSenderTest, RecordsFollowTheRecordSettingAndSayWhetherTheMessageWentOut) {
    service.setMode(Mode::Refuse);
    auto outcome = sender.send(friendOf("138", "abc"), true, "hi", "L", 1765000000);
    EXPECT_FALSE(outcome.accepted);
    EXPECT_EQ(statuses(), std::vector<std::string>({"4"}));  // not sent, not "2"
    const HiddenMSG record = store.findAllSMS()[0];
    EXPECT_EQ(record.telePhoneNumber, "138");
    EXPECT_EQ(record.contents, "hi");
    EXPECT_EQ(record.time, "2025-12-06 05:46:40");

    // Accepted, then reported failed: the record says not sent too.
    store.clearAllSMS();
    service.setMode(Mode::AcceptSilently);
    outcome = sender.send(friendOf("138", "abc"), true, "hi", "L", 0);
    EXPECT_EQ(statuses(), std::vector<std::string>({"2"}));
    MessageSender::markNotSent(store, outcome.recordId);
    EXPECT_EQ(statuses(), std::vector<std::string>({"4"}));

    store.updatetel("Record", "Off");
    outcome = sender.send(friendOf("138", "abc"), true, "hi", "L", 0);
    EXPECT_EQ(outcome.recordId, 0);
    EXPECT_EQ(statuses().size(), 1u);
}

TEST_F(MessageSenderTest, TheLegacyFileAddsARecordOfTheOutcome) {
    writeLegacyFile("On");
    service.setMode(Mode::AcceptSilently);
    sender.send(friendOf("138", "abc"), true, "a", "L", 0);
    EXPECT_EQ(statuses(), std::vector<std::string>({"2", "2"}));
    store.clearAllSMS();
    store.updatetel("Record", "Off");
    service.setMode(Mode::Refuse);
    sender.send(friendOf("138", "abc"), true, "b", "L", 0);
    EXPECT_EQ(statuses(), std::vector<std::string>({"4"}));
    writeLegacyFile("Off");
    sender.send(friendOf("138", "abc"), true, "c", "L", 0);
    EXPECT_EQ(statuses().size(), 1u);
}

TEST_F(MessageSenderTest, TheOutboxHoldsWhatTheReaderDecryptsBackToTheText) {
    OutboxSmsService outbox(dir.path());
    std::vector<std::string> reports;
    outbox.setReportSink([&](const std::string& name) { reports.push_back(name); });
    MessageSender viaOutbox(outbox, store);
    const std::string text = "Meet at eight, 北门 🙂";
    ConfigFile(dir.path()).SetStrValueToConfigFile("WebLinkHost", "links.example.org");
    const auto outcome = viaOutbox.send(friendOf("13800138000", "tea!"), false, text, "L", 0);
    ASSERT_TRUE(outcome.accepted);
    EXPECT_TRUE(outcome.keptOnly) << "nothing left the machine";
    EXPECT_EQ(reports, std::vector<std::string>({kCTMessageSentNotification}));

    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(outbox.outboxDirectory()))
        files.push_back(entry.path());
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(test::permissions(files[0].string()), 0600u);
    const auto message = parseOutboxMessage(test::readFile(files[0].string()));
    ASSERT_TRUE(message);
    EXPECT_EQ(message->to, "13800138000");
    EXPECT_EQ(message->body, outcome.body);
    EXPECT_EQ(DecString(tokenFromLink(message->body), "tea!"), text);

    // A file cut off after the blank line is not a message with an empty body.
    EXPECT_FALSE(parseOutboxMessage("To: 1\nDate: 2\n\n"));
    EXPECT_EQ(parseOutboxMessage("To: 1\nDate: 2\n\n\n")->body, "");
    EXPECT_FALSE(outbox.sendSMSWithText("body", "", "138\nInjected: header")) << "a header";
}

TEST_F(MessageSenderTest, EachStoreSendsWithTheWebLinkHostOfItsOwnDirectory) {
    test::TempDir other;
    ConfigFile(other.path()).SetStrValueToConfigFile("WebLinkHost", "other.example");
    ConfigFile(dir.path()).SetStrValueToConfigFile("WebLinkHost", "mine.example");
    HushvaultSqlite otherStore(other.path());
    StartupSequence::run(otherStore, "1.0", 0);
    MessageSender otherSender(service, otherStore);

    const auto mine = sender.send(friendOf("138", "abc"), false, "hi", "L", 0);
    const auto theirs = otherSender.send(friendOf("138", "abc"), false, "hi", "L", 0);
    EXPECT_EQ(mine.body.rfind("L http://mine.example/s/?m=", 0), 0u) << mine.body;
    EXPECT_EQ(theirs.body.rfind("L http://other.example/s/?m=", 0), 0u) << theirs.body;
    EXPECT_EQ(store.findAllSMS().size(), 1u);
    EXPECT_EQ(otherStore.findAllSMS().size(), 1u);
}
