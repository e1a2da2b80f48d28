// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "access/ChooseTimeLockViewController.h"

#include "access/LockTimeChoices.h"
#include "access/SettingViewFirstController.h"
#include "ui/GroupedTableView.h"
#include "ui/TableRow.h"

namespace hv {

ChooseTimeLockViewController::ChooseTimeLockViewController(SettingViewFirstController* setView,
                                                           int lastIndexPath, QWidget* parent)
    : ViewController(parent), setView_(setView), lastIndexPath_(lastIndexPath) {
    setObjectName("ChooseTimeLockViewController");
}

void ChooseTimeLockViewController::viewDidLoad() {
    table_ = new GroupedTableView;
    setContentView(table_, ContentWidth::Full);  // the table keeps its rows readable
    const QStringList titles = LockTimeChoices::rowTitles();
    for (int r = 0; r < titles.size(); ++r) {
        TableRow* row = table_->addRow();
        row->setObjectName(QString("lockTimeRow%1").arg(r));
        row->setTitle(titles[r]);
        connect(row, &TableRow::tapped, this, [this, r] { selectRow(r); });
    }
    reloadData();
}

void ChooseTimeLockViewController::selectRow(int row) {
    // A choice the store refused leaves the check mark where it was.
    if (setView_ && !setView_->tableIndex(row)) return;
    lastIndexPath_ = row;
    reloadData();
}

void ChooseTimeLockViewController::reloadData() {
    const auto rows = table_->rows();
    for (int r = 0; r < rows.size(); ++r) rows[r]->setChoice(r == lastIndexPath_);
}

}  // namespace hv
