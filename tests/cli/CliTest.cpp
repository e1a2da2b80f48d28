// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/CliApplication.h"

#include <gtest/gtest.h>

#include <sqlite3.h>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>

#include "crypto/SecretToken.h"
#include "store/HushvaultSqlite.h"
#include "support/TempDir.h"

using hv::test::readFile;
using hv::test::writeFile;
using nlohmann::json;

namespace {

struct Result {
    int status;
    std::string out, err;
};

// hushvault-cli on the profile; input: what standard input holds.
Result cli(const hv::test::TempDir& profile, std::vector<std::string> arguments,
           const std::string& input = "") {
    arguments.insert(arguments.begin(), "--data-dir=" + profile.path());
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = hv::cli::runCli(arguments, in, out, err, hv::KdfParameters::cheapest());
    return {status, out.str(), err.str()};
}

class CliTest : public ::testing::Test {
protected:
    Result run(std::vector<std::string> arguments, const std::string& input = "") {
        return cli(dir, std::move(arguments), input);
    }

    hv::test::TempDir dir;
};

// hushvault-cli backup create / restore between two profiles, and its refusals: exit 1, a
// message, and the profile's database unchanged byte for byte.
class BackupCliTest : public ::testing::Test {
protected:
    std::string contacts(const hv::test::TempDir& profile) {
        return cli(profile, {"contacts", "list"}).out;
    }
    std::string database(const hv::test::TempDir& profile) {
        return readFile(hv::HushvaultSqlite(profile.path()).dataBasePath());
    }

    hv::test::TempDir a, b, files;
    const std::string file = files.file("moving.hvbackup");
};

}  // namespace

TEST_F(CliTest, TokensRoundTripAndAWrongPasswordFails) {
    const Result made = run({"token", "encrypt", "--password", "secret", "--", "--hello--"});
    ASSERT_EQ(made.status, 0) << made.err;
    const std::string token = made.out.substr(0, made.out.size() - 1);
    EXPECT_EQ(run({"token", "decrypt", "--password=secret", token}).out, "--hello--\n");
    EXPECT_EQ(run({"token", "decrypt", "--password", "other", token}).status, 1);

    // "0c2b+0ya6nbqc7mA" in the plain form.
    EXPECT_EQ(run({"token", "encrypt", "--password", "escape", "--escaped", "message 0"}).out,
              "0c2b%2B0ya6nbqc7mA\n");
}

TEST_F(CliTest, AFileThatIsNotADatabaseFailsEveryCommandNamingIt) {
    writeFile(dir.file("HiddenMSGTable"), std::string(2048, 'x'));
    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {"init"}, {"contacts", "list"}, {"settings", "list"}, {"records", "clear"}}) {
        const Result result = run(arguments);
        EXPECT_EQ(result.status, 1) << arguments[0];
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err.find(dir.file("HiddenMSGTable")), std::string::npos) << result.err;
    }
    EXPECT_EQ(readFile(dir.file("HiddenMSGTable")), std::string(2048, 'x'));
}

