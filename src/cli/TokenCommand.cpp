#include "cli/TokenCommand.h"

#include "cli/CommandLine.h"
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

int decrypt(const CommandContext& context) {
    const CommandLine line(context.rest(), {{"--password"}, {}});
    const std::string token = tokenFromLink(line.positionals(1, "TOKEN")[0]);
    const SecretCipher cipher(line.required("--password"));
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

}  // namespace

int TokenCommand::run(const CommandContext& context) {
    const std::string action = context.action();
    if (action == "encrypt") {
        const CommandLine line(context.rest(), {{"--password"}, {"--escaped"}});
        const std::string text = line.positionals(1, "TEXT")[0];
        context.out << GenEncURL(text, line.required("--password"), !line.flag("--escaped"))
                    << '\n';
        return 0;
    }
    if (action == "decrypt") return decrypt(context);
    throw UsageError("token needs encrypt or decrypt, not \"" + action + "\"");
}

}  // namespace hv::cli
