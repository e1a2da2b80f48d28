// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Sending, settings, Conf.ini and the draft on a file system that is full, or read-only:
// each reports the failure (the command line exits 1) and every byte stored before stays.
// Once room is made again, the same writes succeed.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>

#include "SmallFileSystem.h"
#include "cli/CliApplication.h"
#include "messaging/MessageDraft.h"
#include "sms/MessageSender.h"
#include "sms/OutboxSmsService.h"
#include "store/ConfigFile.h"
#include "store/HushvaultSqlite.h"
#include "store/SettingsKeys.h"
#include "store/StartupSequence.h"
#include "support/TempDir.h"

using namespace hv;

namespace {

namespace fs = std::filesystem;

enum class Condition { Full, ReadOnly };

// Every file below the folder, by path, with its bytes.
std::map<std::string, std::string> snapshot(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file() && entry.path().filename() != ".filler")
            files[entry.path().string()] = test::readFile(entry.path().string());
    return files;
}

class DiskFullTest : public ::testing::TestWithParam<Condition> {
protected:
    void SetUp() override {
        if (!disk.mounted()) GTEST_SKIP() << disk.whyNot();
        StartupSequence::run(store, "1.0", 0);
        ASSERT_GT(store.addContracts("Friend", "13800138000", "preset", "1"), 0);
        ASSERT_TRUE(config.SetStrValueToConfigFile("WebLinkHost", "before.example"));
        ASSERT_TRUE(draft.save(paths.temporaryDirectory()));
        OutboxSmsService outbox(dir.path());
        ASSERT_TRUE(outbox.sendSMSWithText("sent before", {}, "13800138000"));
        before = snapshot(dir.path());

        if (GetParam() == Condition::Full)
            disk.fill();
        else
            ASSERT_TRUE(disk.makeReadOnly());
    }

    // Runs hushvault-cli on the folder; its exit status.
    int cli(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), "--data-dir=" + dir.path());
        std::istringstream in;
        std::ostringstream out;
        errors.str("");
        return cli::runCli(arguments, in, out, errors);
    }

    void expectEverythingAsBefore() { EXPECT_EQ(snapshot(dir.path()), before); }

    test::TempDir dir;
    test::SmallFileSystem disk{dir.path(), 256 * 1024};
    StorePaths paths = StorePaths::inDirectory(dir.path());
    HushvaultSqlite store{dir.path()};
    ConfigFile config{dir.path()};
    MessageDraft draft{"Friend", "13800138000", "a draft kept", "preset", "1"};
    std::map<std::string, std::string> before;
    std::ostringstream errors;
};

}  // namespace

TEST_P(DiskFullTest, SendingIsRefusedAndKeepsWhatWasSent) {
    OutboxSmsService outbox(dir.path());
    int reports = 0;
    outbox.setReportSink([&](const std::string&) { ++reports; });
    MessageSender sender(outbox, store);
    const Contacts contact = store.findContractByTelephoneNumber("13800138000");
    // Refused: the composer's progress alert ends with "failed send".
    EXPECT_FALSE(sender.send(contact, true, "see you at eight", "L", 0).accepted);
    EXPECT_EQ(reports, 0);
    EXPECT_EQ(cli({"send", "--to", "13800138000", "--password", "preset", "--sms", "outbox", "--",
                   "see you"}),
              1);
    EXPECT_FALSE(errors.str().empty());
    expectEverythingAsBefore();

    if (GetParam() == Condition::Full) {
        disk.empty();
        EXPECT_TRUE(sender.send(contact, true, "see you at eight", "L", 0).accepted);
        EXPECT_EQ(store.findAllSMS().size(), 1u);
    }
}

TEST_P(DiskFullTest, SettingsAndConfIniWritesFailAndKeepTheOldValues) {
    store.updatetel(kSettingRecord, kRecordOff);
    EXPECT_FALSE(store.lastError().empty());
    EXPECT_EQ(cli({"settings", "set", kSettingRecord, kRecordOff}), 1);
    EXPECT_FALSE(config.SetStrValueToConfigFile("WebLinkHost", "after.example"));
    EXPECT_EQ(cli({"config", "set", "WebLinkHost", "after.example"}), 1);
    EXPECT_FALSE(errors.str().empty());
    EXPECT_EQ(store.findTelephoneNumber(kSettingRecord), kRecordOn);
    EXPECT_EQ(config.GetStrValueFromConfigFile("WebLinkHost"), "before.example");
    expectEverythingAsBefore();

    if (GetParam() == Condition::Full) {
        disk.empty();
        EXPECT_EQ(cli({"settings", "set", kSettingRecord, kRecordOff}), 0) << errors.str();
        EXPECT_TRUE(config.SetStrValueToConfigFile("WebLinkHost", "after.example"));
        EXPECT_EQ(store.findTelephoneNumber(kSettingRecord), kRecordOff);
    }
}

TEST_P(DiskFullTest, TheDraftIsNotSavedAndTheOldOneStays) {
    const MessageDraft newer{"Other", "10086", "a newer draft", "secret", "0"};
    EXPECT_FALSE(newer.save(paths.temporaryDirectory()));
    const auto kept = MessageDraft::load(paths.temporaryDirectory());
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->text, "a draft kept");
    expectEverythingAsBefore();

    if (GetParam() == Condition::Full) {
        disk.empty();
        EXPECT_TRUE(newer.save(paths.temporaryDirectory()));
        EXPECT_EQ(MessageDraft::load(paths.temporaryDirectory())->text, "a newer draft");
    }
}

INSTANTIATE_TEST_SUITE_P(FullAndReadOnly, DiskFullTest,
                         ::testing::Values(Condition::Full, Condition::ReadOnly),
                         [](const auto& info) {
                             return info.param == Condition::Full ? "Full" : "ReadOnly";
                         });
