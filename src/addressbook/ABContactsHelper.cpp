// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "addressbook/ABContactsHelper.h"

namespace hv {

std::vector<NameSection<ABContact>> ABContactsHelper::contactsDict(const AddressBook& book,
                                                                   const LocalizedCompare& compare,
                                                                   int* skipped) {
    AddressBookRead read = book.copyArrayOfAllPeople();
    if (skipped) *skipped = read.skipped;
    std::vector<ABContact> contacts;
    contacts.reserve(read.people.size());
    for (ABPerson& person : read.people) contacts.emplace_back(std::move(person));
    return NameSections::make(
        std::move(contacts),
        [](const ABContact& contact) -> const std::string& { return contact.compositeName(); },
        compare);
}

}  // namespace hv
