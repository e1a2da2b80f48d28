// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessible>

class QWidget;

namespace hv {

// What assistive technology (a screen reader over AT-SPI) learns of the kit's own widgets:
// table rows are buttons (or choices, checked or not) that can be pressed, alerts are alerts,
// and a widget can be given a role of its own. Installed once, before the first window shows.
class Accessibility {
public:
    static void install();

    // The role a widget is announced with, instead of the one its class gives it.
    static void setRole(QWidget* widget, QAccessible::Role role);
    // Tells assistive tools that a widget with the alert role changed what it says (a
    // status that appeared without a tap: "Sent", a wrong password), so that it is read out.
    static void announce(QWidget* widget);
};

}  // namespace hv
