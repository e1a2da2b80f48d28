// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "peoplepicker/PhoneNumberPick.h"

#include "addressbook/ABContact.h"
#include "peoplepicker/PeoplePickerNavigationController.h"
#include "platform/LocalizationKeys.h"
#include "ui/AlertView.h"

namespace hv {

PeoplePickerNavigationController* PhoneNumberPick::makePicker(const AddressBook& book,
                                                              Taken taken) {
    auto* picker = new PeoplePickerNavigationController(book);
    PeoplePickerDelegate delegate;
    delegate.didCancel = [](PeoplePickerNavigationController* p) {
        p->dismissModalViewController(true);
    };
    delegate.shouldContinueAfterSelectingPerson = [taken](PeoplePickerNavigationController* p,
                                                          const ABContact& person) {
        const auto& phones = person.phoneArray();
        if (phones.empty()) {
            (new AlertView(kKeyWarning, kKeyNoContracts, kKeyCancel, {}))->show();
            return false;
        }
        if (phones.size() == 1) {
            taken(p, person, phones.front());
            return false;
        }
        return true;
    };
    delegate.didSelectNumber = taken;
    picker->setPeoplePickerDelegate(std::move(delegate));
    return picker;
}

}  // namespace hv
