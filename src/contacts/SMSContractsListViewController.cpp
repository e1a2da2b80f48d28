// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "contacts/SMSContractsListViewController.h"

#include <QAction>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPointer>
#include <QScrollBar>
#include <QVBoxLayout>

#include "addressbook/ABContact.h"
#include "contacts/AddContractViewController.h"
#include "contacts/ContractsListData.h"
#include "contacts/DeleteContactQuestion.h"
#include "contacts/PickedContact.h"
#include "peoplepicker/PeoplePickerNavigationController.h"
#include "peoplepicker/PersonViewController.h"
#include "peoplepicker/PhoneNumberPick.h"
#include "platform/ContactsMetaType.h"
#include "platform/Localization.h"
#include "platform/LocalizationKeys.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "store/HushvaultSqlite.h"
#include "ui/ActionSheet.h"
#include "ui/AlertView.h"
#include "ui/NavigationController.h"
#include "ui/SectionedListModel.h"
#include "ui/SectionedTableView.h"
#include "ui/SegmentedControl.h"
#include "ui/Style.h"

namespace hv {

namespace {

constexpr int kFriends = 0;
constexpr int kAll = 1;

}  // namespace

SMSContractsListViewController::SMSContractsListViewController(StorePaths paths,
                                                               const AddressBook& addressBook,
                                                               QWidget* parent)
    : ViewController(parent), paths_(std::move(paths)), addressBook_(addressBook) {
    setObjectName("SMSContractsListViewController");
}

SMSContractsListViewController::~SMSContractsListViewController() = default;

void SMSContractsListViewController::viewDidLoad() {
    management_ = title() == localized(kKeyManagement);
    sqlite = std::make_unique<HushvaultSqlite>(paths_.documentsDirectory());
    contactsFilterDict =
        std::make_unique<ContractsListData>(Localization::installedLanguage().toStdString());

    if (!management_) {
        // Only the composer's list offers the address book beside the secret contacts.
        chooseSegmentController =
            new SegmentedControl({localized(kKeyFriends), localized(kKeyAll)});
        chooseSegmentController->setObjectName("chooseSegmentController");
        chooseSegmentController->setSelectedSegmentIndex(kFriends);
        connect(chooseSegmentController, &SegmentedControl::valueChanged, this,
                &SMSContractsListViewController::segmenteControlMethod);
        navigationItem()->setTitleView(chooseSegmentController);
    }

    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    searchBar_ = new QLineEdit;
    searchBar_->setObjectName("searchBar");
    searchBar_->setPlaceholderText(localized(kKeySearch));
    searchBar_->setAccessibleName(localized(kKeySearch));
    searchBar_->setClearButtonEnabled(true);
    // The clear button reads as what it does.
    if (auto* clear = searchBar_->findChild<QAction*>("_q_qlineeditclearaction"))
        clear->setText(localized(kKeyA11yClearSearch));
    Style::apply(searchBar_, Style::Role::SearchField);
    searchBar_->installEventFilter(this);
    connect(searchBar_, &QLineEdit::textChanged, this,
            &SMSContractsListViewController::shouldReloadTableForSearchString);
    auto* searchHolder = new QWidget;
    Style::useGroupedBackground(searchHolder);
    auto* searchLayout = new QVBoxLayout(searchHolder);
    searchLayout->setContentsMargins(8, 6, 8, 6);
    searchLayout->addWidget(searchBar_);
    layout->addWidget(searchHolder);

    model_ = new SectionedListModel(this);
    tableView = new SectionedTableView;
    tableView->setModel(model_);
    tableView->setDeletable(true);  // the secret contacts; the address book's persons not
    tableView->listView()->setAccessibleName(title());
    tableView->setTypingTarget(searchBar_);
    connect(tableView, &SectionedTableView::entrySelected, this,
            &SMSContractsListViewController::didSelectRow);
    connect(tableView, &SectionedTableView::deleteRequested, this,
            &SMSContractsListViewController::commitDelete);
    connect(tableView, &SectionedTableView::deleteKeyPressed, this,
            &SMSContractsListViewController::askBeforeDelete);
    layout->addWidget(tableView, 1);
    setContentView(content);

    tableView->installEventFilter(this);
    tableView->listView()->installEventFilter(this);
    tipView = new QLabel(tableView);
    tipView->setObjectName("tipView");
    tipView->setAlignment(Qt::AlignCenter);
    tipView->setWordWrap(true);
    tipView->setAttribute(Qt::WA_TransparentForMouseEvents);
    Style::apply(tipView, Style::Role::TipView);
    tipView->hide();

    if (management_) updateEditButton();
    // The list, not the search bar, has the keyboard at first: a phone would otherwise
    // raise its on-screen keyboard over the list.
    tableView->listView()->setFocus();

    // The management list reads its contacts each time it appears, the first time too.
    if (management_) return;
    contactsDictFlip();
    if (contactsFilterDict->isEmpty()) {
        // Nobody to choose among the secret contacts: the address book it is.
        chooseSegmentController->setSelectedSegmentIndex(kAll);
        segmenteControlMethod(kAll);
    } else {
        resetSearch();
        showTable();
    }
}

void SMSContractsListViewController::viewWillAppear(bool) {
    tableView->clearSelection();
    // Back from the editor, the list shows where it was.
    QScrollBar* scroll = tableView->listView()->verticalScrollBar();
    const int position = scroll->value();
    if (management_) {
        // Changes made in the editor show on return.
        clearSearchBar();
        showFriends(kKeyAddFriends);
        resetSearch();
    }
    reloadTable();
    tableView->listView()->doItemsLayout();
    scroll->setValue(position);
}

void SMSContractsListViewController::contactsDictFlip() {
    std::vector<Contacts> contacts = sqlite->findAllContracts();
    if (!sqlite->lastError().empty() && !storeErrorShown_) {
        // An unreadable store is not an empty one: the user is told, once.
        storeErrorShown_ = true;
        auto* alert = new AlertView(kKeyWarning, nullptr, nullptr, {kKeyDone});
        alert->setMessageText(
            localized(kKeyDatabaseError).arg(QString::fromStdString(sqlite->dataBasePath())));
        alert->show();
    }
    contactsFilterDict->loadFriends(std::move(contacts));
    tableView->setDeletable(true);
}

void SMSContractsListViewController::showFriends(const char* tipKey) {
    contactsDictFlip();
    if (contactsFilterDict->isEmpty())
        showTip(tipKey);
    else
        showTable();
}

void SMSContractsListViewController::loadAddressBook() {
    contactsFilterDict->loadAll(addressBook_);
    tableView->setDeletable(false);
}

void SMSContractsListViewController::clearSearchBar() {
    // The field itself hears the change (its clear button goes); the search does not.
    clearingSearchBar_ = true;
    searchBar_->clear();
    clearingSearchBar_ = false;
}

void SMSContractsListViewController::keyPressEvent(QKeyEvent* event) {
    // In editing mode the bar has "+" and "Done" instead of "Back": Escape is "Done".
    if (editing_ && event->key() == Qt::Key_Escape) {
        setEditing(false, true);
        return;
    }
    ViewController::keyPressEvent(event);
}

bool SMSContractsListViewController::eventFilter(QObject* watched, QEvent* event) {
    if (watched == tableView && event->type() == QEvent::Resize) placeTip();
    // "+" (or Insert) in editing mode adds; the list would take "+" for a type-ahead.
    if (tableView && watched == tableView->listView() && event->type() == QEvent::KeyPress &&
        editing_) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Plus || key == Qt::Key_Insert) {
            add();
            return true;
        }
    }
    if (watched == searchBar_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Down) {
        // Down from the search field goes to the first entry shown.
        QListView* list = tableView->listView();
        for (int row = 0; row < model_->rowCount(); ++row)
            if (model_->flags(model_->index(row)) & Qt::ItemIsSelectable) {
                list->setFocus();
                list->setCurrentIndex(model_->index(row));
                return true;
            }
    }
    return ViewController::eventFilter(watched, event);
}

