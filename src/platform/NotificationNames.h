#pragma once

namespace hv {

// The notifications screens exchange, spelled as every screen knows them.
inline constexpr const char* kNotificationGetContractInfo = "getContractInfo";  // Contacts
inline constexpr const char* kNotificationLogin = "login";                      // none
inline constexpr const char* kNotificationLockTime = "lockTime";  // none, or "passWord"
inline constexpr const char* kNotificationHidden = "hidden";      // "YES" or "NO"

}  // namespace hv
