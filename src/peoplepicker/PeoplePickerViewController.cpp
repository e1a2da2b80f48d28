// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "peoplepicker/PeoplePickerViewController.h"

#include <QLabel>
#include <QListView>
#include <QVBoxLayout>

#include "addressbook/ABContactsHelper.h"
#include "addressbook/LocalizedCompare.h"
#include "peoplepicker/PeoplePickerNavigationController.h"
#include "peoplepicker/PersonRows.h"
#include "platform/Localization.h"
#include "platform/LocalizationKeys.h"
#include "ui/SectionedListModel.h"
#include "ui/SectionedTableView.h"
#include "ui/Style.h"

namespace hv {

PeoplePickerViewController::PeoplePickerViewController(const AddressBook& book,
                                                       PeoplePickerNavigationController* picker)
    : book_(book), picker_(picker) {
    setObjectName("PeoplePickerViewController");
}

void PeoplePickerViewController::viewDidLoad() {
    setTitle(localized(kKeyAddressBook));
    navigationItem()->setLeftBarButtonItem(BarButtonItem{
        localized(kKeyCancel), {}, [this] { picker_->cancel(); }, "cancelButton", true});
    model_ = new SectionedListModel(this);
    tableView_ = new SectionedTableView;
    tableView_->setModel(model_);
    tableView_->listView()->setAccessibleName(title());
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tableView_, 1);
    // Cards, files and folders that could not be read are said, not silently missing.
    leftOutLabel_ = new QLabel;
    leftOutLabel_->setObjectName("leftOutLabel");
    leftOutLabel_->setAlignment(Qt::AlignCenter);
    leftOutLabel_->setWordWrap(true);
    Style::apply(leftOutLabel_, Style::Role::RowSubtitle);
    leftOutLabel_->hide();
    layout->addWidget(leftOutLabel_);
    connect(tableView_, &SectionedTableView::entrySelected, this, [this](int section, int entry) {
        if (section >= 0 && section < int(people_.size()) && entry >= 0 &&
            entry < int(people_[std::size_t(section)].entries.size()))
            picker_->personChosen(people_[std::size_t(section)].entries[std::size_t(entry)]);
    });
    setContentView(content);
    tipView_ = new QLabel(localized(kKeyNoPeople), this);
    tipView_->setObjectName("tipView");
    tipView_->setAlignment(Qt::AlignCenter);
    tipView_->setWordWrap(true);
    tipView_->setAttribute(Qt::WA_TransparentForMouseEvents);
    Style::apply(tipView_, Style::Role::TipView);
}

void PeoplePickerViewController::viewWillAppear(bool) {
    tableView_->clearSelection();
    if (people_.empty()) reload();
}

void PeoplePickerViewController::reload() {
    const LocalizedCompare compare(Localization::installedLanguage().toStdString());
    int leftOut = 0;
    people_ = ABContactsHelper::contactsDict(book_, compare, &leftOut);
    model_->setSections(PersonRows::sections(people_));
    leftOutLabel_->setText(localized(kKeyLeftOut).arg(leftOut));
    leftOutLabel_->setVisible(leftOut > 0);
    tipView_->setVisible(people_.empty());
    placeTip();
}

void PeoplePickerViewController::resizeEvent(QResizeEvent*) {
    placeTip();
}

void PeoplePickerViewController::placeTip() {
    if (tipView_) tipView_->setGeometry(rect().adjusted(16, 0, -16, -height() / 3));
}

}  // namespace hv