void SMSContractsListViewController::resetSearch() {
    contactsFilterDict->endSearch();
}

void SMSContractsListViewController::segmenteControlMethod(int index) {
    clearSearchBar();
    if (index == kAll) {
        loadAddressBook();
        showTable();
    } else {
        showFriends(kKeyNoAdded);
    }
    resetSearch();
    reloadTable();
}

void SMSContractsListViewController::shouldReloadTableForSearchString(const QString& text) {
    if (clearingSearchBar_) return;
    if (text.isEmpty()) {
        // The search is over: the sections of the segment come back, the secret contacts
        // as they are now; the address book is not read again for it (it can be large).
        if (contactsFilterDict->kind() == ContractsListData::Kind::Friends) contactsDictFlip();
        resetSearch();
    } else {
        contactsFilterDict->search(text);
    }
    reloadTable();
}

void SMSContractsListViewController::reloadTable() {
    if (contactsFilterDict->isSearching())
        model_->setSections(contactsFilterDict->results(), false);
    else
        model_->setSections(contactsFilterDict->sections(), true);
}

void SMSContractsListViewController::showTip(const char* key) {
    tipView->setText(localized(key));
    tipView->show();
    placeTip();
}

void SMSContractsListViewController::showTable() {
    tipView->hide();
}

void SMSContractsListViewController::placeTip() {
    // Over the (empty) table, under the search bar, a little above its middle.
    if (!tipView) return;
    const QRect table = tableView->rect();
    tipView->setGeometry(table.adjusted(16, 0, -16, -table.height() / 4));
    tipView->raise();
}

void SMSContractsListViewController::setEditing(bool editing, bool) {
    loadViewIfNeeded();
    if (!management_ || editing == editing_) return;
    editing_ = editing;
    tableView->setEditing(editing);
    NotificationCenter::defaultCenter().postNotification(kNotificationHidden,
                                                         editing ? "YES" : "NO");
    if (editing)
        navigationItem()->setLeftBarButtonItem(BarButtonItem{
            "+", {}, [this] { add(); }, "addButton", false, localized(kKeyA11yAddContact)});
    else
        navigationItem()->setLeftBarButtonItem(std::nullopt);
    updateEditButton();
}

