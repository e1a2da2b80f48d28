// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QTest>

#include "platform/Localization.h"
#include "support/UiHelpers.h"
#include "ui/AlertView.h"
#include "ui/GroupedTableView.h"
#include "ui/NavigationBar.h"
#include "ui/NavigationController.h"
#include "ui/SectionIndex.h"
#include "ui/SegmentedControl.h"
#include "ui/TableRow.h"
#include "ui/Window.h"

using namespace hv;

namespace {

// A screen that writes every lifecycle hook into a shared journal.
class JournalScreen : public ViewController {
public:
    JournalScreen(QString name, QStringList* journal) : name_(std::move(name)), journal_(journal) {
        setTitle(name_);
    }

protected:
    void viewDidLoad() override { journal_->append(name_ + ".load"); }
    void viewWillAppear(bool) override { journal_->append(name_ + ".willAppear"); }
    void viewDidAppear(bool) override { journal_->append(name_ + ".didAppear"); }
    void viewWillDisappear(bool) override { journal_->append(name_ + ".willDisappear"); }
    void viewDidDisappear(bool) override { journal_->append(name_ + ".didDisappear"); }

private:
    QString name_;
    QStringList* journal_;
};

class KitTest : public ::testing::Test {
protected:
    void SetUp() override {
        root = new JournalScreen("root", &journal);
        nav = new NavigationController(root);
        window.setRootViewController(nav);
        window.show();
    }

    QStringList take() { return std::exchange(journal, {}); }

    QStringList journal;
    Window window;
    JournalScreen* root = nullptr;
    NavigationController* nav = nullptr;
};

}  // namespace

TEST_F(KitTest, HooksRunInOrderOnPushPopPresentAndDismiss) {
    EXPECT_EQ(take(), QStringList({"root.load", "root.willAppear", "root.didAppear"}));

    auto* second = new JournalScreen("second", &journal);
    nav->pushViewController(second, true);
    EXPECT_EQ(take(), QStringList({"root.willDisappear", "second.load", "second.willAppear",
                                   "root.didDisappear", "second.didAppear"}));

    auto* modal = new JournalScreen("modal", &journal);
    second->presentModalViewController(new NavigationController(modal), true);
    EXPECT_EQ(take(), QStringList({"second.willDisappear", "modal.load", "modal.willAppear",
                                   "second.didDisappear", "modal.didAppear"}));
    EXPECT_EQ(window.topController()->navigationController(), nullptr);

    modal->dismissModalViewController(true);  // from inside the presented container
    EXPECT_EQ(take(), QStringList({"modal.willDisappear", "second.willAppear", "modal.didDisappear",
                                   "second.didAppear"}));
    EXPECT_EQ(second->modalViewController(), nullptr);

    EXPECT_TRUE(nav->popViewControllerAnimated(true));
    EXPECT_EQ(take(), QStringList({"second.willDisappear", "root.willAppear", "second.didDisappear",
                                   "root.didAppear"}));
    EXPECT_FALSE(nav->popViewControllerAnimated(true));
    EXPECT_EQ(nav->viewControllers(), QList<ViewController*>({root}));
}

TEST_F(KitTest, BackButtonShowsThePreviousScreensBackTitle) {
    root->navigationItem()->setBackBarButtonTitle("Back");
    auto* second = new JournalScreen("Second", &journal);
    nav->pushViewController(second, false);
    EXPECT_EQ(test::barTitle(&window), "Second");
    auto* back = window.findChild<QAbstractButton*>("backButton");
    ASSERT_TRUE(back->isVisible());
    EXPECT_EQ(back->text(), "Back");

    auto* third = new JournalScreen("Third", &journal);
    nav->pushViewController(third, false);
    EXPECT_EQ(back->text(), "Second");  // no back title: the previous screen's title

    third->navigationItem()->setHidesBackButton(true);
    EXPECT_FALSE(back->isVisible());
    third->navigationItem()->setHidesBackButton(false);

    test::tap(back);
    test::tap(back);
    EXPECT_EQ(nav->topViewController(), root);
    EXPECT_FALSE(back->isVisible());

    nav->pushViewController(new JournalScreen("a", &journal), false);
    nav->pushViewController(new JournalScreen("b", &journal), false);
    nav->popToViewController(root, false);
    EXPECT_EQ(nav->viewControllers().size(), 1);
}

