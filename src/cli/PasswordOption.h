// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <istream>
#include <optional>
#include <string>

namespace hv::cli {

class CommandLine;

// The preset password a command takes, three ways: "--password P" (which every local user
// sees in the process list, and the shell keeps in its history), "--password -" (one line
// read from standard input) or "--password-file FILE" (the file's first line). A line's
// end (LF or CR LF) is not part of the password.
namespace PasswordOption {

inline constexpr const char* kName = "--password";
inline constexpr const char* kFileName = "--password-file";

// The password given, or nothing when neither option is. A usage error when both are,
// when the file cannot be read, when standard input ends before a line, or when what was
// read is not UTF-8.
std::optional<std::string> read(const CommandLine& line, std::istream& in);
// The same, and a usage error when neither option is given.
std::string required(const CommandLine& line, std::istream& in);
// One line of a secret from standard input or a file, without its line end; nothing at the
// end of the input. (Passphrases are read the same way.)
std::optional<std::string> firstLine(std::istream& in);

}  // namespace PasswordOption

}  // namespace hv::cli
