// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "access/PassWordView.h"
#include "store/StorePaths.h"
#include "ui/ViewController.h"

class QPushButton;

namespace hv {

class LoginListener;

// Asks for the administrator password. On a match it tells the main menu (when it was
// given one), restarts the locking period ("LockTime"), posts "login" then "lockTime",
// and closes. Presented modally in its own navigation container.
class LoginViewController : public ViewController, public PassWordViewDelegate {
    Q_OBJECT
public:
    // menu: the main menu to tell, or null (a login for the reader); not owned.
    explicit LoginViewController(StorePaths paths, LoginListener* menu = nullptr,
                                 QWidget* parent = nullptr);

    void back();
    void Done();
    int checkPassWordWithstring(const QString& passcode) override;
    // Opens the administrator password screen to change the password.
    void passWord();

protected:
    void viewDidLoad() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The "Change password" link, under the pad's input line.
    void placeChangePasswordLink();

    PassWordView* psView = nullptr;
    LoginListener* lumenViewController = nullptr;
    StorePaths paths_;
    QPushButton* changePassword_ = nullptr;
};

}  // namespace hv
