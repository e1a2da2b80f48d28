#include "cli/Actions.h"
#include "cli/CommandLine.h"
#include "store/ConfigFile.h"

namespace hv::cli {

int getConfig(CommandContext& context) {
    const std::string key = CommandLine(context.arguments, {}).positionals(1, "KEY")[0];
    context.out << ConfigFile(context.paths.documentsDirectory()).GetIntValueFromConfigFile(key)
                << '\n';
    return 0;
}

int setConfig(CommandContext& context) {
    const ConfigFile config(context.paths.documentsDirectory());
    const CommandLine line(context.arguments, {{}, {"--int"}});
    const auto& arguments = line.positionals(2, "KEY and VALUE");
    const bool written =
        line.flag("--int")
            ? config.SetIntValueToConfigFile(arguments[0], parseInt32(arguments[1], "VALUE"))
            : config.SetStrValueToConfigFile(arguments[0], arguments[1]);
    if (!written) throw CommandFailed("could not write " + config.GetConfigFilePath());
    return 0;
}

}  // namespace hv::cli
