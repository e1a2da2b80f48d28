// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/Actions.h"
#include "cli/CommandLine.h"
#include "sms/WebLinkHost.h"
#include "store/ConfigFile.h"

namespace hv::cli {

// A text key prints its text, a number key its number; a missing key 0 and a file that
// cannot be read -1, as the application reads numbers.
int getConfig(CommandContext& context) {
    const std::string key = CommandLine(context.arguments, {}).positionals(1, "KEY")[0];
    const ConfigFile config(context.paths.documentsDirectory());
    if (const auto value = config.GetStrValueFromConfigFile(key))
        context.out << *value << '\n';
    else
        context.out << config.GetIntValueFromConfigFile(key) << '\n';
    return 0;
}

int setConfig(CommandContext& context) {
    const ConfigFile config(context.paths.documentsDirectory());
    const CommandLine line(context.arguments, {{}, {"--int"}});
    const auto& arguments = line.positionals(2, "KEY and VALUE");
    // Where friends type their preset passwords: only a host name (or "" for none).
    if (arguments[0] == WebLinkHost::kKey && !arguments[1].empty() &&
        (line.flag("--int") || !WebLinkHost::isValid(arguments[1])))
        throw UsageError("WebLinkHost takes a host name such as links.example.org, not \"" +
                         arguments[1] + "\"");
    const bool written =
        line.flag("--int")
            ? config.SetIntValueToConfigFile(arguments[0], parseInt32(arguments[1], "VALUE"))
            : config.SetStrValueToConfigFile(arguments[0], arguments[1]);
    if (!written) throw CommandFailed("could not write " + config.GetConfigFilePath());
    return 0;
}

}  // namespace hv::cli
