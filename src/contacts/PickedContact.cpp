// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "contacts/PickedContact.h"

#include "addressbook/ABContact.h"

namespace hv {

namespace {

Contacts contact(std::string name, const std::string& number) {
    Contacts made;
    made.name = std::move(name);
    made.telePhoneNumber = number;
    made.iphoneFriend = "0";
    return made;
}

}  // namespace

Contacts PickedContact::byCompositeName(const ABContact& person, const std::string& number) {
    return contact(person.compositeName(), number);
}

}  // namespace hv
