// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace hv::cli {

class CommandLine;
struct CommandContext;

// A backup's passphrase, never from the command line (the list of processes and the
// shell's history would keep it): "--passphrase-file FILE" (its first line), else standard
// input: asked without echo on a terminal (twice when `confirm`, and the two must match),
// otherwise its first line. A line's end (LF or CR LF) is not part of it.
namespace PassphraseOption {

inline constexpr const char* kFileName = "--passphrase-file";

// A usage error when the file cannot be read, input ends before a line, the two answers
// differ or the passphrase is not UTF-8.
std::string read(const CommandLine& line, CommandContext& context, bool confirm);

}  // namespace PassphraseOption

}  // namespace hv::cli
