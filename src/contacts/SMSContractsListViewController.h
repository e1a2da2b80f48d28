// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>

#include "store/Contacts.h"
#include "store/StorePaths.h"
#include "ui/ViewController.h"

class QLabel;
class QLineEdit;

namespace hv {

class ABContact;
class AddressBook;
class ContractsListData;
class HushvaultSqlite;
class PeoplePickerNavigationController;
class SectionedListModel;
class SectionedTableView;
class SegmentedControl;

// The secret contacts in sections by name, with the section index and a search bar. Its
// title when it loads decides its role:
// - "Management" (from the main menu): a tap opens a contact in the editor; Edit/Done
//   switches editing mode, in which rows can be deleted and "+" adds a contact, typed in
//   ("write") or taken from the address book ("choose");
// - anything else (from the composer): "Friends"/"All" in the bar choose between the
//   secret contacts and the address book, and a tap hands a contact to the composer with
//   "getContractInfo" and goes back to it.
class SMSContractsListViewController : public ViewController {
    Q_OBJECT
public:
    // The address book is not owned and must outlive the screen.
    SMSContractsListViewController(StorePaths paths, const AddressBook& addressBook,
                                   QWidget* parent = nullptr);
    ~SMSContractsListViewController() override;

    bool isManagement() const { return management_; }
    void setEditing(bool editing, bool animated);
    bool isEditing() const;
    // "+": offers "write" and "choose".
    void add();
    // "write": the editor for a new contact.
    void addSecretContract();

protected:
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void contactsDictFlip();
    // The secret contacts, or the tip with that text when there are none.
    void showFriends(const char* tipKey);
    void loadAddressBook();
    void clearSearchBar();
    void resetSearch();
    void segmenteControlMethod(int index);
    void shouldReloadTableForSearchString(const QString& text);
    void reloadTable();
    void showTip(const char* key);
    void showTable();
    void placeTip();
    void updateEditButton();

    void didSelectRow(int section, int entry);
    void commitDelete(int section, int entry);
    // The Delete key: the editor's question first.
    void askBeforeDelete(int section, int entry);
    void choosePerson(const ABContact& person);
    void handToComposer(const Contacts& contact);
    void chooseFromAddressBook();
    void openEditor(const Contacts& contact, const QString& title);

    StorePaths paths_;
    const AddressBook& addressBook_;
    std::unique_ptr<HushvaultSqlite> sqlite;
    std::unique_ptr<ContractsListData> contactsFilterDict;
    SegmentedControl* chooseSegmentController = nullptr;
    QLineEdit* searchBar_ = nullptr;
    SectionedListModel* model_ = nullptr;
    SectionedTableView* tableView = nullptr;
    QLabel* tipView = nullptr;
    bool management_ = false;
    bool editing_ = false;
    bool storeErrorShown_ = false;
    bool clearingSearchBar_ = false;
};

}  // namespace hv
