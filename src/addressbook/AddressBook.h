// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

#include "addressbook/ABPerson.h"

namespace hv {

// What reading an address book gave: its persons, and how many folders, files or cards in
// it could not be read and were left out.
struct AddressBookRead {
    std::vector<ABPerson> people;
    int skipped = 0;
};

// The phone's address book, read only. Each call reads the book anew, so changes made
// by other programs show; a book that does not exist reads as empty.
class AddressBook {
public:
    virtual ~AddressBook() = default;
    virtual AddressBookRead copyArrayOfAllPeople() const = 0;
};

}  // namespace hv
