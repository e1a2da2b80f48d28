// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

namespace hv {

// Which folder of vCards is the user's address book: the one given on the command line
// (--contacts-dir), else the one Conf.ini names under "ContactsDirectory" (a relative path
// there is taken from the documents directory), else the phone book's own,
// $XDG_DATA_HOME/kpeoplevcard, where phone-syncing tools also put the contacts of a paired
// phone.
namespace AddressBookLocation {

inline constexpr const char* kOptionName = "contacts-dir";
inline constexpr const char* kOptionValueName = "DIR";
inline constexpr const char* kOptionDescription =
    "Reads the address book from the vCard files under DIR instead of "
    "$XDG_DATA_HOME/kpeoplevcard.";
inline constexpr const char* kConfigKey = "ContactsDirectory";

std::string folder(const std::optional<std::string>& option, const std::string& documentsDirectory);

}  // namespace AddressBookLocation

}  // namespace hv
