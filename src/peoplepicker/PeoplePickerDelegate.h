// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <string>

namespace hv {

class ABContact;
class PeoplePickerNavigationController;

// What the person picker reports to whoever presented it; that caller dismisses it.
struct PeoplePickerDelegate {
    // The user tapped "Cancel".
    std::function<void(PeoplePickerNavigationController* picker)> didCancel;
    // The user chose a person. True lets the picker go on to the person's numbers.
    std::function<bool(PeoplePickerNavigationController* picker, const ABContact& person)>
        shouldContinueAfterSelectingPerson;
    // The user tapped one of the numbers of the person shown.
    std::function<void(PeoplePickerNavigationController* picker, const ABContact& person,
                       const std::string& number)>
        didSelectNumber;
};

}  // namespace hv
