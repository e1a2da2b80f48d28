// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/TableRowAccessible.h"

#include "ui/TableRow.h"

namespace hv {

TableRowAccessible::TableRowAccessible(TableRow* row) : QAccessibleWidget(row) {}

TableRow* TableRowAccessible::row() const {
    return static_cast<TableRow*>(widget());
}

QAccessible::Role TableRowAccessible::role() const {
    if (row()->holdsControl()) return QAccessible::Grouping;
    return row()->isChoice() ? QAccessible::RadioButton : QAccessible::Button;
}

QAccessible::State TableRowAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    if (row()->isChoice()) {
        state.checkable = true;
        state.checked = row()->accessory() == TableRow::Accessory::Checkmark;
    }
    return state;
}

QString TableRowAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name) return row()->title();
    if (t == QAccessible::Description) {
        QStringList parts;
        for (const QString& part : {row()->subtitle(), row()->detail()})
            if (!part.isEmpty()) parts.append(part);
        return parts.join(", ");
    }
    return QAccessibleWidget::text(t);
}

QStringList TableRowAccessible::actionNames() const {
    if (row()->holdsControl()) return QAccessibleWidget::actionNames();
    return {pressAction()};
}

void TableRowAccessible::doAction(const QString& actionName) {
    if (actionName == pressAction() && !row()->holdsControl())
        row()->tap();
    else
        QAccessibleWidget::doAction(actionName);
}

}  // namespace hv
