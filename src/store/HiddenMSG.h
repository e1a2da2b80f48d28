// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>

namespace hv {

// A message record. statue: "2" handed to the SMS service, "4" refused by it,
// "3" received and decrypted. A lookup that finds nothing gives these defaults.
struct HiddenMSG {
    std::int32_t SMS_id = 0;
    std::string telePhoneNumber;
    std::string contents;
    std::string time;
    std::string statue;
};

inline constexpr const char* kStatueSent = "2";
inline constexpr const char* kStatueDecrypted = "3";
inline constexpr const char* kStatueRefused = "4";

}  // namespace hv
