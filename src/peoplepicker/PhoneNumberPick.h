// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <string>

namespace hv {

class ABContact;
class AddressBook;
class PeoplePickerNavigationController;

// A person picker that takes one phone number: a person with one number is taken at
// once, one with several goes on to the numbers, one with none gets the alert "Warning" /
// "No Contracts" / "Cancel" and the picker stays. Cancel dismisses it. `taken` is called
// with the picker still shown; it dismisses it.
namespace PhoneNumberPick {

using Taken = std::function<void(PeoplePickerNavigationController* picker, const ABContact& person,
                                 const std::string& number)>;

PeoplePickerNavigationController* makePicker(const AddressBook& book, Taken taken);

}  // namespace PhoneNumberPick

}  // namespace hv
