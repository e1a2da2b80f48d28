#include "cli/TokenCommand.h"

#include "cli/CommandLine.h"
#include "crypto/SecretToken.h"

namespace hv::cli {

int TokenCommand::run(const CommandContext& context) {
    const std::string action = context.action();
    if (action == "encrypt") {
        const CommandLine line(context.rest(), {{"--password"}, {"--escaped"}});
        const std::string text = line.positionals(1, "TEXT")[0];
        context.out << GenEncURL(text, line.required("--password"), !line.flag("--escaped"))
                    << '\n';
        return 0;
    }
    if (action == "decrypt") {
        const CommandLine line(context.rest(), {{"--password"}, {}});
        const std::string token = line.positionals(1, "TOKEN")[0];
        const auto text = DecString(token, line.required("--password"));
        if (!text) throw CommandFailed("the token does not fit this password");
        context.out << *text << '\n';
        return 0;
    }
    throw UsageError("token needs encrypt or decrypt, not \"" + action + "\"");
}

}  // namespace hv::cli
