// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "peoplepicker/PeoplePickerNavigationController.h"

#include "peoplepicker/PeoplePickerViewController.h"
#include "peoplepicker/PersonViewController.h"
#include "platform/Localization.h"
#include "platform/LocalizationKeys.h"

namespace hv {

PeoplePickerNavigationController::PeoplePickerNavigationController(const AddressBook& book,
                                                                   QWidget* parent)
    : NavigationController(new PeoplePickerViewController(book, this), parent) {
    setObjectName("PeoplePickerNavigationController");
}

void PeoplePickerNavigationController::setPeoplePickerDelegate(PeoplePickerDelegate delegate) {
    delegate_ = std::move(delegate);
}

void PeoplePickerNavigationController::cancel() {
    if (delegate_.didCancel) delegate_.didCancel(this);
}

void PeoplePickerNavigationController::personChosen(const ABContact& person) {
    if (!delegate_.shouldContinueAfterSelectingPerson ||
        !delegate_.shouldContinueAfterSelectingPerson(this, person))
        return;
    auto* details = new PersonViewController;
    details->setTitle(localized(kKeyChooseNumber));
    details->setDisplayedPerson(person);
    details->setNumberTapped([this](const ABContact& chosen, const std::string& number) {
        if (delegate_.didSelectNumber) delegate_.didSelectNumber(this, chosen, number);
    });
    pushViewController(details, true);
}

}  // namespace hv
