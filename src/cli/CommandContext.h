#pragma once

#include <nlohmann/json.hpp>
#include <ostream>
#include <string>
#include <vector>

#include "store/StorePaths.h"

namespace hv {
class HushvaultSqlite;
}

namespace hv::cli {

// What an action works with: its arguments (after the command's words), the profile's
// files, the store when the action uses one (opened and its tables made), and where its
// output goes.
struct CommandContext {
    std::vector<std::string> arguments;
    std::ostream& out;
    StorePaths paths;
    HushvaultSqlite* store = nullptr;

    // Pretty JSON; bytes that are not UTF-8 are replaced rather than failing the dump.
    void printJson(const nlohmann::json& value) const {
        out << value.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
    }
};

}  // namespace hv::cli
