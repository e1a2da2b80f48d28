// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QString>

class QWidget;

namespace hv {

// The look of every screen, in one place: each widget that needs more than the platform's
// look is given a role, and the role's style sheet lives here alone.
namespace Style {

enum class Role {
    // The kit.
    BarTitle,
    BarButton,
    BackButton,
    AlertBox,
    AlertTitle,
    TableRow,
    RowTitle,
    RowLabelTitle,  // a form's grey label beside its field
    RowActionTitle,
    RowDestructiveTitle,
    RowSubtitle,
    RowDetail,
    Disclosure,
    Checkmark,
    DetailButton,
    SegmentButton,
    SectionHeader,
    SectionedList,
    SearchField,
    TipView,  // the grey text over an empty list
    WebView,
    // The main menu.
    MenuNewMessage,
    MenuLabel,
    MenuBadge,
    MenuBadgePressed,
    MenuTile,
    MenuWideTile,  // the low tile across both columns, its text beside the icon
    MenuInfoButton,
    // Access.
    PassCodeField,
    LinkButton,
    // The composer.
    FormField,
    FormFieldEditing,  // the recipient while it is edited
    FormFieldEdited,   // and once it no longer is
    MessageEntryField,
    MessageText,
    SendButton,
    SmsCounter,
    // The reader and the records.
    ReaderText,
    ReaderSender,
    ActionButtonDecrypt,
    ActionButtonReply,
    RecordsList,
    NoRecords,
    // The about screen.
    AboutName,
    AboutCompany,
    AboutProperty,
};

// Gives the widget the style sheet of its role.
void apply(QWidget* widget, Role role);

QColor barColor();
QColor groupedBackground();
// A grouped table's content: the grouped background behind the widget of that name.
QString groupedContent(const QString& objectName);
// A focus ring of that corner radius, drawn by a frame of that name.
QString focusRing(const QString& objectName, int radius);

// The records list's colour (its role's style sheet), also beside it on a wide screen.
QColor recordsBackground();

// Paints the widget's background in that colour.
void useBackground(QWidget* widget, const QColor& colour);
// Paints the widget's background in the grouped-table colour of settings-style screens.
void useGroupedBackground(QWidget* widget);

}  // namespace Style

}  // namespace hv
