// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/Actions.h"
#include "cli/CommandLine.h"
#include "cli/PasswordOption.h"
#include "crypto/SecretCipher.h"
#include "crypto/SecretLink.h"
#include "crypto/SecretToken.h"

namespace hv::cli {

namespace {

bool hasCheckPrefix(const std::string& token) {
    if (token.size() < 4) return false;
    for (std::size_t i = 0; i < 4; ++i)
        if (!((token[i] >= '0' && token[i] <= '9') || (token[i] >= 'a' && token[i] <= 'f')))
            return false;
    return true;
}

}  // namespace

int encryptToken(CommandContext& context) {
    const CommandLine line(context.arguments,
                           {{PasswordOption::kName, PasswordOption::kFileName}, {"--escaped"}});
    const std::string text = line.positionals(1, "TEXT")[0];
    const std::string password = PasswordOption::required(line, context.in);
    context.out << GenEncURL(text, password, !line.flag("--escaped")) << '\n';
    return 0;
}

int decryptToken(CommandContext& context) {
    const CommandLine line(context.arguments,
                           {{PasswordOption::kName, PasswordOption::kFileName}, {}});
    const std::string token = tokenFromLink(line.positionals(1, "TOKEN")[0]);
    const SecretCipher cipher(PasswordOption::required(line, context.in));
    if (!hasCheckPrefix(token)) throw CommandFailed("this is not a secret-message token or link");
    if (token.compare(0, 4, cipher.checkPrefix()) != 0)
        throw CommandFailed("the token does not fit this password");
    const auto text = cipher.decrypt(token);
    if (!text)
        throw CommandFailed(
            "the token passes this password's check but does not decrypt to text: the "
            "password is a near miss or the link was damaged");
    context.out << *text << '\n';
    return 0;
}

}  // namespace hv::cli
