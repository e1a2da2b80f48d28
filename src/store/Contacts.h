// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace hv {

// A secret contact: name, number, the preset password agreed with the friend, and whether
// the friend's phone runs Hushvault ("1") or not ("0"). A lookup that finds nothing gives
// a record with these defaults.
struct Contacts {
    std::int32_t contract_id = 0;
    std::string name;
    std::string telePhoneNumber;
    std::string passWord;
    std::optional<std::string> iphoneFriend;
};

}  // namespace hv
