// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "peoplepicker/PeoplePickerDelegate.h"
#include "ui/NavigationController.h"

namespace hv {

class AddressBook;
class PeoplePickerViewController;

// The person picker, presented modally: every person of the address book in sections
// with the section index; a chosen person's numbers when the delegate lets it go on.
// Only phone numbers are offered. The address book is read when the picker first shows.
class PeoplePickerNavigationController : public NavigationController {
    Q_OBJECT
public:
    // The book is not owned and must outlive the picker.
    explicit PeoplePickerNavigationController(const AddressBook& book, QWidget* parent = nullptr);

    void setPeoplePickerDelegate(PeoplePickerDelegate delegate);
    const PeoplePickerDelegate& peoplePickerDelegate() const { return delegate_; }

    // Called by the picker's screens.
    void personChosen(const ABContact& person);
    void cancel();

private:
    PeoplePickerDelegate delegate_;
};

}  // namespace hv
