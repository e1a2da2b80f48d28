// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

#include "store/StorePaths.h"

namespace hv {

// --data-dir=DIR: the one option by which the application and hushvault-cli are told which
// profile (documents directory and its private temporary directory) to work on.
namespace DataDirectoryOption {

inline constexpr const char* kName = "data-dir";
inline constexpr const char* kValueName = "DIR";
inline constexpr const char* kDescription =
    "Keeps the database and the other files in DIR instead of $XDG_DATA_HOME/hushvault.";
inline constexpr const char* kMissingDirectory = "--data-dir needs a directory";

// The profile of the option's value, or the user's default one when the option was not
// given; nothing when it was given without a directory (say kMissingDirectory).
std::optional<StorePaths> paths(const std::optional<std::string>& value);

}  // namespace DataDirectoryOption

}  // namespace hv
