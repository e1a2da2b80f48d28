// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointer>

#include "ui/ViewController.h"

namespace hv {

class GroupedTableView;
class SettingViewFirstController;

// The five locking times; a tap moves the check mark and saves at once through the
// settings screen. The user leaves with the back button.
class ChooseTimeLockViewController : public ViewController {
    Q_OBJECT
public:
    ChooseTimeLockViewController(SettingViewFirstController* setView, int lastIndexPath,
                                 QWidget* parent = nullptr);

    void selectRow(int row);
    int lastIndexPath() const { return lastIndexPath_; }

protected:
    void viewDidLoad() override;

private:
    void reloadData();

    QPointer<SettingViewFirstController> setView_;
    int lastIndexPath_;
    GroupedTableView* table_ = nullptr;
};

}  // namespace hv
