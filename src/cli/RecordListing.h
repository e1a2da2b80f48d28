#pragma once

#include <vector>

#include "cli/CommandContext.h"
#include "cli/CommandLine.h"
#include "cli/JsonFormat.h"
#include "cli/TextFormat.h"

namespace hv::cli {

// "list [--json]" of any record kind: a JSON array, or one text line per record.
template <class Record>
int printRecordList(const CommandContext& context, const std::vector<Record>& records) {
    const CommandLine line(context.arguments, {{}, {"--json"}});
    line.positionals(0, "");
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
