#include "peoplepicker/PeoplePickerViewController.h"

#include <QLabel>
#include <QListView>

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
    connect(tableView_, &SectionedTableView::entrySelected, this, [this](int section, int entry) {
        if (section >= 0 && section < int(people_.size()) && entry >= 0 &&
            entry < int(people_[std::size_t(section)].entries.size()))
            picker_->personChosen(people_[std::size_t(section)].entries[std::size_t(entry)]);
    });
    setContentView(tableView_);
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
    people_ = ABContactsHelper::contactsDict(book_, compare);
    model_->setSections(PersonRows::sections(people_));
    tipView_->setVisible(people_.empty());
    resizeEvent(nullptr);
}

void PeoplePickerViewController::resizeEvent(QResizeEvent*) {
    if (tipView_) tipView_->setGeometry(rect().adjusted(16, 0, -16, -height() / 3));
}

}  // namespace hv
