// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messaging/ManageHiddenMSGController.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QMenu>

#include "messaging/RecordsDelegate.h"
#include "messaging/RecordsModel.h"
#include "platform/Localization.h"
#include "platform/LocalizationKeys.h"
#include "store/HushvaultSqlite.h"
#include "ui/AlertView.h"
#include "ui/Style.h"
#include "ui/Window.h"

namespace hv {

ManageHiddenMSGController::ManageHiddenMSGController(StorePaths paths, QWidget* parent)
    : ViewController(parent), paths_(std::move(paths)) {
    setObjectName("ManageHiddenMSGController");
}

void ManageHiddenMSGController::viewDidLoad() {
    setTitle(localized(kKeyRecordsTitle));
    model_ = new RecordsModel(this);
    delegate_ = new RecordsDelegate(this);
    tableView = new QListView;
    tableView->setObjectName("tableView");
    tableView->setAccessibleName(title());
    tableView->setModel(model_);
    tableView->setItemDelegate(delegate_);
    tableView->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    tableView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tableView->setSelectionMode(QAbstractItemView::SingleSelection);
    tableView->setContextMenuPolicy(Qt::CustomContextMenu);
    Style::apply(tableView, Style::Role::RecordsList);
    Style::useBackground(this, Style::recordsBackground());  // beside the list on a wide screen
    tableView->installEventFilter(this);
    connect(delegate_, &RecordsDelegate::deleteRequested, this,
            &ManageHiddenMSGController::deleteRecord);
    connect(tableView, &QListView::customContextMenuRequested, this,
            &ManageHiddenMSGController::showRowMenu);
    setContentView(tableView);

    noRecords_ = new QLabel(localized(kKeyNoRecords), this);
    noRecords_->setObjectName("noRecords");
    noRecords_->setAlignment(Qt::AlignCenter);
    noRecords_->setAttribute(Qt::WA_TransparentForMouseEvents);
    Style::apply(noRecords_, Style::Role::NoRecords);
    noRecords_->hide();
    updateEditButton();
}

void ManageHiddenMSGController::viewWillAppear(bool) {
    reload();
}

void ManageHiddenMSGController::reload() {
    HushvaultSqlite store(paths_.documentsDirectory());
    model_->load(store, localized(kKeyTo), localized(kKeyFailedSend));
    noRecords_->setVisible(model_->rowCount() == 0);
    placeNoRecords();
}

void ManageHiddenMSGController::placeNoRecords() {
    if (!noRecords_) return;
    noRecords_->setGeometry(0, 0, width(), height() / 3);
    noRecords_->raise();
}

void ManageHiddenMSGController::resizeEvent(QResizeEvent*) {
    placeNoRecords();
}

void ManageHiddenMSGController::setEditing(bool editing, bool) {
    loadViewIfNeeded();
    delegate_->setEditing(editing);
    tableView->viewport()->update();
    updateEditButton();
}

bool ManageHiddenMSGController::isEditing() const {
    return delegate_ && delegate_->isEditing();
}

void ManageHiddenMSGController::updateEditButton() {
    const bool editing = isEditing();
    navigationItem()->setRightBarButtonItem(
        BarButtonItem{localized(editing ? kKeyDone : kKeyEdit),
                      {},
                      [this, editing] { setEditing(!editing, true); },
                      "editButton"});
}

void ManageHiddenMSGController::deleteRecord(int row) {
    loadViewIfNeeded();
    HushvaultSqlite store(paths_.documentsDirectory());
    if (!model_->deleteRecord(store, row) && !store.lastError().empty())
        (new AlertView(kKeyWarning, kKeyRecordNotDeleted, nullptr, {kKeyDone}))
            ->show(Window::of(this));
}

void ManageHiddenMSGController::showRowMenu(const QPoint& position) {
    const QModelIndex index = tableView->indexAt(position);
    if (!index.isValid()) return;
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const QPersistentModelIndex row(index);
    menu->addAction(localized(kKeyDelete), this, [this, row] {
        if (row.isValid()) deleteRecord(row.row());
    });
    menu->popup(tableView->viewport()->mapToGlobal(position));
}

bool ManageHiddenMSGController::eventFilter(QObject* watched, QEvent* event) {
    if (watched == tableView && event->type() == QEvent::KeyPress) {
        // Only a record the user has selected, and so sees highlighted, goes.
        const QModelIndex current = tableView->currentIndex();
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete && current.isValid() &&
            tableView->selectionModel()->isSelected(current)) {
            deleteRecord(current.row());
            return true;
        }
    }
    return ViewController::eventFilter(watched, event);
}

}  // namespace hv
