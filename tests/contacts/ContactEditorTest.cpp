// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "contacts/AddContractViewController.h"
#include "support/FakeAddressBook.h"
#include "support/RawSql.h"
#include "support/ui/ScreenTest.h"

using namespace hv;

namespace {

class ContactEditorTest : public test::ScreenTest {
protected:
    AddContractViewController* open(const QString& title, const Contacts& contact = {}) {
        // Under a list stand-in, so that the editor can be popped.
        nav->pushViewController(new ViewController, false);
        editor = new AddContractViewController(dir.paths(), addressBook);
        editor->setTitle(title);
        editor->setContracts(contact);
        nav->pushViewController(editor, false);
        return editor;
    }
    AddContractViewController* openAdd() { return open(localized("AFManagement")); }
    AddContractViewController* openStored(const std::string& name) {
        store.addContracts(name, "555 0100", "tea", "1");
        return open(QString::fromStdString(name), store.findContractByTelephoneNumber("555 0100"));
    }
    QLineEdit* field(const char* name) { return editor->findChild<QLineEdit*>(name); }
    void fill(const QString& name, const QString& tel, const QString& password) {
        field("nameTextField")->setText(name);
        field("telephoneNumberTextField")->setText(tel);
        field("passWordTextField")->setText(password);
    }
    bool editorShows() { return nav->topViewController() == editor; }
    // From now on the store refuses that kind of change of secret contacts.
    void refuse(const char* change) {
        ASSERT_TRUE(test::runSql(store.dataBasePath(),
                                 std::string("CREATE TRIGGER refuse BEFORE ") + change +
                                     " ON SecContract BEGIN SELECT RAISE(ABORT, 'refused'); END;"));
    }

    test::FakeAddressBook addressBook;
    AddContractViewController* editor = nullptr;
};

}  // namespace

TEST_F(ContactEditorTest, SaveChecksThePasswordLengthFirstThenMissingFields) {
    openAdd();
    fill("", "", "ab");
    test::tap(&window, "saveButton");
    ASSERT_EQ(alertMessage(), localized("Input En-PWD"));
    test::tapAlertButton(test::visibleAlert(), 0);
    EXPECT_TRUE(store.findAllContracts().empty());

    field("passWordTextField")->setText("abc");
    test::tap(&window, "saveButton");
    ASSERT_EQ(alertMessage(), localized("Information uncomplete"));
    test::tapAlertButton(test::visibleAlert(), 0);  // "Cancel"
    EXPECT_TRUE(store.findAllContracts().empty());

    test::tap(&window, "saveButton");
    test::tapAlertButton(test::visibleAlert(), 1);  // "Sure"
    const auto stored = store.findAllContracts();
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].name, "");
    EXPECT_EQ(stored[0].passWord, "abc");
    EXPECT_EQ(stored[0].iphoneFriend, "1") << "stored as a Hushvault friend, switch or not";
    EXPECT_FALSE(editorShows());
}

TEST_F(ContactEditorTest, EnterSavesANewContactAndBackStoresNothing) {
    openAdd();
    fill("Bob", "+1 555 0101", "pie");
    QTest::keyClick(field("passWordTextField"), Qt::Key_Return);
    EXPECT_FALSE(editorShows());
    ASSERT_EQ(store.findAllContracts().size(), 1u);
    EXPECT_EQ(store.findAllContracts()[0].iphoneFriend, "0");

    // Leaving a new contact by Back stores nothing.
    openAdd();
    fill("Carol", "+1 555 0102", "jam");
    nav->popViewControllerAnimated(false);
    EXPECT_EQ(store.findAllContracts().size(), 1u);
}

TEST_F(ContactEditorTest, EditModeWritesBackOnEveryDepartureWithoutChecks) {
    openStored("Alice");
    field("nameTextField")->clear();
    field("passWordTextField")->setText("x");

    test::tap(editor, "typeSwitch");
    nav->popViewControllerAnimated(false);  // "Back"
    const auto stored = store.findAllContracts();
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].name, "") << "no validation on the way out";
    EXPECT_EQ(stored[0].iphoneFriend, "0");
}

TEST_F(ContactEditorTest, AnEmptiedPasswordOrNumberIsAskedAboutAndCancelKeepsTheStoredOnes) {
    openStored("Alice");
    field("passWordTextField")->clear();
    field("nameTextField")->setText("Alice Martin");
    test::tap(&window, "backButton");
    ASSERT_EQ(alertMessage(), localized("Information uncomplete"));
    test::tapAlertButton(test::visibleAlert(), 0);  // Cancel: the stored contact as it was
    EXPECT_FALSE(editorShows());
    EXPECT_EQ(store.findAllContracts()[0].passWord, "tea");
    EXPECT_EQ(store.findAllContracts()[0].name, "Alice");

    open("Alice", store.findAllContracts()[0]);
    field("telephoneNumberTextField")->clear();
    test::tap(&window, "backButton");
    test::tapAlertButton(test::visibleAlert(), 1);  // save anyway
    EXPECT_EQ(store.findAllContracts()[0].telePhoneNumber, "");

    // The application ending (the window closed on the editor) asks nothing and empties
    // nothing.
    open("Alice", store.findAllContracts()[0]);
    field("passWordTextField")->clear();
    delete editor;
    EXPECT_EQ(store.findAllContracts()[0].passWord, "tea");
}

TEST_F(ContactEditorTest, AStoreThatRefusesTheContactSaysSoAndKeepsTheEditor) {
    refuse("INSERT");
    openAdd();
    fill("Alice", "555", "tea");
    test::tap(&window, "saveButton");
    ASSERT_EQ(alertMessage(), localized("save failed"));
    EXPECT_TRUE(editorShows()) << "what was typed is still there";
    EXPECT_EQ(field("nameTextField")->text(), "Alice");
}

TEST_F(ContactEditorTest, DeleteAsksFirstAndAStoreThatRefusesItKeepsTheContact) {
    openStored("Alice");
    QTest::mouseClick(editor->findChild<TableRow*>("deleteRow"), Qt::LeftButton);
    ASSERT_EQ(alertMessage(), QString::fromUtf8("你确实要删除此联系人"));
    test::tapAlertButton(test::visibleAlert(), 0);  // "Cancel"
    EXPECT_EQ(store.findAllContracts().size(), 1u);
    EXPECT_TRUE(editorShows());

    refuse("DELETE");
    QTest::mouseClick(editor->findChild<TableRow*>("deleteRow"), Qt::LeftButton);
    test::tapAlertButton(test::visibleAlert(), 1);
    ASSERT_EQ(alertMessage(), localized("delete failed"));
    EXPECT_TRUE(editorShows());
    EXPECT_EQ(store.findAllContracts().size(), 1u);
}
