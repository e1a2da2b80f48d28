// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Accessibility.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QWidget>

#include "ui/TableRow.h"
#include "ui/TableRowAccessible.h"

namespace hv {

namespace {

constexpr const char* kRoleProperty = "hvAccessibleRole";

// A widget with a role of its own; a label keeps reading as its text.
class RoleAccessible : public QAccessibleWidget {
public:
    RoleAccessible(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    QString text(QAccessible::Text t) const override {
        const QString text = QAccessibleWidget::text(t);
        if (t != QAccessible::Name || !text.isEmpty()) return text;
        const auto* label = qobject_cast<const QLabel*>(widget());
        return label ? label->text() : text;
    }
};

QAccessibleInterface* kitInterface(const QString& className, QObject* object) {
    Q_UNUSED(className);
    if (auto* row = qobject_cast<TableRow*>(object)) return new TableRowAccessible(row);
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) return nullptr;
    const QVariant role = widget->property(kRoleProperty);
    if (!role.isValid()) return nullptr;
    return new RoleAccessible(widget, QAccessible::Role(role.toInt()));
}

}  // namespace

void Accessibility::install() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(kitInterface);
}

void Accessibility::setRole(QWidget* widget, QAccessible::Role role) {
    widget->setProperty(kRoleProperty, int(role));
}

void Accessibility::announce(QWidget* widget) {
    if (!widget || !widget->isVisible()) return;
    // Screen readers read an alert out when it comes into view; a changed one is shown again.
    QAccessibleEvent hidden(widget, QAccessible::ObjectHide);
    QAccessible::updateAccessibility(&hidden);
    QAccessibleEvent shown(widget, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

}  // namespace hv
