// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Sending, settings, Conf.ini and the draft on a file system that is full, or read-only:
// each reports the failure (the command line exits 1) and every byte stored before stays.
// Once room is made again, the same writes succeed.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <sstream>

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

// A tmpfs of a few hundred kilobytes mounted on the test's folder, which it fills to the
// last byte or turns read-only. Mounting needs root or CAP_SYS_ADMIN.
struct SmallFileSystem {
    SmallFileSystem(const std::string& folder, std::size_t bytes) : filler(folder + "/.filler") {
        const std::string options = "size=" + std::to_string(bytes) + ",mode=0700";
        mounted = ::mount("hushvault-test", folder.c_str(), "tmpfs", MS_NOSUID | MS_NODEV,
                          options.c_str()) == 0;
    }
    ~SmallFileSystem() {
        if (mounted) ::umount2(fs::path(filler).parent_path().c_str(), MNT_DETACH);
    }
    bool fill() {
        const int fd = ::open(filler.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
        const std::vector<char> block(4096, 'x');
        while (fd >= 0 && ::write(fd, block.data(), block.size()) > 0) {
        }
        while (fd >= 0 && ::write(fd, block.data(), 1) > 0) {  // a last page short of a block
        }
        return fd >= 0 && ::close(fd) == 0;
    }
    bool makeReadOnly() {
        return ::mount(nullptr, fs::path(filler).parent_path().c_str(), nullptr,
                       MS_REMOUNT | MS_RDONLY | MS_NOSUID | MS_NODEV, nullptr) == 0;
    }
    std::string filler;
    bool mounted = false;
};

// Every file below the folder, by path, with its bytes.
std::map<std::string, std::string> snapshot(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file() && entry.path().filename() != ".filler")
            files[entry.path().string()] = test::readFile(entry.path().string());
    return files;
}

class DiskFullTest : public ::testing::TestWithParam<Condition> {};

}  // namespace

TEST_P(DiskFullTest, EveryWriteIsRefusedKeepsWhatWasStoredAndSucceedsOnceThereIsRoom) {
    test::TempDir dir;
    SmallFileSystem disk{dir.path(), 256 * 1024};
    if (!disk.mounted) GTEST_SKIP() << "mounting a small tmpfs needs root or CAP_SYS_ADMIN";
    const std::string drafts = StorePaths::inDirectory(dir.path()).temporaryDirectory();
    HushvaultSqlite store{dir.path()};
    ConfigFile config{dir.path()};
    StartupSequence::run(store, "1.0", 0);
    ASSERT_GT(store.addContracts("Friend", "13800138000", "preset", "1"), 0);
    ASSERT_TRUE(config.SetStrValueToConfigFile("WebLinkHost", "before.example"));
    ASSERT_TRUE(MessageDraft("Friend", "13800138000", "a draft kept", "preset", "1").save(drafts));
    OutboxSmsService outbox(dir.path());
    ASSERT_TRUE(outbox.sendSMSWithText("sent before", {}, "13800138000"));
    const auto before = snapshot(dir.path());
    ASSERT_TRUE(GetParam() == Condition::Full ? disk.fill() : disk.makeReadOnly());
    int reports = 0;
    outbox.setReportSink([&](const std::string&) { ++reports; });
    MessageSender sender(outbox, store);
    const Contacts contact = store.findContractByTelephoneNumber("13800138000");
    // Refused: the composer's progress alert ends with "failed send".
    EXPECT_FALSE(sender.send(contact, true, "see you at eight", "L", 0).accepted);
    EXPECT_EQ(reports, 0);
    store.updatetel(kSettingRecord, kRecordOff);
    EXPECT_FALSE(store.lastError().empty());
    EXPECT_FALSE(config.SetStrValueToConfigFile("WebLinkHost", "after.example"));
    const MessageDraft newer{"Other", "10086", "a newer draft", "secret", "0"};
    EXPECT_FALSE(newer.save(drafts));
    // The command line says so too (other refusals of the store it reports are tested
    // with it).
    std::istringstream in;
    std::ostringstream out, errors;
    EXPECT_EQ(cli::runCli({"--data-dir=" + dir.path(), "send", "--to", "13800138000", "--password",
                           "preset", "--sms", "outbox", "--", "hi"},
                          in, out, errors),
              1);
    EXPECT_FALSE(errors.str().empty());
    EXPECT_EQ(snapshot(dir.path()), before);

    if (GetParam() != Condition::Full) return;
    ::unlink(disk.filler.c_str());
    EXPECT_TRUE(sender.send(contact, true, "see you at eight", "L", 0).accepted);
    EXPECT_EQ(store.findAllSMS().size(), 1u);
    store.updatetel(kSettingRecord, kRecordOff);
    EXPECT_EQ(store.findTelephoneNumber(kSettingRecord), kRecordOff);
    EXPECT_TRUE(config.SetStrValueToConfigFile("WebLinkHost", "after.example"));
    EXPECT_TRUE(newer.save(drafts));
    EXPECT_EQ(MessageDraft::load(drafts)->text, "a newer draft");
}

INSTANTIATE_TEST_SUITE_P(FullAndReadOnly, DiskFullTest,
                         ::testing::Values(Condition::Full, Condition::ReadOnly),
                         [](const auto& info) {
                             return info.param == Condition::Full ? "Full" : "ReadOnly";
                         });
