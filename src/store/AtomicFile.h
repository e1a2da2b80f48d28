// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace hv {

// Whole-file reads and writes. A write goes to a temporary file (mode 0600) in the same
// directory, is flushed to disk and then replaces the old file by rename, so a reader
// sees either the old or the new contents, never a mix.
namespace AtomicFile {

bool write(const std::string& path, std::string_view contents);

// The whole file, or nothing when it cannot be read.
std::optional<std::string> read(const std::string& path);

// Removes the temporary files that writes of this file left when their process was killed
// before the rename. Only for files one process writes at a time (it would take another
// writer's file away from under it).
void removeLeftovers(const std::string& path);

}  // namespace AtomicFile

}  // namespace hv
