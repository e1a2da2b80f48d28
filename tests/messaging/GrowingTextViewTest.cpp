// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/GrowingTextView.h"

#include <gtest/gtest.h>

#include <QTest>

#include "support/ManualClock.h"
#include "ui/GrowingTextViewInternal.h"

using namespace hv;

namespace {

// Writes down every notice, with heights, in order.
struct Journal : GrowingTextViewDelegate {
    QStringList notices;
    void growingTextViewWillChangeHeight(GrowingTextView*, int h) override {
        notices << QString("will %1").arg(h);
    }
    void growingTextViewDidChangeHeight(GrowingTextView*, int h) override {
        notices << QString("did %1").arg(h);
    }
    void growingTextViewDidChange(GrowingTextView*) override { notices << "change"; }
};

class GrowingTextViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        view.setFrame(QRect(0, 0, 240, view.minHeight()));
        view.setAnimateHeightChange(false);
        view.setDelegate(&journal);
        view.show();
    }
    QStringList take() { return std::exchange(journal.notices, {}); }

    test::ManualClock clock;
    GrowingTextView view;
    Journal journal;
};

}  // namespace

TEST_F(GrowingTextViewTest, GrowsLineByLineToTheMaximumThenScrolls) {
    const int one = view.minHeight();
    ASSERT_GT(view.maxHeight(), one);
    EXPECT_EQ(view.height(), one);
    QStringList lines;
    QList<int> heights;
    for (int n = 1; n <= 4; ++n) {
        lines << QString("line %1").arg(n);
        view.setText(lines.join('\n'));
        heights << view.height();
    }
    EXPECT_EQ(heights[0], one);
    EXPECT_LT(heights[0], heights[1]);
    EXPECT_LT(heights[1], heights[2]);
    EXPECT_EQ(heights[2], view.maxHeight());  // three lines is the maximum
    EXPECT_EQ(heights[3], view.maxHeight());
    EXPECT_TRUE(view.internalTextView()->isScrollEnabled());

    view.setText("back to one");
    EXPECT_EQ(view.height(), one);
    EXPECT_FALSE(view.internalTextView()->isScrollEnabled());
}

TEST_F(GrowingTextViewTest, NoticesComeInOrderAndLaterWhenAnimated) {
    view.internalTextView()->setFocus();
    QTest::keyClick(view.internalTextView(), Qt::Key_Backspace);  // empty: no change
    EXPECT_TRUE(take().isEmpty());
    view.setText("a\nb");
    const int two = view.height();
    EXPECT_EQ(take(),
              QStringList({QString("will %1").arg(two), QString("did %1").arg(two), "change"}));
    view.setText("a\nb!");  // same height: only the change
    EXPECT_EQ(take(), QStringList({"change"}));

    view.setAnimateHeightChange(true);
    view.setText("a");
    const int one = view.height();
    EXPECT_EQ(take(), QStringList({QString("will %1").arg(one), "change"}));
    clock.advance(0.1);
    EXPECT_EQ(take(), QStringList({QString("did %1").arg(one)}));
}

TEST_F(GrowingTextViewTest, ReturnAsksTheDelegateWhetherToEndEditing) {
    struct Returner : Journal {
        bool ends = true;
        std::optional<bool> growingTextViewShouldReturn(GrowingTextView*) override { return ends; }
    } returner;
    view.setDelegate(&returner);
    view.setText("x");
    QTest::keyClick(view.internalTextView(), Qt::Key_Return);
    EXPECT_EQ(view.text(), "x");
    returner.ends = false;
    QTest::keyClick(view.internalTextView(), Qt::Key_End);
    QTest::keyClick(view.internalTextView(), Qt::Key_Return);
    EXPECT_EQ(view.text(), "x\n");
    view.setDelegate(&journal);
}
