#include "cli/ConfigCommand.h"

#include "cli/CommandLine.h"
#include "store/ConfigFile.h"

namespace hv::cli {

int ConfigCommand::run(const CommandContext& context) {
    const ConfigFile config(context.paths.documentsDirectory());
    const std::string action = context.action();
    if (action == "get") {
        const std::string key = CommandLine(context.rest(), {}).positionals(1, "KEY")[0];
        context.out << config.GetIntValueFromConfigFile(key) << '\n';
        return 0;
    }
    if (action == "set") {
        const CommandLine line(context.rest(), {{}, {"--int"}});
        const auto& arguments = line.positionals(2, "KEY and VALUE");
        const bool written =
            line.flag("--int")
                ? config.SetIntValueToConfigFile(arguments[0], parseInt32(arguments[1], "VALUE"))
                : config.SetStrValueToConfigFile(arguments[0], arguments[1]);
        if (!written) throw CommandFailed("could not write " + config.GetConfigFilePath());
        return 0;
    }
    throw UsageError("config needs get or set, not \"" + action + "\"");
}

}  // namespace hv::cli
