#pragma once

#include <ostream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "store/StorePaths.h"

namespace hv::cli {

// What a subcommand works with: its arguments (after the subcommand's name), the
// profile's files and where its output goes.
struct CommandContext {
    std::vector<std::string> arguments;
    std::ostream& out;
    StorePaths paths;

    // The action word (arguments[0]), e.g. "list"; empty when there is none.
    std::string action() const { return arguments.empty() ? std::string() : arguments[0]; }
    // The arguments after the action word.
    std::vector<std::string> rest() const {
        return arguments.empty() ? arguments
                                 : std::vector<std::string>(arguments.begin() + 1, arguments.end());
    }

    // Pretty JSON; bytes that are not UTF-8 are replaced rather than failing the dump.
    void printJson(const nlohmann::json& value) const {
        out << value.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
    }
};

}  // namespace hv::cli
