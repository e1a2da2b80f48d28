// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/CommandLine.h"

#include <charconv>
#include <cstdint>

namespace hv::cli {

CommandLine::CommandLine(const std::vector<std::string>& arguments,
                         const AcceptedOptions& accepted) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--") {
            positionals_.insert(positionals_.end(), arguments.begin() + i + 1, arguments.end());
            break;
        }
        if (argument.size() < 2 || argument.compare(0, 2, "--") != 0) {
            positionals_.push_back(argument);
            continue;
        }
        const std::size_t equals = argument.find('=');
        const std::string name = argument.substr(0, equals);
        if (accepted.flags.count(name)) {
            if (equals != std::string::npos) throw UsageError(name + " takes no value");
            flags_.insert(name);
        } else if (accepted.valued.count(name)) {
            if (equals != std::string::npos) {
                values_[name] = argument.substr(equals + 1);
            } else if (i + 1 < arguments.size()) {
                values_[name] = arguments[++i];
            } else {
                throw UsageError(name + " needs a value");
            }
        } else {
            throw UsageError("unknown option " + name);
        }
    }
}

std::optional<std::string> CommandLine::value(const std::string& name) const {
    const auto found = values_.find(name);
    if (found == values_.end()) return std::nullopt;
    return found->second;
}

std::string CommandLine::required(const std::string& name) const {
    if (auto found = value(name)) return *found;
    throw UsageError("missing " + name);
}

bool CommandLine::flag(const std::string& name) const {
    return flags_.count(name) != 0;
}

std::vector<std::string> CommandLine::positionals(std::size_t count,
                                                  const std::string& what) const {
    if (positionals_.size() < count) throw UsageError("missing " + what);
    if (positionals_.size() > count)
        throw UsageError("unexpected argument \"" + positionals_[count] + "\"");
    return positionals_;
}

int parseInt32(const std::string& text, const std::string& what) {
    std::int32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (!text.empty() && error == std::errc::result_out_of_range && stop == end)
        throw UsageError(what + " is out of range: \"" + text + "\"");
    if (text.empty() || error != std::errc() || stop != end)
        throw UsageError(what + " must be a whole number, not \"" + text + "\"");
    return value;
}

}  // namespace hv::cli
