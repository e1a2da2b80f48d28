// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "access/AdminPasswordSteps.h"
#include "access/PassWordView.h"
#include "store/StorePaths.h"
#include "ui/ViewController.h"

namespace hv {

class LoginListener;

// Sets the administrator password (two equal entries) or changes it (old, new, new
// again), one passcode entry at a time; see AdminPasswordSteps. On success it tells the
// main menu (when it has one), announces a change with "lockTime" "passWord", and closes.
class SettingViewController : public ViewController, public PassWordViewDelegate {
    Q_OBJECT
public:
    explicit SettingViewController(StorePaths paths, LoginListener* menu = nullptr,
                                   QWidget* parent = nullptr);
    ~SettingViewController() override;

    void Done();
    int checkPassWordWithstring(const QString& passcode) override;

protected:
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewDidDisappear(bool animated) override;

private:
    PassWordView* psView = nullptr;
    LoginListener* secView = nullptr;
    StorePaths paths_;
    AdminPasswordSteps steps_;
};

}  // namespace hv
