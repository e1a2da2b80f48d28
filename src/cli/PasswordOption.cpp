// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/PasswordOption.h"

#include <fstream>

#include "cli/CommandLine.h"
#include "crypto/Utf8.h"

namespace hv::cli {

std::optional<std::string> PasswordOption::firstLine(std::istream& in) {
    std::string line;
    if (!std::getline(in, line) && line.empty()) return std::nullopt;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

std::optional<std::string> PasswordOption::read(const CommandLine& line, std::istream& in) {
    const auto given = line.value(kName);
    const auto file = line.value(kFileName);
    if (given && file)
        throw UsageError(std::string(kName) + " and " + kFileName + " cannot go together");
    std::optional<std::string> password = given;
    if (file) {
        std::ifstream stream(*file, std::ios::binary);
        password = stream ? firstLine(stream) : std::nullopt;
        if (!password) throw UsageError("cannot read a password from " + *file);
    } else if (given == "-") {
        password = firstLine(in);
        if (!password) throw UsageError("no password on standard input");
    } else {
        return password;  // already checked with the other arguments
    }
    if (!isValidUtf8(*password)) throw UsageError("the password read is not valid UTF-8");
    return password;
}

std::string PasswordOption::required(const CommandLine& line, std::istream& in) {
    if (auto password = read(line, in)) return *password;
    throw UsageError(std::string("missing ") + kName + " (or " + kFileName + ")");
}

}  // namespace hv::cli
