// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

// hushvault-cli run as a separate process under OpenSSL configurations that restrict MD5.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>

#include "crypto/SecretToken.h"
#include "support/TempDir.h"

namespace {

struct CliRun {
    int status = -1;
    std::string output;  // stdout and stderr
};

CliRun runCli(const std::string& environment, const std::string& arguments) {
    const std::string command = environment + " '" HV_CLI "' " + arguments + " 2>&1";
    CliRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return run;
    std::array<char, 512> buffer{};
    while (std::fgets(buffer.data(), int(buffer.size()), pipe)) run.output += buffer.data();
    const int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

class Md5ConfigurationTest : public ::testing::Test {
protected:
    std::string configuration(const char* name, const char* text) {
        return "OPENSSL_CONF='" + hv::test::writeFile(dir.file(name), text) + "'";
    }

    hv::test::TempDir dir;
};

}  // namespace

TEST_F(Md5ConfigurationTest, FipsDefaultPropertiesStillGiveTheRightTokens) {
    const std::string fips = configuration("fips.cnf",
                                           "openssl_conf = init\n[init]\nalg_section = evp\n"
                                           "[evp]\ndefault_properties = fips=yes\n");
    const CliRun made = runCli(fips, "token encrypt --password tea 'see you'");
    ASSERT_EQ(made.status, 0) << made.output;
    const std::string token = hv::GenEncURL("see you", "tea", true);
    EXPECT_EQ(made.output, token + "\n");
    // Under the old behaviour every password gave the same all-zero key: any password fitted.
    EXPECT_EQ(runCli(fips, "token decrypt --password coffee " + token).status, 1);
}

TEST_F(Md5ConfigurationTest, WithoutAnyMd5TheCommandFailsLoudlyAndMakesNoToken) {
    const std::string baseOnly = configuration(
        "base.cnf",
        "openssl_conf = init\n[init]\nproviders = providers\n[providers]\nbase = base\n"
        "[base]\nactivate = 1\n");
    const CliRun run = runCli(baseOnly, "token encrypt --password tea 'see you'");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find("no MD5"), std::string::npos) << run.output;
    EXPECT_EQ(run.output.find(hv::GenEncURL("see you", "tea", true)), std::string::npos);
    EXPECT_EQ(runCli(baseOnly, "--data-dir '" + dir.path() + "' contacts list").status, 1);
}
