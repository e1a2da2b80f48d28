#pragma once

#include "cli/CommandContext.h"

namespace hv::cli {

// records list [--json] | delete --id N | clear
class RecordsCommand {
public:
    static int run(const CommandContext& context);
};

}  // namespace hv::cli