TEST_F(KitTest, ALongTitleShrinksAndIsCutAtItsEndBetweenTheButtons) {
    auto* screen = new JournalScreen("Administrator password settings for everyone", &journal);
    nav->pushViewController(screen, false);
    screen->navigationItem()->setRightBarButtonItem(BarButtonItem{"Save", {}, [] {}, "save"});
    auto* label = window.findChild<QLabel*>("navigationTitle");
    const QRect back = window.findChild<QAbstractButton*>("backButton")->geometry();
    const QRect save = window.findChild<QAbstractButton*>("save")->geometry();
    EXPECT_GE(label->geometry().left(), back.right());
    EXPECT_LE(label->geometry().right(), save.left());
    EXPECT_TRUE(label->text().endsWith(QChar(0x2026))) << label->text().toStdString();
    EXPECT_TRUE(label->text().startsWith("Administrator"));
    EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), label->width());
    EXPECT_EQ(test::barTitle(&window), screen->title());

    screen->setTitle("Short");  // fits centred, at full size
    EXPECT_EQ(label->text(), "Short");
    EXPECT_NEAR(label->geometry().center().x(), window.width() / 2, 1);
}

TEST_F(KitTest, AnAlertIsAnAlertForScreenReadersNamedByWhatItSaysNow) {
    auto* alert = new AlertView("Sending", nullptr, nullptr, {});
    alert->show(&window);
    QAccessibleInterface* seen = QAccessible::queryAccessibleInterface(alert);
    EXPECT_EQ(seen->role(), QAccessible::AlertMessage);
    EXPECT_EQ(seen->text(QAccessible::Name), localized("Sending"));
    alert->setTitleText(localized("send"));
    alert->setMessageText(localized("send error"));
    EXPECT_EQ(seen->text(QAccessible::Name), localized("send"));
    EXPECT_EQ(seen->text(QAccessible::Description), localized("send error"));
    alert->dismiss();
}

TEST_F(KitTest, AnAlertHasTheKeyboardUntilItClosesAndThenGivesItBack) {
    auto* other = new QLineEdit(root);
    other->show();
    auto* field = new QLineEdit(root);
    field->move(0, 40);
    field->show();
    int shortcuts = 0;
    auto* save = new QShortcut(QKeySequence("Ctrl+S"), root);
    QObject::connect(save, &QShortcut::activated, [&] { ++shortcuts; });
    test::activate(&window);
    field->setFocus();

    QList<int> tapped;
    auto report = [&](AlertView*, int index) { tapped.append(index); };
    {
        Window closed;  // an alert that goes with its window, never dismissed
        (new AlertView("Warning", "send error", "Cancel", {}, report))->show(&closed);
    }
    test::activate(&window);
    field->setFocus();
    (new AlertView("Warning", "send error", "Cancel", {"Sure"}, report))->show(&window);
    QTest::keyClicks(field, "typed under the alert");
    QTest::keyClick(field, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(field->text(), "");
    EXPECT_EQ(shortcuts, 0);
    // Tab goes round the alert's buttons (Cancel, then Sure), never out of it.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(tapped, QList<int>({1}));
    EXPECT_EQ(QApplication::focusWidget(), field);

    (new AlertView("Warning", nullptr, "Cancel", {"Sure"}, report))->show(&window);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    (new AlertView("Cancel", "Input Number", "Sure", {}, report))->show(&window);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);  // its one button
    (new AlertView("Choose", nullptr, "Cancel", {"One", "Two"}, report))->show(&window);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // no single default
    EXPECT_EQ(tapped, QList<int>({1, 0, 0}));
    ASSERT_NE(test::visibleAlert(), nullptr);
    test::visibleAlert()->dismiss();

    QTest::keyClicks(field, "ok");
    QTest::keyClick(field, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(field->text(), "ok");
    EXPECT_EQ(shortcuts, 1);
}

TEST_F(KitTest, EscapeGoesBackAndBarButtonsLeaveTheFocusAlone) {
    auto* second = new JournalScreen("second", &journal);
    nav->pushViewController(second, false);
    int taps = 0;
    second->navigationItem()->setRightBarButtonItem(
        BarButtonItem{"Save", {}, [&] { ++taps; }, "saveButton"});
    auto* field = new QLineEdit(second);
    field->show();
    test::activate(&window);
    field->setFocus();
    test::tap(&window, "saveButton");
    EXPECT_EQ(taps, 1);
    EXPECT_EQ(QApplication::focusWidget(), field);

    QTest::keyClick(field, Qt::Key_Escape);
    EXPECT_EQ(nav->topViewController(), root);

    // A presented container closes through a left button that escapes, and only that.
    auto* modal = new JournalScreen("modal", &journal);
    int closes = 0;
    modal->navigationItem()->setLeftBarButtonItem(
        BarButtonItem{"Back",
                      {},
                      [&] {
                          ++closes;
                          modal->dismissModalViewController(false);
                      },
                      "modalBack",
                      true});
    root->presentModalViewController(new NavigationController(modal), false);
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_EQ(closes, 1);
    auto* other = new JournalScreen("other", &journal);
    other->navigationItem()->setLeftBarButtonItem(BarButtonItem{"+", {}, [&] { ++closes; }, "add"});
    root->presentModalViewController(new NavigationController(other), false);
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_EQ(closes, 1);
}

TEST_F(KitTest, ACoveredScreenIsOutOfTheKeyboardsReachAndGetsItBack) {
    auto* covered = new QLineEdit(root);
    covered->show();
    test::activate(&window);
    covered->setFocus();

    auto* modal = new JournalScreen("modal", &journal);
    auto* first = new QLineEdit(modal);
    new QLineEdit(modal);
    root->presentModalViewController(new NavigationController(modal), false);
    first->setFocus();
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_NE(QApplication::focusWidget(), covered);
    }

    modal->dismissModalViewController(false);
    EXPECT_EQ(QApplication::focusWidget(), covered);

    auto* pushed = new JournalScreen("pushed", &journal);
    nav->pushViewController(pushed, false);
    auto* field = new QLineEdit(pushed);
    field->show();
    field->setFocus();
    nav->popViewControllerAnimated(false);
    EXPECT_EQ(QApplication::focusWidget(), covered);
}

