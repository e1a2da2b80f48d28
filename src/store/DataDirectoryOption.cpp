// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/DataDirectoryOption.h"

namespace hv {

std::optional<StorePaths> DataDirectoryOption::paths(const std::optional<std::string>& value) {
    if (value && value->empty()) return std::nullopt;
    return StorePaths::forUser(value.value_or(std::string()));
}

}  // namespace hv
