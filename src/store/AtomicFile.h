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

}  // namespace AtomicFile

}  // namespace hv
