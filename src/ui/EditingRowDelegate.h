// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStyledItemDelegate>

namespace hv {

// The common part of the delegates of lists whose rows show a red "Delete" button in
// editing mode (rows of a list view are not widgets): it keeps the mode, paints the
// button, and turns a tap on it into deleteRequested(row).
class EditingRowDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void setEditing(bool editing) { editing_ = editing; }
    bool isEditing() const { return editing_; }

signals:
    void deleteRequested(int row);

protected:
    // Where the row's button is, in the view's coordinates; empty for a row without one.
    virtual QRect deleteButtonOf(const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const = 0;
    static void paintDeleteButton(QPainter* painter, const QRect& button, const QFont& baseFont);

    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

private:
    bool editing_ = false;
};

}  // namespace hv
