// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "store/Contacts.h"
#include "store/StorePaths.h"
#include "ui/ViewController.h"

class QLineEdit;

namespace hv {

class AddressBook;
class GroupedTableView;
class SwitchControl;

// Adds a secret contact or changes a stored one. Its title when it loads decides:
// "AFManagement" (add mode) brings a "Save" button that checks the fields and stores a
// new contact, and a row that takes name and number from the address book; any other
// title (edit mode, the contact's name) writes the fields back to the stored contact
// whenever the screen goes out of sight, and offers to delete it. Five rows: name,
// number, preset password (whose detail button opens the guide on preset passwords), and
// two switches: the friend runs Hushvault, and the password shows in plain text.
class AddContractViewController : public ViewController {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 50;

    // The address book is not owned and must outlive the screen.
    AddContractViewController(StorePaths paths, const AddressBook& addressBook,
                              QWidget* parent = nullptr);
    ~AddContractViewController() override;

    void setContracts(const Contacts& contact);
    const Contacts& contracts() const { return contracts_; }
    bool isAddMode() const { return addMode_; }

    void Save();
    void deleteContract();
    void chooseFromSystemContract();

protected:
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;
    bool shouldGoBack() override;

private:
    void buildTable();
    void fillFields();
    void iphoneFriend(bool on);
    void switchChange(bool on);
    void getContractInfo(const Contacts& contact);
    void insertAndClose(const std::string& iphoneFriend);
    // The fields into the contact, and a stored contact rewritten with them; false when the
    // store refused.
    bool writeBack();
    // Whether the fields empty the stored contact's preset password or number.
    bool emptiesStoredValues() const;
    void takePicked(const Contacts& picked);

    StorePaths paths_;
    const AddressBook& addressBook_;
    Contacts contracts_;
    bool hasContracts_ = false;
    bool addMode_ = false;
    bool closing_ = false;
    // Leaving a stored contact whose password or number was emptied: asked first, then the
    // answer: save everything, or keep the stored contact as it was.
    enum class Leaving { Asking, SaveAll, KeepStored };
    Leaving leaving_ = Leaving::Asking;
    Contacts stored_;
    GroupedTableView* table_ = nullptr;
    QLineEdit* nameTextField = nullptr;
    QLineEdit* telephoneNumberTextField = nullptr;
    QLineEdit* passWordTextField = nullptr;
    SwitchControl* typeSwitch = nullptr;
    SwitchControl* passSwitch = nullptr;
};

}  // namespace hv
