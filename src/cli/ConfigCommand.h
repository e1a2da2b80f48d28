#pragma once

#include "cli/CommandContext.h"

namespace hv::cli {

// config get KEY               the integer reading: -1 before Conf.ini exists, 0 for a missing key
// config set KEY VALUE [--int] stores the text, or with --int the number
class ConfigCommand {
public:
    static int run(const CommandContext& context);
};

}  // namespace hv::cli