TEST_F(CliTest, ChangesTheStoreRefusesAreReportedAsFailures) {
    for (const auto& setup : std::vector<std::vector<std::string>>{
             {"init"},
             {"contacts", "add", "--name", "n", "--tel", "1", "--password", "pw", "--friend", "0"},
             {"send", "--sms=outbox", "--friend", "--to", "139", "--password", "pwd", "x"}})
        ASSERT_EQ(run(setup).status, 0) << setup[0];
    // Another program holds the write lock (a read-only file refuses changes the same way).
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(dir.file("HiddenMSGTable").c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE;", nullptr, nullptr, nullptr), SQLITE_OK);
    for (const auto& arguments :
         std::vector<std::vector<std::string>>{{"contacts", "delete", "--id", "1"},
                                               {"records", "delete", "--id", "1"},
                                               {"records", "clear"}}) {
        const Result result = run(arguments);
        EXPECT_EQ(result.status, 1) << arguments[0] << " " << arguments[1];
        EXPECT_NE(result.err.find(dir.file("HiddenMSGTable")), std::string::npos) << result.err;
    }
    sqlite3_exec(other, "ROLLBACK;", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    EXPECT_EQ(json::parse(run({"contacts", "list", "--json"}).out).size(), 1u);
    EXPECT_EQ(json::parse(run({"records", "list", "--json"}).out).size(), 1u);
}

TEST_F(CliTest, ContactsAreAddedListedFoundAndDeleted) {
    const Result added = run({"contacts", "add", "--name", "Wang's", "--tel", "+86 139-1234",
                              "--password", "pw", "--friend", "1"});
    ASSERT_EQ(added.status, 0) << added.err;
    EXPECT_EQ(added.out, "1\n");

    EXPECT_EQ(run({"contacts", "list"}).out, "1\tWang's\t1391234\tpw\t1\n");

    EXPECT_EQ(json::parse(run({"contacts", "find", "--tel", "139 1234", "--json"}).out)["id"], 1);
    EXPECT_EQ(run({"contacts", "find", "--tel", "000", "--json"}).status, 1);

    EXPECT_EQ(run({"contacts", "delete", "--id", "7"}).status, 1);
    EXPECT_EQ(run({"contacts", "delete", "--id", "1"}).status, 0);
    EXPECT_EQ(run({"contacts", "list"}).out, "");
}

TEST_F(CliTest, SettingsAreChangedButNeverAdded) {
    EXPECT_EQ(run({"settings", "set", "Record", "Off"}).status, 1);
    ASSERT_EQ(run({"init"}).status, 0);
    EXPECT_EQ(run({"settings", "set", "Record", "Off"}).status, 0);
    EXPECT_EQ(run({"settings", "set", "Nope", "x"}).status, 1);
    // Values the screens could not show are refused.
    EXPECT_EQ(run({"settings", "set", "Time", "banana"}).status, 2);
    EXPECT_EQ(run({"settings", "get", "Record"}).out, "Off\n");
    EXPECT_EQ(json::parse(run({"settings", "list", "--json"}).out)["Time"], "0");
}

TEST_F(CliTest, APasswordComesFromAFileOrStandardInputInsteadOfTheCommandLine) {
    writeFile(dir.file("pw"), "tea for two\r\nsecond line\n");
    const std::string token = run({"token", "encrypt", "--password", "tea for two", "hi"}).out;
    ASSERT_FALSE(token.empty());
    for (const auto& [arguments, input] :
         std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{"token", "encrypt", "--password-file", dir.file("pw"), "hi"}, ""},
             {{"token", "encrypt", "--password", "-", "hi"}, "tea for two\n"},
             {{"token", "encrypt", "--password=-", "hi"}, "tea for two"},
         }) {
        const Result result = run(arguments, input);
        EXPECT_EQ(result.status, 0) << arguments[2] << ": " << result.err;
        EXPECT_EQ(result.out, token) << arguments[2];
    }
}

TEST_F(CliTest, BadArgumentsGiveOneLineErrorsAndTouchNothing) {
    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {"contacts", "add", "--name", "caf\xe9", "--tel", "1", "--password", "pw", "--friend",
              "0"},                                                // not UTF-8
             {"send", "--to", "hello", "--password", "tea", "x"},  // no number
             {},
             {"frobnicate"},
             {"token", "encrypt", "text"},
             {"token", "encrypt", "--password", "p", "a", "b"},
             {"contacts", "delete", "--id", "12x"},
             {"records", "list", "--jsn"},
             {"config", "set", "k", "v", "--int"},
         }) {
        const Result result = run(arguments);
        EXPECT_EQ(result.status, 2) << (arguments.empty() ? "" : arguments[0]);
        EXPECT_EQ(result.err.rfind("hushvault-cli: ", 0), 0u);
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST_F(CliTest, SendsThroughTheOutboxLikeTheComposerAndAWebLinkNeedsAHostOfTheUsersOwn) {
    const std::vector<std::string> web = {"send",       "--sms=outbox", "--to", "+86 139-0000",
                                          "--password", "tea",          "x"};
    const Result unset = run(web);
    EXPECT_EQ(unset.status, 1);
    EXPECT_NE(unset.err.find("config set WebLinkHost"), std::string::npos) << unset.err;
    EXPECT_EQ(json::parse(run({"records", "list", "--json"}).out).size(), 0u) << "nothing sent";

    EXPECT_EQ(run({"config", "set", "WebLinkHost", "http://links.example.org"}).status, 2);
    ASSERT_EQ(run({"config", "set", "WebLinkHost", "links.example.org:8080"}).status, 0);
    EXPECT_EQ(run(web).out.rfind("Hushvault message: http://links.example.org:8080/s/?m=", 0), 0u);

    const Result sent = run({"send", "--sms=outbox", "--to", "+86 139-0000", "--password", "tea",
                             "--friend", "--", "hi"});
    ASSERT_EQ(sent.status, 0) << sent.err;
    const json records = json::parse(run({"records", "list", "--json"}).out);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0]["telephone"], "1390000");
    EXPECT_EQ(records[0]["content"], "hi");
}

TEST_F(CliTest, ReadDecryptsAsTheReaderDoesAndRecordsIt) {
    const std::string link = "hiddenmsg://" + hv::GenEncURL("see you", "tea", true);
    ASSERT_EQ(run({"init"}).status, 0);
    const Result none = run({"read", link});  // no contacts yet
    EXPECT_EQ(none.status, 1);
    EXPECT_NE(none.err.find("no stored contact"), std::string::npos);
    EXPECT_EQ(run({"read", "--password", "coffee", link}).status, 1);

    EXPECT_EQ(run({"read", "--password", "tea", link}).out, "see you\n");
    run({"contacts", "add", "--name", "Li", "--tel", "1", "--password", "tea", "--friend", "1"});
    EXPECT_EQ(run({"read", "Hushvault message: " + link}).out, "see you\n");
    const json records = json::parse(run({"records", "list", "--json"}).out);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0]["content"], "The decrypted message:\nsee you");
    EXPECT_EQ(records[0]["statue"], "3");
    EXPECT_EQ(records[0]["telephone"], "");
}

