#pragma once

#include "cli/CommandContext.h"

namespace hv::cli {

// send --to NUMBER --password P [--friend] [--] TEXT
// Sends a secret message the way the composer does (same checks, body, service and
// records) through the outbox of the data directory, and prints the body it sent.
class SendCommand {
public:
    static int run(const CommandContext& context);
};

}  // namespace hv::cli
