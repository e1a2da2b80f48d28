// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QShortcut>
#include <QTest>

#include "support/UiHelpers.h"
#include "ui/AlertView.h"
#include "ui/NavigationController.h"
#include "ui/Window.h"

using namespace hv;

namespace {

// A screen that writes every lifecycle hook into a shared journal.
class JournalScreen : public ViewController {
public:
    JournalScreen(QString name, QStringList* journal) : name_(std::move(name)), journal_(journal) {}

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

TEST_F(KitTest, HooksRunInOrderOnPushPresentAndDismiss) {
    EXPECT_EQ(take(), QStringList({"root.load", "root.willAppear", "root.didAppear"}));

    auto* second = new JournalScreen("second", &journal);
    nav->pushViewController(second, true);
    EXPECT_EQ(take(), QStringList({"root.willDisappear", "second.load", "second.willAppear",
                                   "root.didDisappear", "second.didAppear"}));

    auto* modal = new JournalScreen("modal", &journal);
    second->presentModalViewController(new NavigationController(modal), true);
    EXPECT_EQ(take(), QStringList({"second.willDisappear", "modal.load", "modal.willAppear",
                                   "second.didDisappear", "modal.didAppear"}));

    modal->dismissModalViewController(true);  // from inside the presented container
    EXPECT_EQ(take(), QStringList({"modal.willDisappear", "second.willAppear", "modal.didDisappear",
                                   "second.didAppear"}));
    EXPECT_EQ(second->modalViewController(), nullptr);
}

TEST_F(KitTest, AnAlertHasTheKeyboardUntilItClosesAndThenGivesItBack) {
    auto* field = new QLineEdit(root);
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
    QTest::keyClicks(field, "ok");
    QTest::keyClick(field, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(field->text(), "ok");
    EXPECT_EQ(shortcuts, 1);
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
}
