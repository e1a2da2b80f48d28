// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "info/ChoosePhoneTypeViewController.h"

#include "platform/Localization.h"
#include "platform/LocalizationKeys.h"
#include "ui/GroupedTableView.h"
#include "ui/NavigationController.h"
#include "ui/TableRow.h"

namespace hv {

ChoosePhoneTypeViewController::ChoosePhoneTypeViewController(QWidget* parent)
    : ViewController(parent) {
    setObjectName("ChoosePhoneTypeViewController");
}

ChoosePhoneTypeViewController* ChoosePhoneTypeViewController::create(
    std::function<void(bool isIphone)> chosen) {
    auto* chooser = new ChoosePhoneTypeViewController;
    connect(chooser, &ChoosePhoneTypeViewController::phoneTypeChosen, chooser, std::move(chosen));
    return chooser;
}

int ChoosePhoneTypeViewController::rowHeight(const QString& international) {
    return international == "en" ? 80 : 60;
}

int ChoosePhoneTypeViewController::subtitleLines(const QString& international) {
    return international == "en" ? 3 : 2;
}

void ChoosePhoneTypeViewController::viewDidLoad() {
    table_ = new GroupedTableView;
    setContentView(table_, ContentWidth::Full);  // the table keeps its rows readable
    const QString international = localized(kKeyInternational);
    const struct {
        const char* title;
        const char* subtitle;
    } rows[] = {{kKeyCell, kKeyNoHushvault}, {kKeyIphone, kKeyIphoneHushvault}};
    for (int i = 0; i < 2; ++i) {
        TableRow* row = table_->addRow();
        row->setObjectName(QString("phoneTypeRow%1").arg(i));
        row->setTitle(localized(rows[i].title));
        row->setSubtitle(localized(rows[i].subtitle), subtitleLines(international));
        row->setRowHeight(rowHeight(international));
        // Two lines of Chinese under the title fill a 60-point row at these sizes.
        if (rowHeight(international) < 80) row->setTextSizes(14, 11);
        connect(row, &TableRow::tapped, this, [this, i] { chooseRow(i); });
    }
}

void ChoosePhoneTypeViewController::chooseRow(int row) {
    emit phoneTypeChosen(row == 1);
    if (NavigationController* nav = navigationController()) nav->popViewControllerAnimated(true);
}

}  // namespace hv
