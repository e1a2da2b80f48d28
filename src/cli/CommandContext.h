// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <istream>
#include <memory>
#include <nlohmann/json.hpp>
#include <ostream>
#include <string>
#include <vector>

#include "backup/KdfParameters.h"
#include "store/StorePaths.h"

namespace hv {
class HushvaultSqlite;
}

namespace hv::cli {

// What an action works with: its arguments (after the command's words), the profile's
// files, the store, where its input comes from (a password given as "-") and where its
// output and its warnings go.
struct CommandContext {
    CommandContext(std::vector<std::string> arguments, std::istream& in, std::ostream& out,
                   std::ostream& err, StorePaths paths)
        : arguments(std::move(arguments)), in(in), out(out), err(err), paths(std::move(paths)) {}

    std::vector<std::string> arguments;
    std::istream& in;
    std::ostream& out;
    std::ostream& err;  // warnings of a command that still succeeds
    StorePaths paths;
    // The key-derivation costs of new backups (tests make them cheap).
    KdfParameters backupKdf = KdfParameters::standard();

    // The profile's store, opened and its tables made at the first call; a store that
    // cannot be used fails the command. Actions check their arguments before, so that
    // wrong arguments touch nothing.
    HushvaultSqlite& store();

    // Pretty JSON; bytes that are not UTF-8 are replaced rather than failing the dump.
    void printJson(const nlohmann::json& value) const {
        out << value.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
    }

private:
    std::shared_ptr<HushvaultSqlite> store_;
};

}  // namespace hv::cli
