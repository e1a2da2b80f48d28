#pragma once

#include "cli/CommandContext.h"

namespace hv::cli {

// token encrypt --password P [--escaped] [--] TEXT
// token decrypt --password P [--] TOKEN   (also an escaped token, or a whole
//                                         hiddenmsg:// or http://HOST/s/?m= link)
class TokenCommand {
public:
    static int run(const CommandContext& context);
};

}  // namespace hv::cli