TEST_F(KitTest, AnAlertKeepsTheKeyboardAndTheFrontWhileScreensComeAndGoUnderIt) {
    auto* covered = new QLineEdit(root);
    covered->show();
    test::activate(&window);
    covered->setFocus();
    QList<int> tapped;
    auto report = [&](AlertView*, int index) { tapped.append(index); };

    // An alert raised from a screen that then closes (a login, say).
    auto* modal = new JournalScreen("modal", &journal);
    auto* field = new QLineEdit(modal);
    root->presentModalViewController(new NavigationController(modal), false);
    field->setFocus();
    (new AlertView("Warning", "send error", "Cancel", {}, report))->show(&window);
    modal->dismissModalViewController(false);
    ASSERT_NE(test::visibleAlert(), nullptr);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(tapped, QList<int>({0}));
    EXPECT_EQ(QApplication::focusWidget(), covered);  // where it was before the screen came

    // A screen presented while an alert is up comes in under it.
    auto* alert = new AlertView("Warning", "send error", "Cancel", {}, report);
    alert->show(&window);
    root->presentModalViewController(new NavigationController(new JournalScreen("late", &journal)),
                                     false);
    const QPoint middle = window.rect().center();
    EXPECT_TRUE(alert->isAncestorOf(window.childAt(middle)) || window.childAt(middle) == alert);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(tapped, QList<int>({0, 0}));
}

TEST_F(KitTest, RowsAreReachedWithTabAndTappedWithEnterOrSpace) {
    auto* table = new GroupedTableView(root);
    table->setGeometry(root->rect());
    table->show();
    TableRow* first = table->addRow();
    TableRow* second = table->addRow();
    second->setContentWidget(new QLineEdit);  // the field takes the keyboard, not the row
    int taps = 0;
    QObject::connect(first, &TableRow::tapped, [&] { ++taps; });
    EXPECT_EQ(first->focusPolicy(), Qt::TabFocus);
    EXPECT_EQ(second->focusPolicy(), Qt::NoFocus);
    test::activate(&window);
    first->setFocus();
    QTest::keyClick(first, Qt::Key_Return);
    QTest::keyClick(first, Qt::Key_Space);
    QTest::keyClick(first, Qt::Key_A);
    EXPECT_EQ(taps, 2);
}

TEST(KitWidgets, SegmentedControlAndSectionIndexReportSelections) {
    SegmentedControl segments({"One", "Two"});
    QList<int> changes;
    QObject::connect(&segments, &SegmentedControl::valueChanged, [&](int i) { changes.append(i); });
    segments.setSelectedSegmentIndex(0);
    EXPECT_TRUE(changes.isEmpty());
    test::tap(&segments, "segment1");
    EXPECT_EQ(segments.selectedSegmentIndex(), 1);
    EXPECT_EQ(changes, QList<int>({1}));
    // A screen reader's action on a segment selects it as a tap does.
    QAccessibleInterface* first =
        QAccessible::queryAccessibleInterface(segments.findChild<QAbstractButton*>("segment0"));
    first->actionInterface()->doAction(first->actionInterface()->actionNames().value(0));
    EXPECT_EQ(changes, QList<int>({1, 0}));
    segments.setSelectedSegmentIndex(-1);
    EXPECT_EQ(segments.selectedSegmentIndex(), -1);

    SectionIndex index;
    index.setTitles({"A", "B", "C", "#"});
    index.resize(18, 200);
    EXPECT_EQ(index.indexAt(0), 0);
    EXPECT_EQ(index.indexAt(199), 3);
    EXPECT_EQ(index.indexAt(200), -1);
}
