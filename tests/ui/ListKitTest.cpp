// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QListView>
#include <QTest>

#include "support/UiHelpers.h"
#include "ui/ActionSheet.h"
#include "ui/SectionIndex.h"
#include "ui/SectionedListModel.h"
#include "ui/SectionedTableView.h"
#include "ui/ViewController.h"
#include "ui/Window.h"

using namespace hv;

namespace {

using Section = SectionedListModel::Section;

// Where a row of the table is, for a click.
QPoint centreOf(SectionedTableView& table, int row) {
    return table.listView()->visualRect(table.model()->index(row)).center();
}

}  // namespace

TEST(SectionedList, ChoosesEntriesNotHeadersSkipsHeadersAndScrollsToAnIndexedSection) {
    SectionedListModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.setSections({Section{"#", {{"9lives", "555", ""}}},
                       Section{"A", {{"Alice", "", ":/images/key.png"}, {"Amy", "", ""}}}});
    SectionedTableView table;
    table.setModel(&model);
    table.resize(320, 400);
    table.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&table));

    QList<std::pair<int, int>> chosen;
    QObject::connect(&table, &SectionedTableView::entrySelected, [&](int s, int e) {
        chosen.append({s, e});
    });
    QWidget* viewport = table.listView()->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, centreOf(table, 0));  // a header
    QTest::mouseClick(viewport, Qt::LeftButton, {}, centreOf(table, 4));
    EXPECT_EQ(chosen, (QList<std::pair<int, int>>{{1, 1}}));
    table.setDeletable(true);
    table.setEditing(true);
    QTest::mouseClick(viewport, Qt::LeftButton, {}, centreOf(table, 3));
    EXPECT_EQ(chosen.size(), 1) << "a tap in editing mode chooses nothing";
    table.setEditing(false);

    // The arrows pass over headers.
    table.listView()->setFocus();
    table.listView()->setCurrentIndex(model.index(1));
    QTest::keyClick(table.listView(), Qt::Key_Down);
    EXPECT_EQ(table.listView()->currentIndex().row(), 3);

    std::vector<Section> many;
    for (char c = 'A'; c <= 'Z'; ++c)
        many.push_back(Section{QString(c), {{"x", "", ""}, {"y", "", ""}}});
    model.setSections(std::move(many));
    emit table.sectionIndex()->sectionSelected(20);
    EXPECT_EQ(table.listView()->indexAt(QPoint(5, 1)).row(), model.rowOfSection(20));
}

TEST(ActionSheetTest, OtherButtonsComeFirstAndCancelLastAlsoFromTheKeyboard) {
    Window window;
    window.setRootViewController(new ViewController);
    window.show();
    test::activate(&window);
    QList<int> tapped;
    const auto report = [&](AlertView*, int index) { tapped.append(index); };
    auto* sheet = new ActionSheet(nullptr, "Cancel", {"write", "choose"}, report);
    sheet->show(&window);
    EXPECT_EQ(sheet->buttonTitles(), QStringList({"write", "choose", "Cancel"}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // no single default
    EXPECT_EQ(test::visibleAlert(), sheet);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // the second: "choose"
    (new ActionSheet(nullptr, "Cancel", {"write", "choose"}, report))->show(&window);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(tapped, QList<int>({1, 2}));
    EXPECT_EQ(test::visibleAlert(), nullptr);
}
