#pragma once

#include "cli/CommandContext.h"

namespace hv::cli {

// settings list [--json] | get KEY | set KEY VALUE
// "set" changes an existing row only; a key without a row is reported, not added.
class SettingsCommand {
public:
    static int run(const CommandContext& context);
};

}  // namespace hv::cli
