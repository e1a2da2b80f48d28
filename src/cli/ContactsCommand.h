#pragma once

#include "cli/CommandContext.h"

namespace hv::cli {

// contacts add --name N --tel T --password P --friend 0|1   (prints the new identifier)
// contacts list [--json] | find --tel T [--json] | delete --id N
class ContactsCommand {
public:
    static int run(const CommandContext& context);
};

}  // namespace hv::cli
