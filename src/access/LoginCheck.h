// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

namespace hv {

// The login's verdict on a typed password against the stored "PassWord": no password
// stored (9), a different text (6, exact and case-sensitive), or a match (7).
int checkLogin(const std::optional<std::string>& stored, const std::string& typed);

}  // namespace hv
