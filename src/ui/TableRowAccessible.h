// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessibleWidget>

namespace hv {

class TableRow;

// A table row as assistive technology sees it: a button named by its title, described by
// its detail, that can be pressed; a choice among rows (the locking times) is a radio button,
// checked when chosen. A row holding a field or a switch is only the group around it.
class TableRowAccessible : public QAccessibleWidget {
public:
    explicit TableRowAccessible(TableRow* row);

    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    TableRow* row() const;
};

}  // namespace hv
