// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QHash>
#include <QPixmap>
#include "ui/EditingRowDelegate.h"

namespace hv {

// Paints the rows of a SectionedListModel: a section's header as a grey band with its
// title; an entry with its image at the left, its text, and its detail text after it. In
// editing mode a "Delete" button stands at the right of every entry; a tap on it asks for
// the deletion of that row.
class SectionedRowDelegate : public EditingRowDelegate {
    Q_OBJECT
public:
    static constexpr int kHeaderHeight = 22;
    static constexpr int kRowHeight = 44;

    explicit SectionedRowDelegate(QObject* parent = nullptr);

    // Where the "Delete" button of a row is, in the view's coordinates.
    static QRect deleteButton(const QRect& rowRect);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // How wide the detail (a number) is drawn in a row's room beside a text: whole while
    // the text keeps a few letters, at least 45% of the room.
    static int detailWidth(int room, int textNeeds, int detailNeeds);

protected:
    QRect deleteButtonOf(const QStyleOptionViewItem& option,
                         const QModelIndex& index) const override;

private:
    // The row picture, drawn for that many pixels a point.
    const QPixmap& image(const QString& resource, qreal density) const;

    mutable QHash<QString, QPixmap> images_;
};

}  // namespace hv
