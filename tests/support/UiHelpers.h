// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractButton>
#include <QString>

namespace hv {
class AlertView;
class Window;
}  // namespace hv

namespace hv::test {

// Taps the named button (found anywhere under the widget) with a real mouse click.
void tap(QWidget* root, const QString& objectName);
void tap(QAbstractButton* button);

// The alert on screen (the newest), or null.
AlertView* visibleAlert();
// Taps the alert's button with the given index.
void tapAlertButton(AlertView* alert, int index);

// The title shown on the window's top navigation bar.
QString barTitle(QWidget* root);

// Makes the window the active one, so that the keyboard focus and key events go where
// they would for a person at the keyboard.
void activate(QWidget* window);

}  // namespace hv::test
