// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace hv {

// The notifications screens exchange, spelled as every screen knows them.
inline constexpr const char* kNotificationGetContractInfo = "getContractInfo";  // Contacts
inline constexpr const char* kNotificationLogin = "login";                      // none
inline constexpr const char* kNotificationLockTime = "lockTime";  // none, or "passWord"
inline constexpr const char* kNotificationHidden = "hidden";      // "YES" or "NO"
// The application is about to end (its window closed, the session or the phone's shell
// ended it): the screens keep what the user typed as they would on leaving.
inline constexpr const char* kNotificationWillTerminate = "UIApplicationWillTerminate";  // none

}  // namespace hv
