// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "addressbook/AddressBook.h"

namespace hv::test {

// An address book whose persons and skipped count the test sets in `book`. (Tests that
// include it link hv_addressbook.)
struct FakeAddressBook : AddressBook {
    AddressBookRead book;
    AddressBookRead copyArrayOfAllPeople() const override { return book; }
};

}  // namespace hv::test
