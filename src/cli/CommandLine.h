// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace hv::cli {

// A mistake in the arguments; its text is the one-line message shown to the user.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A command that could not do its work (nothing decrypted, the store refused a change).
class CommandFailed : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The options one subcommand accepts: those that take a value and plain flags.
struct AcceptedOptions {
    std::set<std::string> valued;
    std::set<std::string> flags;
};

// The arguments of one subcommand: "--name value", "--name=value", flags, and positional
// arguments; everything after "--" is positional. Unknown options are usage errors.
class CommandLine {
public:
    CommandLine(const std::vector<std::string>& arguments, const AcceptedOptions& accepted);

    std::optional<std::string> value(const std::string& name) const;
    // The option's value; a usage error when it is missing.
    std::string required(const std::string& name) const;
    bool flag(const std::string& name) const;

    // The positional arguments, after checking that there are exactly `count` of them.
    std::vector<std::string> positionals(std::size_t count, const std::string& what) const;

private:
    std::map<std::string, std::string> values_;
    std::set<std::string> flags_;
    std::vector<std::string> positionals_;
};

// A decimal 32-bit integer, the whole text; a usage error naming `what` otherwise.
int parseInt32(const std::string& text, const std::string& what);

}  // namespace hv::cli
