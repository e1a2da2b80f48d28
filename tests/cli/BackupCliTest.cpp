// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

// hushvault-cli backup create / restore between two profiles, and its refusals: exit 1, a
// message, and the profile's database unchanged byte for byte.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/CliApplication.h"
#include "store/HushvaultSqlite.h"
#include "support/TempDir.h"

namespace {

using hv::test::readFile;
using hv::test::writeFile;

struct Result {
    int status;
    std::string out;
    std::string err;
};

class BackupCliTest : public ::testing::Test {
protected:
    Result run(const hv::test::TempDir& profile, std::vector<std::string> arguments,
               const std::string& input = "") {
        arguments.insert(arguments.begin(), "--data-dir=" + profile.path());
        std::istringstream in(input);
        std::ostringstream out, err;
        const int status = hv::cli::runCli(arguments, in, out, err, hv::KdfParameters::cheapest());
        return {status, out.str(), err.str()};
    }
    std::string contacts(const hv::test::TempDir& profile) {
        return run(profile, {"contacts", "list"}).out;
    }
    std::string database(const hv::test::TempDir& profile) {
        return readFile(hv::HushvaultSqlite(profile.path()).dataBasePath());
    }

    hv::test::TempDir a, b, files;
    const std::string file = files.file("moving.hvbackup");
};

}  // namespace

TEST_F(BackupCliTest, BackupsGoBothWaysAndMergeByNumber) {
    run(a, {"contacts", "add", "--name", "Lei", "--tel", "13800138000", "--password", "tea",
            "--friend", "1"});
    const Result made = run(a, {"backup", "create", file}, "passphrase one\n");
    ASSERT_EQ(made.status, 0) << made.err;
    EXPECT_EQ(made.out, "backed up 1 contacts and 0 records into " + file + "\n");

    const Result restored = run(b, {"backup", "restore", file}, "passphrase one\n");
    ASSERT_EQ(restored.status, 0) << restored.err;
    EXPECT_EQ(restored.out, "added 1 contacts and 0 records; settings from the backup\n");
    EXPECT_EQ(contacts(b), contacts(a));

    // Back from b, where Lei's password changed and Ana came; the passphrase from a file.
    const std::string phrase = writeFile(files.file("phrase"), "passphrase two\r\n");
    run(b, {"contacts", "delete", "--id", "1"});
    run(b, {"contacts", "add", "--name", "Lei", "--tel", "13800138000", "--password", "green tea",
            "--friend", "1"});
    run(b, {"contacts", "add", "--name", "Ana", "--tel", "555", "--password", "milk", "--friend",
            "0"});
    ASSERT_EQ(run(b, {"backup", "create", "--passphrase-file", phrase, file}).status, 0);
    const std::string before = contacts(a);
    const Result dry =
        run(a, {"backup", "restore", "--dry-run", "--passphrase-file", phrase, file});
    EXPECT_EQ(dry.out,
              "would add 1 contacts and 0 records; kept this profile's 1 contacts with the same "
              "numbers (1 differ from the backup); this profile's settings kept\n");
    EXPECT_EQ(contacts(a), before);
    ASSERT_EQ(run(a, {"backup", "restore", "--passphrase-file", phrase, file}).status, 0);
    EXPECT_EQ(run(a, {"contacts", "find", "--tel", "555"}).status, 0);
}

TEST_F(BackupCliTest, RefusalsSayWhyExitOneAndChangeNothing) {
    run(a,
        {"contacts", "add", "--name", "Lei", "--tel", "1", "--password", "tea", "--friend", "1"});
    run(b,
        {"contacts", "add", "--name", "Kai", "--tel", "2", "--password", "tea", "--friend", "1"});
    ASSERT_EQ(run(a, {"backup", "create", file}, "passphrase one\n").status, 0);
    auto variant = [&](const char* name, const std::string& contents) {
        return writeFile(files.file(name), contents);
    };
    const std::string before = database(b);
    struct Case {
        std::string file;
        std::string passphrase;
        std::string message;
    };
    const Case cases[] = {
        {file, "passphrase two", "the passphrase is wrong, or the file is damaged"},
        {variant("text", "hello"), "passphrase one", "not a Hushvault backup"},
        {files.file("missing"), "passphrase one", "cannot be read"},
    };
    for (const Case& c : cases) {
        const Result result = run(b, {"backup", "restore", c.file}, c.passphrase + "\n");
        EXPECT_EQ(result.status, 1) << c.message;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(database(b), before) << c.message;
    }

    const Result shortOne = run(a, {"backup", "create", files.file("short")}, "too short\n");
    EXPECT_EQ(shortOne.status, 1);
    EXPECT_NE(shortOne.err.find("at least 10 characters"), std::string::npos) << shortOne.err;
    EXPECT_EQ(readFile(files.file("short")), "");
    // Never from the command line; nothing at all on standard input is no passphrase.
    EXPECT_EQ(run(a, {"backup", "create", "--passphrase", "passphrase one", file}).status, 2);
    EXPECT_EQ(run(a, {"backup", "restore", file}).status, 2);
    EXPECT_EQ(run(a, {"backup", "create", files.file("none/b")}, "passphrase one\n").status, 1);
}
