// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

#include "cli/CommandContext.h"
#include "cli/CommandLine.h"
#include "cli/JsonFormat.h"
#include "cli/StoreAccess.h"
#include "cli/TextFormat.h"

namespace hv::cli {

// "list [--json]" of any record kind: a JSON array, or one text line per record. The
// records are loaded once the arguments are known to be right.
template <class Load>
int printRecordList(CommandContext& context, Load load) {
    const CommandLine line(context.arguments, {{}, {"--json"}});
    line.positionals(0, "");
    const auto records = load(context.store());
    requireStoreSuccess(context.store(), "read");
    if (line.flag("--json")) {
        nlohmann::json array = nlohmann::json::array();
        for (const auto& record : records) array.push_back(toJson(record));
        context.printJson(array);
    } else {
        for (const auto& record : records) context.out << toLine(record) << '\n';
    }
    return 0;
}

}  // namespace hv::cli
