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

// hushvault-cli in the environment given: its exit status (-1: none), stdout and stderr.
std::pair<int, std::string> runCli(const std::string& environment, const std::string& arguments) {
    const std::string command = environment + " '" HV_CLI "' " + arguments + " 2>&1";
    std::string output;
    FILE* pipe = ::popen(command.c_str(), "r");
    std::array<char, 512> buffer{};
    while (pipe && std::fgets(buffer.data(), int(buffer.size()), pipe)) output += buffer.data();
    const int status = pipe ? ::pclose(pipe) : -1;
    return {status != -1 && WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

}  // namespace

TEST(Md5Configuration, FipsDefaultsStillGiveTheRightTokensAndWithoutMd5NoneIsMade) {
    hv::test::TempDir dir;
    const auto configuration = [&](const char* name, const char* text) {
        return "OPENSSL_CONF='" + hv::test::writeFile(dir.file(name), text) + "'";
    };
    const std::string fips = configuration("fips.cnf",
                                           "openssl_conf = init\n[init]\nalg_section = evp\n"
                                           "[evp]\ndefault_properties = fips=yes\n");
    const std::string token = hv::GenEncURL("see you", "tea", true);
    const auto made = runCli(fips, "token encrypt --password tea 'see you'");
    EXPECT_EQ(made, std::pair(0, token + "\n"));
    // Under the old behaviour every password gave the same all-zero key: any password fitted.
    EXPECT_EQ(runCli(fips, "token decrypt --password coffee " + token).first, 1);

    // Without any MD5 the command fails loudly and makes no token.
    const std::string baseOnly = configuration(
        "base.cnf",
        "openssl_conf = init\n[init]\nproviders = providers\n[providers]\nbase = base\n"
        "[base]\nactivate = 1\n");
    const auto [status, output] = runCli(baseOnly, "token encrypt --password tea 'see you'");
    EXPECT_EQ(status, 1);
    EXPECT_NE(output.find("no MD5"), std::string::npos) << output;
    EXPECT_EQ(output.find(token), std::string::npos);
    EXPECT_EQ(runCli(baseOnly, "--data-dir '" + dir.path() + "' contacts list").first, 1);
}
