// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace hv {

// What a passcode pad's owner answers to a submitted passcode; the pad shows the message
// of the code (and, for some, empties its input half a second later).
inline constexpr int kPassCodeMismatch = 0;      // "twice input are different", red
inline constexpr int kPassCodeConfirmAdmin = 1;  // "input admin password again", black
inline constexpr int kPassCodeConfirmNew = 2;    // "input the new password again"
inline constexpr int kPassCodeWrongOld = 3;      // "incorrect old password", red
inline constexpr int kPassCodeEnterNew = 4;      // "new pass word"
inline constexpr int kPassCodeSaved = 5;         // success: the owner has left the screen
inline constexpr int kPassCodeWrongAdmin = 6;    // "incorrect admin password", red
inline constexpr int kPassCodeLoggedIn = 7;      // success: the owner has left the screen
inline constexpr int kPassCodeNoPassword = 9;    // "no pass word", input kept

}  // namespace hv
