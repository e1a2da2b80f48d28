// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <span>
#include <string_view>

#include "cli/CommandContext.h"

namespace hv::cli {

// One action of hushvault-cli, as the user calls it: "contacts add ...", or "init" for a
// command that has a single action (an empty action word).
struct Command {
    std::string_view name;
    std::string_view action;
    std::string_view arguments;  // what follows the words, as the help shows it
    std::string_view summary;
    int (*run)(CommandContext& context);
};

// Every action, in the order the help lists them.
std::span<const Command> commands();

}  // namespace hv::cli
