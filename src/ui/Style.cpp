// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Style.h"

#include <QPalette>
#include <QWidget>

#include "ui/StretchableBackground.h"

namespace hv::Style {

namespace {

struct RoleSheet {
    Role role;
    const char* sheet;
};

constexpr RoleSheet kSheets[] = {
    {Role::BarTitle, "color: white;"},  // its font: NavigationBar fits the size to the room
    {Role::BarButton,
     "QPushButton { color: white; font-size: 13px; padding: 0 8px; border: 1px solid "
     "rgba(255,255,255,90); border-radius: 5px; background: rgba(255,255,255,30); }"
     "QPushButton:pressed { background: rgba(255,255,255,80); }"},
    {Role::BackButton,
     "QPushButton { color: white; font-size: 13px; padding: 0 8px 0 12px; border: 1px "
     "solid rgba(255,255,255,90); border-top-left-radius: 13px; "
     "border-bottom-left-radius: 13px; border-top-right-radius: 5px; "
     "border-bottom-right-radius: 5px; background: rgba(255,255,255,30); }"
     "QPushButton:pressed { background: rgba(255,255,255,80); }"},
    {Role::AlertBox,
     "#alertBox { background: rgba(245,246,250,250); border-radius: 12px; }"
     "QLabel { color: #1c1c1e; }"
     "QPushButton { border: none; border-top: 1px solid #c8c8cc; color: #2f6fd6;"
     " font-size: 15px; min-height: 40px; background: transparent; }"
     "QPushButton:pressed, QPushButton:focus { background: #dcdce0; }"
     "QLineEdit { border: 1px solid #c8c8cc; border-radius: 4px; padding: 4px; background: "
     "white; }"},
    {Role::AlertTitle, "font-weight: bold; font-size: 16px;"},
    {Role::TableRow,
     "hv--TableRow { background: white; border-bottom: 1px solid #dcdce0; }"
     "hv--TableRow:focus { background: #d3e2fb; }"},
    {Role::RowTitle, "color: #1c1c1e;"},
    {Role::RowLabelTitle, "font-size: 15px; color: #6d6d72;"},
    {Role::RowActionTitle, "color: #2f6fd6;"},
    {Role::RowDestructiveTitle, "color: #d0021b;"},
    {Role::RowSubtitle, "color: #6d6d72;"},
    {Role::RowDetail, "color: #6d6d72;"},
    {Role::Disclosure, "font-size: 22px; color: #c7c7cc;"},
    {Role::Checkmark, "font-size: 18px; font-weight: bold; color: #2f6fd6;"},
    {Role::DetailButton,
     "QPushButton { border: 1.5px solid #2f6fd6; border-radius: 12px; color: #2f6fd6;"
     " font-weight: bold; font-style: italic; background: white; }"
     "QPushButton:focus { background: #e6eefb; }"
     "QPushButton:disabled { border-color: #d1d1d6; color: #c7c7cc; }"},
    {Role::SegmentButton,
     "QPushButton { border: 1px solid #2f6fd6; color: #2f6fd6; background: white;"
     " min-height: 28px; padding: 0 10px; }"
     "QPushButton:checked { background: #2f6fd6; color: white; }"},
    {Role::SectionHeader, "color: #6d6d72; font-size: 13px; padding: 0 0 4px 8px;"},
    {Role::SectionedList, "hv--SectionedTableView, QListView { background: white; border: none; }"},
    {Role::SearchField,
     "QLineEdit { border: 1px solid #b8c0cc; border-radius: 14px; padding: 4px 10px;"
     " background: white; font-size: 15px; }"},
    {Role::TipView, "color: #8e8e93; font-size: 21px; background: transparent;"},
    {Role::WebView, "QTextBrowser { background: white; padding: 6px; }"},
    // Its focus is the ring around its rounded picture, not a square behind it.
    {Role::MenuNewMessage, "QPushButton { border: none; background: transparent; outline: none; }"},
    {Role::MenuLabel, "color: white; background: transparent;"},
    {Role::MenuBadge,
     "color: #2f6fd6; background: white; border-radius: 8px; padding: 2px 8px;"
     " font-size: 12px; font-weight: bold;"},
    {Role::MenuBadgePressed,
     "color: white; background: #1d4f9e; border-radius: 8px; padding: 2px 8px;"
     " font-size: 12px; font-weight: bold;"},
    {Role::MenuWideTile,
     "QToolButton { color: #1c2a44; font-size: 14px; font-weight: bold; border: 1px solid "
     "#d3dae6; border-radius: 12px; background: rgba(255,255,255,235); padding: 4px 16px; }"
     "QToolButton:pressed { background: #dfe8f7; }"
     "QToolButton:focus { border: 2px solid #2f6fd6; padding: 3px 15px; }"},
    {Role::MenuTile,
     "QToolButton { color: #1c2a44; font-size: 14px; font-weight: bold; border: 1px solid "
     "#d3dae6; border-radius: 12px; background: rgba(255,255,255,235); padding: 14px 4px 10px "
     "4px; }"
     "QToolButton:pressed { background: #dfe8f7; }"
     // The thicker ring takes its point from the padding: the title keeps its room.
     "QToolButton:focus { border: 2px solid #2f6fd6; padding: 13px 3px 9px 3px; }"
     "QToolButton:disabled { color: #a0a8b8; background: rgba(240,242,246,200); }"},
    {Role::MenuInfoButton,
     "QPushButton { border: none; border-image: url(:/images/a6.png) 0 0 0 0 stretch stretch; }"
     "QPushButton:pressed { border-image: url(:/images/a6-S.png) 0 0 0 0 stretch stretch; }"},
    {Role::PassCodeField,
     "QLineEdit { background: white; border: 2px inset #9aa3b0; border-radius: 2px; }"},
    {Role::LinkButton, "QPushButton { color: #2f6fd6; font-size: 14px; border: none; }"},
    {Role::FormField, "border: none; font-size: 15px; background: transparent;"},
    {Role::FormFieldEditing,
     "border: none; font-size: 15px; background: transparent; color: #d0021b;"},
    {Role::FormFieldEdited,
     "border: none; font-size: 15px; background: transparent; color: #1c1c1e;"},
    {Role::MessageEntryField, "#messageEntryField { background: transparent; }"},
    {Role::MessageText, "background: transparent;"},
    {Role::SendButton,
     "QPushButton { color: white; font-weight: bold; font-size: 14px; border-image: "
     "url(:/images/MessageEntrySendButton.png) 0 0 0 0 stretch stretch; }"
     "QPushButton:pressed { color: #dde8ff; }"},
    {Role::SmsCounter,
     "color: white; background: rgba(47,111,214,200); border-radius: 7px;"
     " font-size: 10px; padding: 0 6px;"},
    {Role::ReaderText,
     "QTextEdit { background: white; border: 1px solid #c8c8cc; border-radius: 8px;"
     " padding: 4px; font-size: 16px; color: #1c1c1e; }"},
    {Role::ReaderSender, "font-size: 15px; font-weight: 600; color: #1c1c1e;"},
    {Role::ActionButtonDecrypt,
     "QPushButton { color: white; font-size: 17px; font-weight: bold; border: none; "
     "background: transparent; }"
     "QPushButton:pressed { color: #dde8ff; }"},
    {Role::ActionButtonReply,
     "QPushButton { color: white; font-size: 17px; font-weight: bold; border: none; "
     "background: transparent; }"
     "QPushButton:pressed { color: #ddffe6; }"},
    {Role::RecordsList, "QListView { background: #dbe2ed; border: none; }"},
    {Role::NoRecords, "color: #555555; font-size: 25px; background: transparent;"},
    {Role::AboutName, "font-size: 22px; font-weight: bold; color: #1c2a44;"},
    {Role::AboutCompany, "font-size: 14px; color: #3a4a66;"},
    {Role::AboutProperty, "font-size: 13px; color: #6d6d72;"},
};

// The pictures behind the widgets of some roles, stretched by their caps (in points).
struct RolePictures {
    Role role;
    StretchableBackground::Pictures pictures;
};

const RolePictures kPictures[] = {
    // The new-message picture widens between its rounded left edge and the envelope.
    {Role::MenuNewMessage,
     {":/images/menu_new_message.png", ":/images/menu_new_message_pressed.png",
      ":/images/menu_new_message_disabled.png", QMargins(16, 16, 105, 16)}},
    {Role::MessageEntryField,
     {":/images/MessageEntryInputField.png", nullptr, nullptr, QMargins(12, 12, 12, 12)}},
    {Role::ActionButtonDecrypt,
     {":/images/button5.png", nullptr, nullptr, QMargins(12, 12, 12, 12)}},
    {Role::ActionButtonReply, {":/images/button2.png", nullptr, nullptr, QMargins(12, 12, 12, 12)}},
};

}  // namespace

void apply(QWidget* widget, Role role) {
    for (const RoleSheet& entry : kSheets)
        if (entry.role == role) widget->setStyleSheet(QString::fromUtf8(entry.sheet));
    StretchableBackground::Pictures pictures{};
    for (const RolePictures& entry : kPictures)
        if (entry.role == role) pictures = entry.pictures;
    // A role without a picture takes away the one an earlier role gave.
    StretchableBackground::set(widget, pictures);
}

QColor barColor() {
    return QColor(0x2b, 0x3a, 0x55);
}

QColor groupedBackground() {
    return QColor(0xef, 0xef, 0xf4);
}

QString groupedContent(const QString& objectName) {
    return QString("#%1 { background: %2; }").arg(objectName, groupedBackground().name());
}

QString focusRing(const QString& objectName, int radius) {
    return QString(
               "#%1 { border: 3px solid #ffcf40; border-radius: %2px; background: transparent; }")
        .arg(objectName)
        .arg(radius);
}

QColor recordsBackground() {
    return QColor(0xdb, 0xe2, 0xed);
}

void useBackground(QWidget* widget, const QColor& colour) {
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
}

void useGroupedBackground(QWidget* widget) {
    useBackground(widget, groupedBackground());
}

}  // namespace hv::Style
