// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "peoplepicker/PersonViewController.h"

#include "platform/Localization.h"
#include "platform/LocalizationKeys.h"
#include "ui/GroupedTableView.h"
#include "ui/Style.h"
#include "ui/TableRow.h"

namespace hv {

PersonViewController::PersonViewController(QWidget* parent) : ViewController(parent) {
    setObjectName("PersonViewController");
}

void PersonViewController::setDisplayedPerson(const ABContact& person) {
    person_ = person;
    if (isViewLoaded()) buildRows();
}

void PersonViewController::viewDidLoad() {
    Style::useGroupedBackground(this);
    table_ = new GroupedTableView;
    table_->setObjectName("personTable");
    setContentView(table_, ContentWidth::Full);  // the table keeps its rows readable
    buildRows();
}

void PersonViewController::buildRows() {
    table_->clear();
    if (!person_) return;
    const std::string& name = person_->compositeName();
    table_->addSection(name.empty() ? localized(kKeyNoName) : QString::fromStdString(name));
    int i = 0;
    for (const std::string& number : person_->phoneArray()) {
        TableRow* row = table_->addRow();
        row->setObjectName(QString("numberRow%1").arg(i++));
        row->setTitle(QString::fromStdString(number));
        connect(row, &TableRow::tapped, this, [this, number] {
            if (numberTapped_ && person_) numberTapped_(*person_, number);
        });
    }
}

}  // namespace hv