TEST_F(CliTest, AddressBookReportsWhatItCouldNotRead) {
    std::filesystem::create_directories(dir.file("cards"));
    writeFile(dir.file("cards/good.vcf"),
              "BEGIN:VCARD\nVERSION:3.0\nFN:Ann\nEND:VCARD\nBEGIN:VCARD\nFN:cut");
    writeFile(dir.file("cards/junk.vcf"), "not a card");
    const Result result = run({"addressbook", "list", "--contacts-dir", dir.file("cards")});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "A\tAnn\t\n");
    EXPECT_EQ(result.err, "hushvault-cli: 2 cards, files or folders under " + dir.file("cards") +
                              " could not be read\n");

    const Result missing = run({"addressbook", "list", "--contacts-dir", dir.file("nowhere")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find(dir.file("nowhere")), std::string::npos) << missing.err;
}

TEST_F(BackupCliTest, BackupsGoBothWaysAndMergeByNumber) {
    cli(a, {"contacts", "add", "--name", "Lei", "--tel", "13800138000", "--password", "tea",
            "--friend", "1"});
    const Result made = cli(a, {"backup", "create", file}, "passphrase one\n");
    ASSERT_EQ(made.status, 0) << made.err;
    EXPECT_EQ(made.out, "backed up 1 contacts and 0 records into " + file + "\n");

    const Result restored = cli(b, {"backup", "restore", file}, "passphrase one\n");
    ASSERT_EQ(restored.status, 0) << restored.err;
    EXPECT_EQ(restored.out, "added 1 contacts and 0 records; settings from the backup\n");
    EXPECT_EQ(contacts(b), contacts(a));

    // Back from b, where Lei's password changed and Ana came; the passphrase from a file.
    const std::string phrase = writeFile(files.file("phrase"), "passphrase two\r\n");
    cli(b, {"contacts", "delete", "--id", "1"});
    cli(b, {"contacts", "add", "--name", "Lei", "--tel", "13800138000", "--password", "green tea",
            "--friend", "1"});
    cli(b, {"contacts", "add", "--name", "Ana", "--tel", "555", "--password", "milk", "--friend",
            "0"});
    ASSERT_EQ(cli(b, {"backup", "create", "--passphrase-file", phrase, file}).status, 0);
    const std::string before = contacts(a);
    const Result dry =
        cli(a, {"backup", "restore", "--dry-run", "--passphrase-file", phrase, file});
    EXPECT_EQ(dry.out,
              "would add 1 contacts and 0 records; kept this profile's 1 contacts with the same "
              "numbers (1 differ from the backup); this profile's settings kept\n");
    EXPECT_EQ(contacts(a), before);
    ASSERT_EQ(cli(a, {"backup", "restore", "--passphrase-file", phrase, file}).status, 0);
    EXPECT_EQ(cli(a, {"contacts", "find", "--tel", "555"}).status, 0);
}

TEST_F(BackupCliTest, RefusalsSayWhyExitOneAndChangeNothing) {
    cli(a,
        {"contacts", "add", "--name", "Lei", "--tel", "1", "--password", "tea", "--friend", "1"});
    cli(b,
        {"contacts", "add", "--name", "Kai", "--tel", "2", "--password", "tea", "--friend", "1"});
    ASSERT_EQ(cli(a, {"backup", "create", file}, "passphrase one\n").status, 0);
    const std::string before = database(b);
    for (const auto& [path, message] :
         {std::pair{file, "the passphrase is wrong, or the file is damaged"},
          std::pair{writeFile(files.file("text"), "hello"), "not a Hushvault backup"},
          std::pair{files.file("missing"), "cannot be read"}}) {
        const Result result = cli(b, {"backup", "restore", path}, "passphrase two\n");
        EXPECT_EQ(result.status, 1) << message;
        EXPECT_NE(result.err.find(message), std::string::npos) << result.err;
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(database(b), before) << message;
    }

    const Result shortOne = cli(a, {"backup", "create", files.file("short")}, "too short\n");
    EXPECT_EQ(shortOne.status, 1);
    EXPECT_NE(shortOne.err.find("at least 10 characters"), std::string::npos) << shortOne.err;
    EXPECT_EQ(readFile(files.file("short")), "");
    // Never from the command line; nothing at all on standard input is no passphrase.
    EXPECT_EQ(cli(a, {"backup", "create", "--passphrase", "passphrase one", file}).status, 2);
    EXPECT_EQ(cli(a, {"backup", "restore", file}).status, 2);
}
