// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "access/LoginViewController.h"

#include <QPushButton>

#include "access/LoginCheck.h"
#include "access/LoginListener.h"
#include "access/PassCodeResult.h"
#include "access/SettingViewController.h"
#include "platform/Clock.h"
#include "platform/Localization.h"
#include "platform/LocalizationKeys.h"
#include "platform/Logging.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "store/HushvaultSqlite.h"
#include "store/LockTime.h"
#include "store/SettingsKeys.h"
#include "ui/NavigationController.h"
#include "ui/Style.h"

namespace hv {

namespace {

constexpr int kLinkWidth = 280;  // under the pad's field, however wide the screen

}  // namespace

LoginViewController::LoginViewController(StorePaths paths, LoginListener* menu, QWidget* parent)
    : ViewController(parent), lumenViewController(menu), paths_(std::move(paths)) {
    setObjectName("LoginViewController");
}

void LoginViewController::viewDidLoad() {
    setTitle(localized(kKeyLogin));
    Style::useGroupedBackground(this);
    navigationItem()->setLeftBarButtonItem(
        BarButtonItem{localized(kKeyBack), {}, [this] { back(); }, "loginBackButton", true});
    navigationItem()->setRightBarButtonItem(
        BarButtonItem{localized(kKeyLogin), {}, [this] { Done(); }, "loginButton"});
    psView = new PassWordView(this);
    psView->setDelegate(this);
    setContentView(psView, ContentWidth::Full);
    // Changing the password starts from here too: it asks for the old one first.
    changePassword_ = new QPushButton(localized(kKeyChangePassword), this);
    changePassword_->setObjectName("changePasswordButton");
    changePassword_->setFlat(true);
    changePassword_->setCursor(Qt::PointingHandCursor);
    changePassword_->setFocusPolicy(Qt::TabFocus);  // a tap leaves the keyboard in the pad
    Style::apply(changePassword_, Style::Role::LinkButton);
    connect(changePassword_, &QPushButton::clicked, this, [this] { passWord(); });
    placeChangePasswordLink();
}

void LoginViewController::resizeEvent(QResizeEvent*) {
    placeChangePasswordLink();
}

void LoginViewController::placeChangePasswordLink() {
    if (!changePassword_) return;
    const int linkWidth = qMin(width() - 40, kLinkWidth);
    changePassword_->setGeometry((width() - linkWidth) / 2, 136, linkWidth, 32);
    changePassword_->raise();
}

void LoginViewController::back() {
    dismissModalViewController(true);
}

void LoginViewController::Done() {
    psView->setFieldWithNumber();
}

int LoginViewController::checkPassWordWithstring(const QString& passcode) {
    HushvaultSqlite store(paths_.documentsDirectory());
    const auto settings = store.findAllNewSMS();
    const auto stored = settings.find(kSettingPassWord);
    const int code =
        checkLogin(stored == settings.end() ? std::nullopt : std::optional(stored->second),
                   passcode.toStdString());
    if (code != kPassCodeLoggedIn) {
        qCInfo(lcAccess) << "a login was refused";
        return code;
    }
    qCInfo(lcAccess) << "logged in";
    if (lumenViewController) lumenViewController->finishedLogin(true);
    store.updatetel(kSettingLockTime, formatLockTime(now()));
    NotificationCenter::defaultCenter().postNotification(kNotificationLogin);
    NotificationCenter::defaultCenter().postNotification(kNotificationLockTime);
    dismissModalViewController(true);
    return code;
}

void LoginViewController::passWord() {
    auto* settingScreen = new SettingViewController(paths_, lumenViewController);
    settingScreen->setTitle(localized(kKeyPasswordModify));
    if (NavigationController* nav = navigationController())
        nav->pushViewController(settingScreen, true);
}

}  // namespace hv
