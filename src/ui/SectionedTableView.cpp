// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/SectionedTableView.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QMenu>

#include "platform/Localization.h"
#include "platform/LocalizationKeys.h"
#include "ui/SectionIndex.h"
#include "ui/SectionedListModel.h"
#include "ui/SectionedRowDelegate.h"
#include "ui/Style.h"

namespace hv {

SectionedTableView::SectionedTableView(QWidget* parent)
    : QWidget(parent),
      list_(new QListView(this)),
      index_(new SectionIndex(this)),
      delegate_(new SectionedRowDelegate(this)) {
    list_->setObjectName("tableView");
    list_->setItemDelegate(delegate_);
    list_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAttribute(Qt::WA_StyledBackground);
    Style::apply(this, Style::Role::SectionedList);
    list_->installEventFilter(this);
    connect(list_, &QListView::clicked, this, [this](const QModelIndex& index) {
        // While editing, a tap is for the "Delete" buttons, not for choosing.
        if (!isEditing()) reportRow(index.row(), Report::Selected);
    });
    connect(delegate_, &SectionedRowDelegate::deleteRequested, this,
            [this](int row) { reportRow(row, Report::Delete); });
    connect(list_, &QListView::customContextMenuRequested, this, &SectionedTableView::showRowMenu);
    connect(index_, &SectionIndex::sectionSelected, this, &SectionedTableView::scrollToSection);
}

void SectionedTableView::setModel(SectionedListModel* model) {
    if (model_) model_->disconnect(this);
    model_ = model;
    list_->setModel(model);
    if (model) {
        connect(model, &QAbstractItemModel::modelReset, this, &SectionedTableView::updateIndex);
        connect(model, &QAbstractItemModel::rowsRemoved, this, &SectionedTableView::updateIndex);
    }
    updateIndex();
}

void SectionedTableView::setDeletable(bool deletable) {
    deletable_ = deletable;
    if (!deletable) setEditing(false);
}

void SectionedTableView::setEditing(bool editing) {
    delegate_->setEditing(editing && deletable_);
    if (isEditing()) list_->clearSelection();
    list_->viewport()->update();
}

bool SectionedTableView::isEditing() const {
    return delegate_->isEditing();
}

void SectionedTableView::scrollToSection(int section) {
    if (!model_) return;
    const int row = model_->rowOfSection(section);
    if (row >= 0) list_->scrollTo(model_->index(row), QAbstractItemView::PositionAtTop);
}

void SectionedTableView::clearSelection() {
    list_->clearSelection();
}

void SectionedTableView::setTypingTarget(QLineEdit* field) {
    typingTarget_ = field;
}

void SectionedTableView::updateIndex() {
    const QStringList titles = model_ ? model_->sectionIndexTitles() : QStringList();
    index_->setTitles(titles);
    index_->setVisible(!titles.isEmpty());
    layOutList();
}

void SectionedTableView::resizeEvent(QResizeEvent*) {
    layOutList();
}

void SectionedTableView::layOutList() {
    // The index has a strip of its own at the right, so that it covers no text.
    const int strip = index_->isHidden() ? 0 : index_->width() + 2;
    list_->setGeometry(0, 0, width() - strip, height());
    if (index_->isHidden()) return;
    const int height = qMin(this->height() - 8, int(index_->titles().size()) * 16);
    index_->setGeometry(width() - strip + 1, (this->height() - height) / 2, index_->width(),
                        height);
}

void SectionedTableView::reportRow(int row, Report report) {
    if (!model_ || row < 0 || row >= model_->rowCount()) return;
    const QModelIndex index = model_->index(row);
    if (index.data(SectionedListModel::IsHeaderRole).toBool()) return;
    const int section = index.data(SectionedListModel::SectionRole).toInt();
    const int entry = index.data(SectionedListModel::EntryRole).toInt();
    switch (report) {
        case Report::Selected:
            emit entrySelected(section, entry);
            break;
        case Report::Delete:
            if (deletable_) emit deleteRequested(section, entry);
            break;
        case Report::DeleteKey:
            if (deletable_) emit deleteKeyPressed(section, entry);
            break;
    }
}

void SectionedTableView::showRowMenu(const QPoint& position) {
    const QModelIndex index = list_->indexAt(position);
    if (!deletable_ || !index.isValid() || index.data(SectionedListModel::IsHeaderRole).toBool())
        return;
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const QPersistentModelIndex row(index);
    menu->addAction(localized(kKeyDelete), this, [this, row] {
        if (row.isValid()) reportRow(row.row(), Report::Delete);
    });
    menu->popup(list_->viewport()->mapToGlobal(position));
}

bool SectionedTableView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::FocusIn) {
        // Reached with Tab: the row the keyboard is on shows.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if ((reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) && model_ &&
            !list_->selectionModel()->hasSelection()) {
            QModelIndex row = list_->currentIndex();
            for (int r = 0; !row.isValid() && r < model_->rowCount(); ++r)
                if (model_->flags(model_->index(r)) & Qt::ItemIsSelectable) row = model_->index(r);
            if (row.isValid())
                list_->selectionModel()->setCurrentIndex(row, QItemSelectionModel::ClearAndSelect);
        }
    }
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const auto* press = static_cast<QKeyEvent*>(event);
        const int key = press->key();
        const QString typed = press->text();
        if (typingTarget_ && !typed.isEmpty() && typed.at(0).isPrint() &&
            !(press->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
            typingTarget_->setFocus(Qt::OtherFocusReason);
            typingTarget_->insert(typed);
            return true;
        }
        const QModelIndex current = list_->currentIndex();
        // Only a row the user has selected, and so sees highlighted, is acted on.
        const bool selected = current.isValid() && list_->selectionModel()->isSelected(current);
        if (key == Qt::Key_Delete && selected && deletable_) {
            reportRow(current.row(), Report::DeleteKey);
            return true;
        }
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && selected && !isEditing()) {
            reportRow(current.row(), Report::Selected);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace hv
