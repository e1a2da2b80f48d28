// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ContactTour.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLineEdit>

#include "addressbook/ABContactsHelper.h"
#include "addressbook/AddressBook.h"
#include "addressbook/LocalizedCompare.h"
#include "app/HushvaultAppDelegate.h"
#include "app/HushvaultViewController.h"
#include "contacts/AddContractViewController.h"
#include "contacts/SMSContractsListViewController.h"
#include "peoplepicker/PeoplePickerNavigationController.h"
#include "peoplepicker/PersonViewController.h"
#include "platform/Localization.h"
#include "platform/LocalizationKeys.h"
#include "store/HushvaultSqlite.h"
#include "store/StorePaths.h"
#include "ui/AlertView.h"
#include "ui/NavigationController.h"
#include "ui/SegmentedControl.h"
#include "ui/Window.h"

namespace {

constexpr const char* kSampleCards =
    "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Alice Martin\r\nN:Martin;Alice;;;\r\n"
    "TEL;TYPE=CELL:+1 555 0100\r\nEND:VCARD\r\n"
    "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Bob Li\r\nN:Li;Bob;;;\r\nTEL;TYPE=CELL:+1 555 0101\r\n"
    "TEL;TYPE=WORK:+1 555 0199\r\nEND:VCARD\r\n"
    "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:王芳\r\nN:王;芳;;;\r\nTEL:+86 138 0013 8000\r\nEND:VCARD\r\n"
    "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Émile Roux\r\nN:Roux;Émile;;;\r\nTEL:+33 6 12 34 56 78\r\n"
    "END:VCARD\r\n"
    "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Oliver Stone\r\nN:Stone;Oliver;;;\r\nEND:VCARD\r\n"
    "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:9 Lives Café\r\nTEL:+1 555 0999\r\nEND:VCARD\r\n";

void addSecretContacts(hv::HushvaultSqlite& store) {
    store.addContracts("Alice Martin", "+1 555 0100", "tea", "1");
    store.addContracts("Bob Li", "+1 555 0101", "", "0");
    store.addContracts("王芳", "+86 138 0013 8000", "月亮", "1");
    store.addContracts("Émile Roux", "+33 6 12 34 56 78", "olive", "0");
}

hv::SMSContractsListViewController* topList(hv::HushvaultAppDelegate& delegate) {
    return qobject_cast<hv::SMSContractsListViewController*>(delegate.nav()->topViewController());
}

}  // namespace

void writeSampleAddressBook(const QString& folder) {
    QDir().mkpath(folder);
    QFile file(folder + "/contacts.vcf");
    if (file.open(QIODevice::WriteOnly)) file.write(kSampleCards);
}

bool visitContacts(hv::HushvaultAppDelegate& delegate, const hv::AddressBook& book,
                   const QString& language, const hv::StorePaths& paths,
                   const ScreenTour::Visit& visit) {
    hv::HushvaultSqlite store(paths.documentsDirectory());
    store.deletAllContracts();
    hv::Window* window = delegate.window();
    hv::NavigationController* nav = delegate.nav();
    delegate.viewController()->setIsLogin(true);

    // Management: empty, then with contacts, searching, editing and adding.
    delegate.viewController()->UIButtonClicked(102);
    bool ok = visit(window, "SMSContractsListViewController-empty");
    nav->popToRootViewControllerAnimated(false);
    addSecretContacts(store);
    delegate.viewController()->UIButtonClicked(102);
    ok &= visit(window, "SMSContractsListViewController");
    hv::SMSContractsListViewController* list = topList(delegate);
    if (auto* search = list->findChild<QLineEdit*>("searchBar")) {
        search->setText("li");
        ok &= visit(window, "SMSContractsListViewController-search");
        search->clear();
    }
    list->setEditing(true, false);
    ok &= visit(window, "SMSContractsListViewController-editing");
    list->add();
    ok &= visit(window, "ActionSheet");
    for (hv::AlertView* sheet : hv::AlertView::visibleAlerts()) sheet->dismiss();
    list->setEditing(false, false);

    // The editor, for a new contact and for a stored one.
    list->addSecretContract();
    ok &= visit(window, "AddContractViewController-add");
    nav->popViewControllerAnimated(false);
    auto* editor = new hv::AddContractViewController(paths, book);
    const hv::Contacts stored = store.findContractByTelephoneNumber("+1 555 0100");
    editor->setTitle(QString::fromStdString(stored.name));
    editor->setContracts(stored);
    nav->pushViewController(editor, false);
    ok &= visit(window, "AddContractViewController-edit");
    nav->popToRootViewControllerAnimated(false);

    // Choosing for the composer: the secret contacts, then the address book.
    auto* chooser = new hv::SMSContractsListViewController(paths, book);
    chooser->setTitle(hv::localized(hv::kKeyContracts));
    nav->pushViewController(chooser, false);
    ok &= visit(window, "SMSContractsListViewController-choosing");
    if (auto* segments = nav->findChild<hv::SegmentedControl*>("chooseSegmentController")) {
        const auto buttons = segments->findChildren<QAbstractButton*>();
        if (buttons.size() == 2) buttons[1]->click();
        ok &= visit(window, "SMSContractsListViewController-all");
    }
    nav->popToRootViewControllerAnimated(false);

    // The picker and a person with several numbers.
    auto* picker = new hv::PeoplePickerNavigationController(book);
    delegate.viewController()->presentModalViewController(picker, false);
    ok &= visit(window, "PeoplePickerNavigationController");
    const hv::LocalizedCompare compare(language.toStdString());
    for (const auto& section : hv::ABContactsHelper::contactsDict(book, compare))
        for (const hv::ABContact& person : section.entries)
            if (person.phoneArray().size() > 1) {
                auto* details = new hv::PersonViewController;
                details->setTitle(hv::localized(hv::kKeyChooseNumber));
                details->setDisplayedPerson(person);
                picker->pushViewController(details, false);
                ok &= visit(window, "PersonViewController");
            }
    delegate.viewController()->dismissModalViewController(false);
    store.deletAllContracts();
    return ok;
}
