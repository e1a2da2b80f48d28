// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

#include "addressbook/ABContact.h"
#include "addressbook/NameSections.h"
#include "ui/ViewController.h"

class QLabel;

namespace hv {

class AddressBook;
class PeoplePickerNavigationController;
class SectionedListModel;
class SectionedTableView;

// The first screen of the person picker: the address book in sections, "Cancel" at the
// left, and under it how many cards, files or folders could not be read, if any. A tap on
// a person hands it to the picker.
class PeoplePickerViewController : public ViewController {
    Q_OBJECT
public:
    PeoplePickerViewController(const AddressBook& book, PeoplePickerNavigationController* picker);

protected:
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void reload();
    void placeTip();

    const AddressBook& book_;
    PeoplePickerNavigationController* picker_;
    std::vector<NameSection<ABContact>> people_;
    SectionedListModel* model_ = nullptr;
    SectionedTableView* tableView_ = nullptr;
    QLabel* tipView_ = nullptr;
    QLabel* leftOutLabel_ = nullptr;
};

}  // namespace hv
