#include "cli/CliApplication.h"

#include <gtest/gtest.h>

#include <sqlite3.h>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "crypto/SecretToken.h"

#include "store/StorePaths.h"
#include "support/TempDir.h"

using nlohmann::json;

namespace {

struct Result {
    int status;
    std::string out;
    std::string err;
};

class CliTest : public ::testing::Test {
protected:
    Result run(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), "--data-dir=" + dir.path());
        std::ostringstream out, err;
        const int status = hv::cli::runCli(arguments, out, err);
        return {status, out.str(), err.str()};
    }

    hv::test::TempDir dir;
};

}  // namespace

TEST_F(CliTest, TokensRoundTripAndAWrongPasswordFails) {
    const Result made = run({"token", "encrypt", "--password", "secret", "--", "--hello--"});
    ASSERT_EQ(made.status, 0) << made.err;
    const std::string token = made.out.substr(0, made.out.size() - 1);
    EXPECT_EQ(run({"token", "decrypt", "--password=secret", token}).out, "--hello--\n");

    const Result wrong = run({"token", "decrypt", "--password", "other", token});
    EXPECT_EQ(wrong.status, 1);
    EXPECT_EQ(wrong.out, "");
    EXPECT_NE(wrong.err.find("does not fit"), std::string::npos);

    // "0c2b+0ya6nbqc7mA" in the plain form.
    EXPECT_EQ(run({"token", "encrypt", "--password", "escape", "--escaped", "message 0"}).out,
              "0c2b%2B0ya6nbqc7mA\n");
}

TEST_F(CliTest, DecryptTakesEscapedTokensAndWholeLinks) {
    // "message 0" under "escape" has a "+" in its Base64 text.
    const std::string plain = hv::GenEncURL("message 0", "escape", true);
    const std::string escaped = hv::GenEncURL("message 0", "escape", false);
    ASSERT_NE(plain, escaped);
    for (const std::string& text :
         {plain, escaped, "hiddenmsg://" + plain, "HiddenMsg://" + plain,
          "http://s.hushvault.org/s/?m=" + escaped, "Hushvault message: hiddenmsg://" + plain,
          "密信 http://h.example/s/?m=" + escaped, "  http://h.example/s/?m=" + escaped + "#x\n"}) {
        const Result result = run({"token", "decrypt", "--password", "escape", "--", text});
        EXPECT_EQ(result.status, 0) << text << ": " << result.err;
        EXPECT_EQ(result.out, "message 0\n") << text;
    }
    const Result garbage = run({"token", "decrypt", "--password", "escape", "hello world"});
    EXPECT_EQ(garbage.status, 1);
    EXPECT_NE(garbage.err.find("not a secret-message token"), std::string::npos) << garbage.err;
}

TEST_F(CliTest, ArgumentsThatAreNotUtf8AreRefused) {
    const Result result = run({"contacts", "add", "--name", "caf\xe9", "--tel", "1", "--password",
                               "pw", "--friend", "0"});
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find("UTF-8"), std::string::npos);
    EXPECT_EQ(run({"contacts", "list"}).out, "");
}

TEST_F(CliTest, AFileThatIsNotADatabaseFailsEveryCommandNamingIt) {
    std::ofstream(dir.file("HiddenMSGTable")) << std::string(2048, 'x');
    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {"init"},
             {"contacts", "list"},
             {"records", "list", "--json"},
             {"settings", "list"},
             {"records", "clear"},
         }) {
        const Result result = run(arguments);
        EXPECT_EQ(result.status, 1) << arguments[0];
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err.find(dir.file("HiddenMSGTable")), std::string::npos) << result.err;
    }
    EXPECT_EQ(hv::test::readFile(dir.file("HiddenMSGTable")), std::string(2048, 'x'));
}

TEST_F(CliTest, ChangesTheStoreRefusesAreReportedAsFailures) {
    ASSERT_EQ(run({"init"}).status, 0);
    ASSERT_EQ(
        run({"contacts", "add", "--name", "n", "--tel", "1", "--password", "pw", "--friend", "0"})
            .status,
        0);
    ASSERT_EQ(run({"send", "--to", "1", "--password", "pwd", "x"}).status, 0);
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

    const json list = json::parse(run({"contacts", "list", "--json"}).out);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0], json({{"id", 1},
                             {"name", "Wang's"},
                             {"telephone", "1391234"},
                             {"password", "pw"},
                             {"iphoneFriend", "1"}}));
    EXPECT_EQ(run({"contacts", "list"}).out, "1\tWang's\t1391234\tpw\t1\n");

    EXPECT_EQ(json::parse(run({"contacts", "find", "--tel", "139 1234", "--json"}).out)["id"], 1);
    const Result missing = run({"contacts", "find", "--tel", "000", "--json"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, "");

    EXPECT_EQ(run({"contacts", "delete", "--id", "7"}).status, 1);
    EXPECT_EQ(run({"contacts", "delete", "--id", "1"}).status, 0);
    EXPECT_EQ(run({"contacts", "list"}).out, "");
}

