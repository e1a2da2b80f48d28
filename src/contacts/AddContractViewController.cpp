// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "contacts/AddContractViewController.h"

#include <QLineEdit>

#include "addressbook/ABContact.h"
#include "contacts/DeleteContactQuestion.h"
#include "contacts/PickedContact.h"
#include "info/PresetPassWordViewController.h"
#include "peoplepicker/PeoplePickerNavigationController.h"
#include "peoplepicker/PhoneNumberPick.h"
#include "platform/ContactsMetaType.h"
#include "platform/Localization.h"
#include "platform/LocalizationKeys.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "store/HushvaultSqlite.h"
#include "store/NumberText.h"
#include "ui/AlertView.h"
#include "ui/GroupedTableView.h"
#include "ui/NavigationController.h"
#include "ui/Style.h"
#include "ui/SwitchControl.h"
#include "ui/TableRow.h"
#include "ui/Window.h"

namespace hv {

namespace {

std::string textOf(const QLineEdit* field) {
    return field->text().toStdString();
}

bool isOn(const std::optional<std::string>& flag) {
    return leadingInt32(flag.value_or("")) != 0;
}

}  // namespace

AddContractViewController::AddContractViewController(StorePaths paths,
                                                     const AddressBook& addressBook,
                                                     QWidget* parent)
    : ViewController(parent), paths_(std::move(paths)), addressBook_(addressBook) {
    setObjectName("AddContractViewController");
}

AddContractViewController::~AddContractViewController() {
    NotificationCenter::defaultCenter().removeObserver(this);
    // Closing the window leaves no screen: what the editor shows is saved all the same.
    if (isVisibleScreen()) writeBack();
}

void AddContractViewController::setContracts(const Contacts& contact) {
    contracts_ = contact;
    stored_ = contact;
    hasContracts_ = true;
}

void AddContractViewController::viewDidLoad() {
    addMode_ = title() == localized(kKeyAddContactTitle);
    if (addMode_) {
        // A contact pre-filled from the address book keeps its name and number.
        if (!hasContracts_ || contracts_.telePhoneNumber.empty()) contracts_ = Contacts{};
        navigationItem()->setRightBarButtonItem(
            BarButtonItem{localized(kKeySave), {}, [this] { Save(); }, "saveButton"});
    }
    Style::useGroupedBackground(this);
    buildTable();
    fillFields();
    NotificationCenter::defaultCenter().addObserver(
        this, kNotificationGetContractInfo, [this](const Notification& notification) {
            if (notification.object.canConvert<Contacts>())
                getContractInfo(notification.object.value<Contacts>());
        });
}

void AddContractViewController::buildTable() {
    table_ = new GroupedTableView;
    table_->setObjectName("tableView");
    setContentView(table_, ContentWidth::Full);  // the table keeps its rows readable

    nameTextField = new QLineEdit;
    nameTextField->setObjectName("nameTextField");
    nameTextField->setPlaceholderText(localized(kKeyNamePlaceholder));
    telephoneNumberTextField = new QLineEdit;
    telephoneNumberTextField->setObjectName("telephoneNumberTextField");
    telephoneNumberTextField->setPlaceholderText(localized(kKeyTelephonePlaceholder));
    telephoneNumberTextField->setInputMethodHints(Qt::ImhDialableCharactersOnly);
    passWordTextField = new QLineEdit;
    passWordTextField->setObjectName("passWordTextField");
    passWordTextField->setPlaceholderText(localized(kKeyPresetPassword));
    passWordTextField->setEchoMode(QLineEdit::Password);
    passWordTextField->setInputMethodHints(Qt::ImhLatinOnly | Qt::ImhNoPredictiveText);
    if (addMode_)
        for (QLineEdit* field : {nameTextField, telephoneNumberTextField, passWordTextField})
            connect(field, &QLineEdit::returnPressed, this, &AddContractViewController::Save);
    typeSwitch = new SwitchControl;
    typeSwitch->setObjectName("typeSwitch");
    connect(typeSwitch, &SwitchControl::toggled, this, &AddContractViewController::iphoneFriend);
    passSwitch = new SwitchControl;
    passSwitch->setObjectName("passSwitch");
    connect(passSwitch, &SwitchControl::toggled, this, &AddContractViewController::switchChange);

    struct FormRow {
        const char* label;
        QWidget* field;
        QWidget* accessory;
    };
    const FormRow formRows[] = {
        {kKeyNameLabel, nameTextField, nullptr},
        {kKeyPhoneNumber, telephoneNumberTextField, nullptr},
        {kKeyPasswordLabel, passWordTextField, nullptr},
        {kKeyIphoneFriends, nullptr, typeSwitch},
        {kKeyPasswordInPlaintext, nullptr, passSwitch},
    };
    int index = 0;
    for (const FormRow& form : formRows) {
        TableRow* row = table_->addRow();
        row->setObjectName(QString("row%1").arg(index++));
        row->setRowHeight(kRowHeight);
        row->setTitle(localized(form.label));
        row->setTitleStyle(TableRow::TitleStyle::Label);
        if (form.field) {
            row->setTitleWidth(96);
            row->setContentWidget(form.field);
            Style::apply(form.field, Style::Role::FormField);
        }
        if (form.accessory) row->setAccessoryWidget(form.accessory);
        if (form.field == passWordTextField) {
            row->setAccessory(TableRow::Accessory::DetailButton);
            connect(row, &TableRow::accessoryTapped, this, [this] {
                if (NavigationController* nav = navigationController())
                    nav->pushViewController(new PresetPassWordViewController, true);
            });
        }
    }

    // The editor's own controls: the pick for a new contact, delete for a stored one.
    if (addMode_) {
        table_->addSection(QStringLiteral(" "));
        TableRow* choose = table_->addRow();
        choose->setObjectName("chooseRow");
        choose->setTitle(localized(kKeyChoose));
        choose->setTitleStyle(TableRow::TitleStyle::Action);
        choose->setAccessory(TableRow::Accessory::Disclosure);
        connect(choose, &TableRow::tapped, this,
                &AddContractViewController::chooseFromSystemContract);
    } else if (contracts_.contract_id != 0) {
        table_->addSection(QStringLiteral(" "));
        TableRow* remove = table_->addRow();
        remove->setObjectName("deleteRow");
        remove->setTitle(localized(kKeyDeleteContact));
        remove->setTitleStyle(TableRow::TitleStyle::Destructive);
        connect(remove, &TableRow::tapped, this, &AddContractViewController::deleteContract);
    }
}

void AddContractViewController::fillFields() {
    telephoneNumberTextField->setText(QString::fromStdString(contracts_.telePhoneNumber));
    nameTextField->setText(QString::fromStdString(contracts_.name));
    passWordTextField->setText(QString::fromStdString(contracts_.passWord));
    typeSwitch->blockSignals(true);
    typeSwitch->setOn(isOn(contracts_.iphoneFriend));
    typeSwitch->blockSignals(false);
}

void AddContractViewController::viewWillAppear(bool) {
    fillFields();
}

void AddContractViewController::viewWillDisappear(bool) {
    if (!writeBack()) (new AlertView(kKeyWarning, kKeySaveFailed, nullptr, {kKeyDone}))->show();
}

bool AddContractViewController::emptiesStoredValues() const {
    const auto emptied = [](const std::string& stored, const QLineEdit* field) {
        return !stored.empty() && field->text().isEmpty();
    };
    return contracts_.contract_id != 0 &&
           (emptied(stored_.passWord, passWordTextField) ||
            emptied(stored_.telePhoneNumber, telephoneNumberTextField));
}

bool AddContractViewController::shouldGoBack() {
    if (!emptiesStoredValues() || leaving_ != Leaving::Asking) return true;
    // An emptied preset password or number would be gone for good: ask, as adding does.
    QPointer<AddContractViewController> editor(this);
    auto* question =
        new AlertView(kKeyWarning, kKeyInformationUncomplete, kKeyCancel, {kKeySure},
                      [editor](AlertView*, int index) {
                          if (!editor) return;
                          editor->leaving_ = index == 1 ? Leaving::SaveAll : Leaving::KeepStored;
                          if (NavigationController* nav = editor->navigationController())
                              nav->popViewControllerAnimated(true);
                      });
    question->show(Window::of(this));
    return false;
}

bool AddContractViewController::writeBack() {
    // Edit mode saves this way; a contact not stored yet (id 0) matches nothing. Emptied
    // stored values are written only when the user said so; otherwise (Cancel, or the
    // application ending without a question) the stored contact stays as it was.
    const bool keepStored =
        leaving_ == Leaving::KeepStored || (emptiesStoredValues() && leaving_ != Leaving::SaveAll);
    contracts_.name = textOf(nameTextField);
    contracts_.telePhoneNumber = textOf(telephoneNumberTextField);
    contracts_.passWord = textOf(passWordTextField);
    if (contracts_.contract_id == 0 || closing_ || keepStored) return true;
    HushvaultSqlite sqlite(paths_.documentsDirectory());
    sqlite.update(contracts_.name, contracts_.telePhoneNumber, contracts_.passWord,
                  contracts_.iphoneFriend.value_or(""), contracts_.contract_id);
    return sqlite.lastError().empty();
}

void AddContractViewController::iphoneFriend(bool on) {
    for (QLineEdit* field : {nameTextField, telephoneNumberTextField, passWordTextField})
        field->clearFocus();
    contracts_.iphoneFriend = on ? "1" : "0";
}

void AddContractViewController::switchChange(bool on) {
    passWordTextField->clearFocus();
    passWordTextField->setEchoMode(on ? QLineEdit::Normal : QLineEdit::Password);
}

void AddContractViewController::getContractInfo(const Contacts& contact) {
    telephoneNumberTextField->setText(QString::fromStdString(contact.telePhoneNumber));
    nameTextField->setText(QString::fromStdString(contact.name));
}

void AddContractViewController::Save() {
    const QString password = passWordTextField->text();
    if (password.size() < 3) {
        (new AlertView(kKeyCancel, kKeyInputPassword, nullptr, {kKeySure}))->show();
        return;
    }
    if (nameTextField->text().isEmpty() || telephoneNumberTextField->text().isEmpty() ||
        password.isEmpty()) {
        auto* alert = new AlertView(kKeyWarning, kKeyInformationUncomplete, kKeyCancel, {kKeySure},
                                    [this](AlertView*, int index) {
                                        if (index == 1) insertAndClose("1");
                                    });
        alert->show();
        return;
    }
    insertAndClose(typeSwitch->isOn() ? "1" : "0");
}

void AddContractViewController::insertAndClose(const std::string& iphoneFriend) {
    contracts_.iphoneFriend = iphoneFriend;
    contracts_.name = textOf(nameTextField);
    contracts_.telePhoneNumber = textOf(telephoneNumberTextField);
    contracts_.passWord = textOf(passWordTextField);
    HushvaultSqlite sqlite(paths_.documentsDirectory());
    sqlite.addContracts(contracts_.name, contracts_.telePhoneNumber, contracts_.passWord,
                        iphoneFriend);
    if (!sqlite.lastError().empty()) {
        // Nothing was stored: the user stays with what they typed.
        (new AlertView(kKeyWarning, kKeySaveFailed, nullptr, {kKeyDone}))->show();
        return;
    }
    if (NavigationController* nav = navigationController()) nav->popViewControllerAnimated(true);
}

void AddContractViewController::deleteContract() {
    DeleteContactQuestion::ask([this] {
        HushvaultSqlite sqlite(paths_.documentsDirectory());
        sqlite.deleteContractByid(contracts_.contract_id);
        if (!sqlite.lastError().empty()) {
            (new AlertView(kKeyWarning, kKeyDeleteFailed, nullptr, {kKeyDone}))->show();
            return;
        }
        closing_ = true;
        if (NavigationController* nav = navigationController())
            nav->popViewControllerAnimated(false);
    });
}

void AddContractViewController::chooseFromSystemContract() {
    auto* picker = PhoneNumberPick::makePicker(
        addressBook_, [this](PeoplePickerNavigationController* p, const ABContact& person,
                             const std::string& number) {
            takePicked(PickedContact::byCompositeName(person, number));
            p->dismissModalViewController(true);
        });
    presentModalViewController(picker, true);
}

void AddContractViewController::takePicked(const Contacts& picked) {
    NotificationCenter::defaultCenter().postNotification(kNotificationGetContractInfo,
                                                         QVariant::fromValue(picked));
    // Carried into the contact too, so that the fields keep them when the screen shows
    // again and refills them.
    contracts_.name = picked.name;
    contracts_.telePhoneNumber = picked.telePhoneNumber;
}

}  // namespace hv
