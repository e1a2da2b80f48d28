// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

namespace hv {

// One person of an address book as the book keeps it: the display name (empty when the
// person has none), the name parts (each empty when missing), and the phone numbers in
// the book's order. Texts are UTF-8.
struct ABPerson {
    std::string compositeName;
    std::string firstName;
    std::string middleName;
    std::string lastName;
    std::vector<std::string> phones;
};

}  // namespace hv
