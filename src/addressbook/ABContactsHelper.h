// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

#include "addressbook/ABContact.h"
#include "addressbook/AddressBook.h"
#include "addressbook/NameSections.h"

namespace hv {

// The whole address book for the contact screens.
namespace ABContactsHelper {

// Every person in sections by composite name, as the secret contacts are cut; a person
// without a name falls under "#". skipped: how many folders, files or cards were left out.
std::vector<NameSection<ABContact>> contactsDict(const AddressBook& book,
                                                 const LocalizedCompare& compare,
                                                 int* skipped = nullptr);

}  // namespace ABContactsHelper

}  // namespace hv
