// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAbstractItemModelTester>

#include "ContactsTestBase.h"
#include "contacts/AddContractViewController.h"
#include "contacts/SMSContractsListViewController.h"
#include "peoplepicker/PersonViewController.h"
#include "ui/ActionSheet.h"
#include "ui/NavigationBar.h"
#include "ui/SectionIndex.h"
#include "ui/SectionedRowDelegate.h"

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
    QLabel* tip(QWidget* list) { return list->findChild<QLabel*>("tipView"); }
    void tapSegment(int index) { test::tap(&host.window, QString("segment%1").arg(index)); }

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
    const QAbstractItemModel* model = test::shownList(list)->model();
    EXPECT_EQ(model->index(2, 0).data(SectionedListModel::ImageRole), ":/images/key.png");
    EXPECT_EQ(model->index(4, 0).data(SectionedListModel::DetailRole), "2");
    EXPECT_FALSE(tip(list)->isVisible());
}

TEST_F(ContactsListTest, SearchMatchesNamesOnlyAndClearingBringsTheSectionsBack) {
    for (const char* name : {"Alice", "Oliver", "Bob", "Linus"})
        store.addContracts(name, "555 0100", "pw", "0");
    store.addContracts("", "555 0199", "pw", "0");
    auto* list = openManagement();
    search(list, "LI");
    EXPECT_EQ(test::shownRows(list), QStringList({"Alice", "Linus", "Oliver"}));
    EXPECT_FALSE(list->findChild<SectionIndex*>()->isVisible());
    EXPECT_TRUE(test::shownList(list)
                    ->model()
                    ->index(0, 0)
                    .data(SectionedListModel::ImageRole)
                    .toString()
                    .isEmpty());
    search(list, "LIN");
    EXPECT_EQ(test::shownRows(list), QStringList({"Linus"}));
    QTest::keyClick(list->findChild<QLineEdit*>("searchBar"), Qt::Key_Backspace);
    EXPECT_EQ(test::shownRows(list).size(), 3) << "deleting a character widens the results";
    search(list, "555");
    EXPECT_TRUE(test::shownRows(list).isEmpty()) << "numbers are not searched";
    search(list, "");
    EXPECT_EQ(test::shownRows(list).first(), "[#]");
    EXPECT_TRUE(list->findChild<SectionIndex*>()->isVisible());
}

TEST_F(ContactsListTest, ChoosingFromTheAddressBookByOneNumberOrAmongSeveral) {
    addressBook.book.people = {person("Ann Lee", {"+1 555 0100"}, "Ann", "", "Lee"),
                               person("Bo Chen", {"111", "222"}, "Bo", "X", "Chen"),
                               person("", {}, "", "", "")};
    auto* list = openChoosing();  // no secret contacts: the address book shows
    EXPECT_EQ(test::shownRows(list),
              QStringList({"[#]", "No Name", "[A]", "Ann Lee", "[B]", "Bo Chen"}));
    const QAbstractItemModel* model = test::shownList(list)->model();
    EXPECT_EQ(model->index(3, 0).data(SectionedListModel::DetailRole), "+1 555 0100");
    EXPECT_EQ(model->index(5, 0).data(SectionedListModel::DetailRole), "...");

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

    // From the search results, the same ways; a person known by a display name alone is
    // named by it.
    addressBook.book.people.push_back(person("Cher", {"31", "32"}));
    host.nav->popToRootViewControllerAnimated(false);
    list = openChoosing();
    search(list, "ch");
    EXPECT_EQ(test::shownRows(list), QStringList({"Bo Chen", "Cher"}));
    test::tapRow(list, "Cher");
    QTest::mouseClick(host.nav->topViewController()->findChild<TableRow*>("numberRow0"),
                      Qt::LeftButton);
    ASSERT_EQ(handed.size(), 2u);
    EXPECT_EQ(handed[1].name, "Cher");
    EXPECT_EQ(handed[1].telePhoneNumber, "31");
    EXPECT_EQ(host.nav->topViewController(), composer);

    host.nav->popToRootViewControllerAnimated(false);
    list = openChoosing();
    test::tapRow(list, "Ann Lee");
    ASSERT_EQ(handed.size(), 3u);
    EXPECT_EQ(handed[2].name, "Ann Lee");  // the display name
    EXPECT_EQ(handed[2].iphoneFriend, "0");
    EXPECT_EQ(host.nav->topViewController(), composer);
}

