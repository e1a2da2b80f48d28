// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

#include "ui/ViewController.h"

namespace hv {

class GroupedTableView;

// Asks whether the friend's phone runs Hushvault: row 0 "cell" (no: web link), row 1
// "iphone" (yes: application link). A choice is announced with phoneTypeChosen (create()
// connects it to a receiver of the caller's) and returns to the screen below; "Back"
// chooses nothing. Rows are taller in English, whose subtitles wrap
// to three lines (two in Chinese).
class ChoosePhoneTypeViewController : public ViewController {
    Q_OBJECT
public:
    explicit ChoosePhoneTypeViewController(QWidget* parent = nullptr);
    // A chooser whose choice goes to `chosen`.
    static ChoosePhoneTypeViewController* create(std::function<void(bool isIphone)> chosen);

    void chooseRow(int row);

signals:
    void phoneTypeChosen(bool isIphone);

protected:
    void viewDidLoad() override;

private:
    // Taller rows in English, whose subtitles wrap to three lines (two in Chinese).
    static int rowHeight(const QString& international);
    static int subtitleLines(const QString& international);

    GroupedTableView* table_ = nullptr;
};

}  // namespace hv
