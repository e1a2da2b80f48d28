// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "contacts/SMSContractsListViewController.h"
#include "platform/ContactsMetaType.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "support/FakeAddressBook.h"
#include "support/ui/ListRows.h"
#include "support/ui/ScreenTest.h"

using namespace hv;

namespace {

class ContactsListTest : public test::ScreenTest {
protected:
    // Every contact the list hands on ("getContractInfo").
    ContactsListTest() {
        NotificationCenter::defaultCenter().addObserver(
            &observer, kNotificationGetContractInfo,
            [this](const Notification& n) { handed.push_back(n.object.value<Contacts>()); });
    }
    ~ContactsListTest() override { NotificationCenter::defaultCenter().removeObserver(&observer); }

    // The list as the main menu ("Management") or the composer ("Contracts") opens it.
    SMSContractsListViewController* open(const char* title) {
        auto* list = new SMSContractsListViewController(dir.paths(), addressBook);
        list->setTitle(localized(title));
        nav->pushViewController(list, false);
        return list;
    }
    void search(QWidget* list, const QString& text) {
        list->findChild<QLineEdit*>("searchBar")->clear();
        QTest::keyClicks(list->findChild<QLineEdit*>("searchBar"), text);
    }

    test::FakeAddressBook addressBook;
    std::vector<Contacts> handed;
    QObject observer;
};

}  // namespace

TEST_F(ContactsListTest, SearchMatchesNamesOnlyAndClearingBringsTheSectionsBack) {
    for (const char* name : {"Alice", "Oliver", "Bob", "Linus"})
        store.addContracts(name, "555 0100", "pw", "0");
    store.addContracts("", "555 0199", "pw", "0");
    auto* list = open("Management");
    search(list, "LI");
    EXPECT_EQ(test::shownRows(list), QStringList({"Alice", "Linus", "Oliver"}));
    search(list, "LIN");
    EXPECT_EQ(test::shownRows(list), QStringList({"Linus"}));
    QTest::keyClick(list->findChild<QLineEdit*>("searchBar"), Qt::Key_Backspace);
    EXPECT_EQ(test::shownRows(list).size(), 3) << "deleting a character widens the results";
    search(list, "555");
    EXPECT_TRUE(test::shownRows(list).isEmpty()) << "numbers are not searched";
    search(list, "");
    EXPECT_EQ(test::shownRows(list).first(), "[#]");
}

TEST_F(ContactsListTest, APersonFromTheAddressBookIsHandedOnWithTheirWholeName) {
    addressBook.book.people = {{"Ann Lee", "Ann", "M", "Lee", {"+1 555 0100"}},
                               {"", "", "", "", {}}};
    auto* composer = new ViewController;  // a stand-in
    nav->pushViewController(composer, false);
    auto* list = open("Contracts");  // no secret contacts: the address book shows
    EXPECT_EQ(test::shownRows(list), QStringList({"[#]", "No Name", "[A]", "Ann Lee"}));

    test::tapRow(list, "No Name");
    ASSERT_EQ(alertMessage(), localized("No Contracts"));
    test::tapAlertButton(test::visibleAlert(), 0);
    EXPECT_TRUE(handed.empty());

    test::tapRow(list, "Ann Lee");  // one number: no choice to make
    ASSERT_EQ(handed.size(), 1u);
    EXPECT_EQ(handed[0].name, "Ann Lee");  // the display name, not the parts run together
    EXPECT_EQ(handed[0].telePhoneNumber, "+1 555 0100");
    EXPECT_EQ(handed[0].iphoneFriend, "0");
    EXPECT_EQ(nav->topViewController(), composer);
}