TEST_F(ContactsListTest, SegmentsSwitchBetweenFriendsAndTheAddressBook) {
    addressBook.book.people = {person("Zed", {"9"})};
    auto* list = openChoosing();
    EXPECT_EQ(test::shownRows(list), QStringList({"[Z]", "Zed"}));
    tapSegment(0);
    EXPECT_TRUE(tip(list)->isVisible());
    EXPECT_EQ(tip(list)->text(), localized("No added"));

    store.addContracts("Amy", "1", "pw", "0");
    tapSegment(1);
    search(list, "ze");
    EXPECT_EQ(test::shownRows(list), QStringList({"Zed"}));
    tapSegment(0);
    EXPECT_FALSE(tip(list)->isVisible());
    EXPECT_EQ(test::shownRows(list), QStringList({"[A]", "Amy"}));
    EXPECT_TRUE(list->findChild<QLineEdit*>("searchBar")->text().isEmpty());

    // A secret contact can be deleted here too (Delete key), once the editor's question is
    // answered; a person of the book cannot.
    QListView* view = test::shownList(list);
    view->setCurrentIndex(view->model()->index(1, 0));
    QTest::keyClick(view, Qt::Key_Delete);
    ASSERT_EQ(alertMessage(), QString::fromUtf8("你确实要删除此联系人"));
    test::tapAlertButton(test::visibleAlert(), 0);  // "Cancel"
    EXPECT_EQ(store.findAllContracts().size(), 1u);
    QTest::keyClick(view, Qt::Key_Delete);
    test::tapAlertButton(test::visibleAlert(), 1);  // "Done"
    EXPECT_TRUE(store.findAllContracts().empty());
    EXPECT_EQ(test::shownRows(list), QStringList({"[A]"}));
    tapSegment(1);
    view->setCurrentIndex(view->model()->index(1, 0));
    QTest::keyClick(view, Qt::Key_Delete);
    EXPECT_EQ(test::shownRows(list), QStringList({"[Z]", "Zed"}));
}

TEST_F(ContactsListTest, DeletingTheOnlyContactOfASectionLeavesItsHeaderUntilTheListReturns) {
    store.addContracts("Alice", "1", "pw", "0");
    store.addContracts("Bob", "2", "pw", "0");
    auto* list = openManagement();
    list->setEditing(true, false);
    EXPECT_EQ(hidden, QStringList({"YES"}));
    QListView* view = test::shownList(list);
    const QRect bob = view->visualRect(view->model()->index(3, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      SectionedRowDelegate::deleteButton(bob).center());
    EXPECT_EQ(test::shownRows(list), QStringList({"[A]", "Alice", "[B]"}));
    EXPECT_EQ(store.findAllContracts().size(), 1u);

    list->setEditing(false, false);
    EXPECT_EQ(hidden, QStringList({"YES", "NO"}));
    host.nav->pushViewController(new ViewController, false);
    host.nav->popViewControllerAnimated(false);
    EXPECT_EQ(test::shownRows(list), QStringList({"[A]", "Alice"}));

    // Deleting a search result.
    search(list, "ali");
    view->setCurrentIndex(view->model()->index(0, 0));
    QTest::keyClick(view, Qt::Key_Delete);
    test::tapAlertButton(test::visibleAlert(), 1);
    EXPECT_TRUE(store.findAllContracts().empty());
    EXPECT_TRUE(test::shownRows(list).isEmpty());
}

TEST_F(ContactsListTest, ManagementAddsByWritingAndWorksAtTheKeyboard) {
    auto* list = openManagement();
    EXPECT_FALSE(host.nav->navigationBar()->findChild<QWidget*>("chooseSegmentController"));
    test::tap(&host.window, "editButton");
    EXPECT_TRUE(list->isEditing());
    list->add();
    test::tapAlertButton(test::visibleAlert(), 0);  // "write"
    auto* editor = qobject_cast<AddContractViewController*>(host.nav->topViewController());
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->isAddMode());
    editor->findChild<QLineEdit*>("nameTextField")->setText("Alice");
    editor->findChild<QLineEdit*>("telephoneNumberTextField")->setText("555");
    editor->findChild<QLineEdit*>("passWordTextField")->setText("tea");
    test::tap(&host.window, "saveButton");
    EXPECT_EQ(host.nav->topViewController(), list);
    EXPECT_FALSE(tip(list)->isVisible());
    EXPECT_EQ(test::shownRows(list), QStringList({"[A]", "Alice"}));

    // At the keyboard: Escape ends editing, Down goes from the search to the results and
    // Enter opens the one chosen.
    test::activate(&host.window);
    ASSERT_TRUE(list->isEditing());
    QTest::keyClick(test::shownList(list), Qt::Key_Plus);
    ASSERT_NE(qobject_cast<ActionSheet*>(test::visibleAlert()), nullptr);
    QTest::keyClick(test::visibleAlert(), Qt::Key_Escape);
    QTest::keyClick(test::shownList(list), Qt::Key_Escape);
    EXPECT_FALSE(list->isEditing());
    EXPECT_EQ(host.nav->topViewController(), list);
    auto* field = list->findChild<QLineEdit*>("searchBar");
    field->setFocus();
    QTest::keyClicks(field, "al");
    QTest::keyClick(field, Qt::Key_Down);
    ASSERT_EQ(QApplication::focusWidget(), test::shownList(list));
    QTest::keyClick(test::shownList(list), Qt::Key_Return);
    editor = qobject_cast<AddContractViewController*>(host.nav->topViewController());
    ASSERT_NE(editor, nullptr);
    EXPECT_FALSE(editor->isAddMode());
    EXPECT_EQ(test::barTitle(&host.window), "Alice");
    host.nav->popViewControllerAnimated(false);

    // Letters typed while the list has the keyboard go to the search; a list reached by Tab
    // shows the row the keyboard is on.
    field->clear();
    field->setFocus();
    test::shownList(list)->clearSelection();
    test::shownList(list)->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(test::shownList(list)->selectionModel()->selectedIndexes().size(), 1);
    QTest::keyClicks(test::shownList(list), "al");
    EXPECT_EQ(field->text(), "al");
    EXPECT_EQ(QApplication::focusWidget(), field);
}
