// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAbstractItemModelTester>

#include "ContactsTestBase.h"
#include "contacts/SMSContractsListViewController.h"
#include "peoplepicker/PersonViewController.h"
#include "ui/SectionIndex.h"

using namespace hv;

namespace {

class ContactsListTest : public test::ContactsTestBase {
protected:
    // The list as the main menu opens it.
    SMSContractsListViewController* openManagement() {
        auto* list = new SMSContractsListViewController(dir.paths(), addressBook);
        list->setTitle(localized("Management"));
        host.nav->pushViewController(list, false);
        return list;
    }
    // The list as the composer opens it, over a stand-in for the composer.
    SMSContractsListViewController* openChoosing() {
        composer = new ViewController;
        composer->setTitle("composer");
        host.nav->pushViewController(composer, false);
        auto* list = new SMSContractsListViewController(dir.paths(), addressBook);
        list->setTitle(localized("Contracts"));
        host.nav->pushViewController(list, false);
        return list;
    }
    void search(QWidget* list, const QString& text) {
        auto* field = list->findChild<QLineEdit*>("searchBar");
        field->selectAll();
        if (text.isEmpty())
            field->clear();
        else
            QTest::keyClicks(field, text);
    }

    ViewController* composer = nullptr;
};

}  // namespace

TEST_F(ContactsListTest, SectionsFollowTheInitialNamelessAndDigitsFirst) {
    store.addContracts("bob", "1", "pw1", "0");
    store.addContracts("Alice", "2", "", "1");
    store.addContracts("9lives", "3", "pw3", "0");
    store.addContracts("", "4", "", "0");
    store.addContracts("Émile", "5", "", "0");
    store.addContracts("王芳", "6", "", "0");
    auto* list = openManagement();
    QAbstractItemModelTester tester(test::shownList(list)->model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(test::shownRows(list), QStringList({"[#]", "", "9lives", "[A]", "Alice", "[B]", "bob",
                                                  "[É]", "Émile", "[王]", "王芳"}));
    EXPECT_EQ(list->findChild<SectionIndex*>()->titles(), QStringList({"#", "A", "B", "É", "王"}));
}

TEST_F(ContactsListTest, SearchMatchesNamesOnlyAndClearingBringsTheSectionsBack) {
    for (const char* name : {"Alice", "Oliver", "Bob", "Linus"})
        store.addContracts(name, "555 0100", "pw", "0");
    store.addContracts("", "555 0199", "pw", "0");
    auto* list = openManagement();
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

TEST_F(ContactsListTest, ChoosingFromTheAddressBookByOneNumberOrAmongSeveral) {
    addressBook.book.people = {person("Ann Lee", {"+1 555 0100"}, "Ann", "", "Lee"),
                               person("Bo Chen", {"111", "222"}, "Bo", "X", "Chen"),
                               person("", {}, "", "", "")};
    auto* list = openChoosing();  // no secret contacts: the address book shows
    EXPECT_EQ(test::shownRows(list),
              QStringList({"[#]", "No Name", "[A]", "Ann Lee", "[B]", "Bo Chen"}));

    test::tapRow(list, "No Name");
    ASSERT_EQ(alertMessage(), localized("No Contracts"));
    test::tapAlertButton(test::visibleAlert(), 0);
    EXPECT_TRUE(handed.empty());

    test::tapRow(list, "Bo Chen");
    auto* details = qobject_cast<PersonViewController*>(host.nav->topViewController());
    ASSERT_NE(details, nullptr);
    ASSERT_EQ(details->findChildren<TableRow*>().size(), 2);
    QTest::mouseClick(details->findChild<TableRow*>("numberRow1"), Qt::LeftButton);
    ASSERT_EQ(handed.size(), 1u);
    EXPECT_EQ(handed[0].name, "Bo Chen");  // the display name, not the parts run together
    EXPECT_EQ(handed[0].telePhoneNumber, "222");
    EXPECT_EQ(handed[0].iphoneFriend, "0");
    EXPECT_EQ(handed[0].passWord, "");
    EXPECT_EQ(host.nav->topViewController(), composer);

    host.nav->popToRootViewControllerAnimated(false);
    list = openChoosing();
    test::tapRow(list, "Ann Lee");
    ASSERT_EQ(handed.size(), 2u);
    EXPECT_EQ(handed[1].name, "Ann Lee");  // the display name
    EXPECT_EQ(host.nav->topViewController(), composer);
}