bool SMSContractsListViewController::isEditing() const {
    return editing_;
}

void SMSContractsListViewController::updateEditButton() {
    navigationItem()->setRightBarButtonItem(BarButtonItem{localized(editing_ ? kKeyDone : kKeyEdit),
                                                          {},
                                                          [this] { setEditing(!editing_, true); },
                                                          "editButton"});
}

void SMSContractsListViewController::add() {
    auto* sheet = new ActionSheet(nullptr, kKeyCancel, {kKeyWrite, kKeyChoose},
                                  [this](AlertView*, int index) {
                                      if (index == 0) addSecretContract();
                                      if (index == 1) chooseFromAddressBook();
                                  });
    sheet->setAccessibleName(localized(kKeyA11yAddContact));
    sheet->show();
}

void SMSContractsListViewController::addSecretContract() {
    openEditor(Contacts{}, localized(kKeyAddContactTitle));
}

void SMSContractsListViewController::openEditor(const Contacts& contact, const QString& title) {
    auto* editor = new AddContractViewController(paths_, addressBook_);
    editor->setTitle(title);
    editor->setContracts(contact);
    if (NavigationController* nav = navigationController()) nav->pushViewController(editor, true);
}

void SMSContractsListViewController::chooseFromAddressBook() {
    // The editor opens for the chosen number once the picker is gone.
    auto* picker = PhoneNumberPick::makePicker(
        addressBook_, [this](PeoplePickerNavigationController* p, const ABContact& person,
                             const std::string& number) {
            p->dismissModalViewController(false);
            openEditor(PickedContact::byCompositeName(person, number),
                       localized(kKeyAddContactTitle));
        });
    presentModalViewController(picker, true);
}

void SMSContractsListViewController::didSelectRow(int section, int entry) {
    if (const ABContact* person = contactsFilterDict->personAt(section, entry)) {
        choosePerson(*person);
        return;
    }
    const Contacts* found = contactsFilterDict->contactAt(section, entry);
    if (!found) return;
    const Contacts contact = *found;
    if (management_) {
        openEditor(contact, QString::fromStdString(contact.name));
        return;
    }
    handToComposer(contact);
}

void SMSContractsListViewController::choosePerson(const ABContact& person) {
    const auto& phones = person.phoneArray();
    if (phones.empty()) {
        (new AlertView(kKeyWarning, kKeyNoContracts, nullptr, {kKeyDone}))->show();
        return;
    }
    if (phones.size() == 1) {
        handToComposer(PickedContact::byCompositeName(person, phones.front()));
        return;
    }
    auto* details = new PersonViewController;
    details->setTitle(localized(kKeyChooseNumber));
    details->setDisplayedPerson(person);
    details->setNumberTapped([details](const ABContact& chosen, const std::string& number) {
        NotificationCenter::defaultCenter().postNotification(
            kNotificationGetContractInfo,
            QVariant::fromValue(PickedContact::byCompositeName(chosen, number)));
        NavigationController* nav = details->navigationController();
        if (!nav) return;
        const QList<ViewController*> stack = nav->viewControllers();
        if (stack.size() > 1) nav->popToViewController(stack[1], true);
    });
    if (NavigationController* nav = navigationController()) nav->pushViewController(details, true);
}

void SMSContractsListViewController::handToComposer(const Contacts& contact) {
    NotificationCenter::defaultCenter().postNotification(kNotificationGetContractInfo,
                                                         QVariant::fromValue(contact));
    reloadTable();
    if (NavigationController* nav = navigationController()) nav->popViewControllerAnimated(true);
}

void SMSContractsListViewController::askBeforeDelete(int section, int entry) {
    const Contacts* contact = contactsFilterDict->contactAt(section, entry);
    if (!contact) return;
    const std::int32_t id = contact->contract_id;
    QPointer<SMSContractsListViewController> list(this);
    DeleteContactQuestion::ask([list, section, entry, id] {
        // The alert covered the list: the row is the one asked about, checked all the same.
        const Contacts* asked =
            list ? list->contactsFilterDict->contactAt(section, entry) : nullptr;
        if (asked && asked->contract_id == id) list->commitDelete(section, entry);
    });
}

void SMSContractsListViewController::commitDelete(int section, int entry) {
    const Contacts* contact = contactsFilterDict->contactAt(section, entry);
    if (!contact) return;  // only secret contacts are deleted
    sqlite->deleteContractByid(contact->contract_id);
    if (!sqlite->lastError().empty()) {
        (new AlertView(kKeyWarning, kKeyDeleteFailed, nullptr, {kKeyDone}))->show();
        return;
    }
    // The row goes; its section keeps its header until the sections are next rebuilt.
    contactsFilterDict->removeAt(section, entry);
    model_->removeEntry(section, entry);
}

}  // namespace hv