TEST_F(CliTest, SettingsAreChangedButNeverAdded) {
    EXPECT_EQ(run({"settings", "set", "Record", "Off"}).status, 1);
    ASSERT_EQ(run({"init"}).status, 0);
    EXPECT_EQ(run({"settings", "get", "Record"}).out, "On\n");
    EXPECT_EQ(run({"settings", "set", "Record", "Off"}).status, 0);
    EXPECT_EQ(run({"settings", "get", "Record"}).out, "Off\n");
    EXPECT_EQ(run({"settings", "set", "Nope", "x"}).status, 1);
    // Values the screens could not show are refused.
    EXPECT_EQ(run({"settings", "set", "Time", "banana"}).status, 2);
    EXPECT_EQ(run({"settings", "set", "Record", "on"}).status, 2);
    EXPECT_EQ(run({"settings", "set", "Time", "30"}).status, 0);
    const json settings = json::parse(run({"settings", "list", "--json"}).out);
    EXPECT_EQ(settings.size(), 4u);
    EXPECT_EQ(settings["Record"], "Off");
}

TEST_F(CliTest, RecordsAndConfigCommands) {
    EXPECT_EQ(run({"records", "list", "--json"}).out, "[]\n");
    EXPECT_EQ(run({"records", "clear"}).status, 0);
    EXPECT_EQ(run({"records", "delete", "--id", "1"}).status, 1);

    EXPECT_EQ(run({"config", "get", "isglobleStatus"}).out, "-1\n");
    EXPECT_EQ(run({"config", "set", "isglobleStatus", "2", "--int"}).status, 0);
    EXPECT_EQ(run({"config", "get", "isglobleStatus"}).out, "2\n");
    EXPECT_EQ(run({"config", "get", "other"}).out, "0\n");
}

TEST_F(CliTest, HelpVersionAndTheDataDirectoryComeBeforeTheCommand) {
    std::ostringstream out, err;
    EXPECT_EQ(hv::cli::runCli({"--help"}, out, err), 0);
    EXPECT_NE(out.str().find("contacts delete --id N"), std::string::npos);
    EXPECT_EQ(hv::cli::runCli({"--version"}, out, err), 0);
    const hv::test::TempDir other;
    std::ostringstream ignored;
    EXPECT_EQ(hv::cli::runCli({"--data-dir", other.path(), "init"}, ignored, err), 0);
    EXPECT_TRUE(std::filesystem::exists(other.file("HiddenMSGTable")));
    EXPECT_EQ(hv::cli::runCli({"init", "--data-dir", other.path()}, ignored, err), 2);
    EXPECT_EQ(hv::cli::runCli({"--data-dir"}, ignored, err), 2);
    EXPECT_EQ(hv::cli::runCli({"--data-dir="}, ignored, err), 2);
}

TEST_F(CliTest, BadArgumentsGiveOneLineErrors) {
    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {},
             {"frobnicate"},
             {"token", "encrypt", "text"},
             {"token", "encrypt", "--password", "p", "a", "b"},
             {"token", "shred"},
             {"contacts", "add", "--name", "n", "--tel", "1", "--password", "p", "--friend", "2"},
             {"contacts", "delete", "--id", "12x"},
             {"records", "list", "--jsn"},
             {"config", "set", "k", "v", "--int"},
         }) {
        const Result result = run(arguments);
        EXPECT_EQ(result.status, 2) << (arguments.empty() ? "" : arguments[0]);
        EXPECT_EQ(result.err.rfind("hushvault-cli: ", 0), 0u);
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1);
    }
}

TEST_F(CliTest, SendsThroughTheOutboxLikeTheComposer) {
    const Result sent =
        run({"send", "--to", "+86 139-0000", "--password", "tea", "--friend", "--", "hi"});
    ASSERT_EQ(sent.status, 0) << sent.err;
    EXPECT_EQ(sent.out.rfind("Hushvault message: hiddenmsg://", 0), 0u) << sent.out;
    const json records = json::parse(run({"records", "list", "--json"}).out);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0]["telephone"], "1390000");
    EXPECT_EQ(records[0]["content"], "hi");

    const Result web = run({"send", "--to", "139", "--password", "tea", "x"});
    EXPECT_NE(web.out.find("/s/?m="), std::string::npos);
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

TEST_F(CliTest, WrongArgumentsTouchNothing) {
    EXPECT_EQ(run({"send", "--to", "139", "--password", "te", "x"}).status, 2);
    EXPECT_EQ(run({"contacts", "add", "--name", "n"}).status, 2);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}
