// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messaging/ManageHiddenMSGController.h"

#include <QAbstractItemModelTester>
#include <QListView>

#include "messaging/RecordBubble.h"
#include "messaging/RecordsDelegate.h"
#include "messaging/RecordsModel.h"
#include "support/RawSql.h"
#include "support/ui/ScreenTest.h"

using namespace hv;

namespace {

class RecordsTest : public test::ScreenTest {
protected:
    ManageHiddenMSGController* open() {
        auto* records = new ManageHiddenMSGController(dir.paths());
        nav->pushViewController(records, false);
        return records;
    }

    static QListView* list(QWidget* records) { return records->findChild<QListView*>("tableView"); }
    static QAbstractItemModel* model(QWidget* records) { return list(records)->model(); }
    static const RecordBubble& bubble(QWidget* records, int row) {
        return *model(records)
                    ->index(row, 0)
                    .data(RecordsModel::BubbleRole)
                    .value<const RecordBubble*>();
    }
};

}  // namespace

TEST_F(RecordsTest, NewestFirstSentAtTheLeftWithTheNumberReadAtTheRight) {
    store.addSMS("139", "lost", "2025-12-06 05:40:00", "4");
    store.addSMS("138 0013", "see you", "2025-12-06 05:46:40", "2");
    store.addSMS("", "The decrypted message:\nhi", "2025-12-06 05:50:00", "3");
    auto* records = open();
    ASSERT_EQ(model(records)->rowCount(), 3);
    const RecordBubble& read = bubble(records, 0);  // the newest
    EXPECT_EQ(read.text, "The decrypted message:\nhi");
    EXPECT_EQ(read.bubble.left(), 80);
    const RecordBubble& sent = bubble(records, 1);
    EXPECT_EQ(sent.text, localized("To") + " 1380013\nsee you");
    EXPECT_EQ(sent.bubble.left(), 0);
    // A message that did not go out says so, and "Not sent" is never split over two lines.
    const QString notSent = bubble(records, 2).text;
    EXPECT_EQ(QString(notSent).replace(QChar::Nbsp, ' '),
              localized("To") + " 139 · " + localized("failed send") + "\nlost");
    EXPECT_FALSE(notSent.section('\n', 0, 0).section(QString("· "), 1).contains(' '));
}

TEST_F(RecordsTest, ALongTextWrapsWithin180AndTheRowGrowsWithIt) {
    store.addSMS("1", "short", "t", "2");
    store.addSMS("1", QString(60, 'w').toStdString() + " " + std::string(400, 'x'), "t", "2");
    auto* records = open();
    const RecordBubble& longOne = bubble(records, 0);
    const RecordBubble& shortOne = bubble(records, 1);
    EXPECT_LE(longOne.textBox.width(), 190);
    EXPECT_GT(longOne.rowHeight, shortOne.rowHeight + 100);
    EXPECT_EQ(model(records)->index(0, 0).data(Qt::SizeHintRole).toSize().height(),
              RecordBubble::kHeaderHeight + longOne.rowHeight);
}

TEST_F(RecordsTest, RecordsAreDeletedInEditingModeByTheKeyAndFromTheStore) {
    for (int i = 0; i < 3; ++i) store.addSMS("1", "m" + std::to_string(i), "t", "2");
    auto* records = open();
    QAbstractItemModelTester tester(model(records),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    QListView* view = list(records);

    test::tap(&window, "editButton");  // editing mode: a "Delete" button on each row
    const QRect row = view->visualRect(model(records)->index(0, 0));
    const QRect button =
        RecordsDelegate::deleteButton(bubble(records, 0), row.width()).translated(row.topLeft());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, button.center());
    ASSERT_EQ(model(records)->rowCount(), 2);
    EXPECT_EQ(bubble(records, 0).text, localized("To") + " 1\nm1");
    test::tap(&window, "editButton");

    // The Delete key removes the selected record, not one that is merely current.
    view->selectionModel()->setCurrentIndex(model(records)->index(1, 0),
                                            QItemSelectionModel::NoUpdate);
    QTest::keyClick(view, Qt::Key_Delete);
    ASSERT_EQ(store.findAllSMS().size(), 2u);
    view->setCurrentIndex(model(records)->index(1, 0));
    QTest::keyClick(view, Qt::Key_Delete);
    ASSERT_EQ(store.findAllSMS().size(), 1u);
    EXPECT_EQ(store.findAllSMS()[0].contents, "m1");

    records->deleteRecord(0);  // the last one: "NO Records" shows from the next opening on
    EXPECT_TRUE(store.findAllSMS().empty());
    nav->popViewControllerAnimated(false);
    records = open();
    EXPECT_TRUE(records->findChild<QLabel*>("noRecords")->isVisible());
}

TEST_F(RecordsTest, DeletingARowThatIsNotThereKeepsEveryRecord) {
    for (int i = 0; i < 3; ++i) store.addSMS("1", "m" + std::to_string(i), "t", "2");
    RecordsModel records;
    records.load(store, "To");
    for (int row : {-1, 3, 4}) {
        EXPECT_FALSE(records.deleteRecord(store, row)) << row;
        ASSERT_EQ(records.rowCount(), 3) << row;
        EXPECT_EQ(store.findAllSMS().size(), 3u) << row;
    }
}

TEST_F(RecordsTest, ARecordTheStoreRefusesToDeleteStaysAndTheUserIsTold) {
    store.addSMS("1", "kept", "t", "2");
    ASSERT_TRUE(test::runSql(store.dataBasePath(),
                             "CREATE TRIGGER refuse BEFORE DELETE ON HidMSG "
                             "BEGIN SELECT RAISE(ABORT, 'disk full'); END;"));
    auto* records = open();
    records->deleteRecord(0);
    EXPECT_EQ(model(records)->rowCount(), 1);
    ASSERT_EQ(alertMessage(), localized("record not deleted"));
}
