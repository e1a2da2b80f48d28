// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "access/SettingViewController.h"

#include "access/LoginListener.h"
#include "access/PassCodeResult.h"
#include "access/SettingNotSaved.h"
#include "platform/Localization.h"
#include "platform/LocalizationKeys.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "store/HushvaultSqlite.h"
#include "store/SettingsKeys.h"
#include "ui/NavigationController.h"
#include "ui/Style.h"

namespace hv {

SettingViewController::SettingViewController(StorePaths paths, LoginListener* menu, QWidget* parent)
    : ViewController(parent), secView(menu), paths_(std::move(paths)) {
    setObjectName("SettingViewController");
}

SettingViewController::~SettingViewController() {
    AdminPasswordSteps::forgetSteps();
}

void SettingViewController::viewDidLoad() {
    Style::useGroupedBackground(this);
    psView = new PassWordView(this);
    psView->setDelegate(this);
    setContentView(psView, ContentWidth::Full);
    steps_ = AdminPasswordSteps();
    navigationItem()->setRightBarButtonItem(
        BarButtonItem{localized(kKeySave), {}, [this] { Done(); }, "saveButton"});
}

void SettingViewController::viewWillAppear(bool) {
    HushvaultSqlite store(paths_.documentsDirectory());
    steps_.setPassWordOld(store.findTelephoneNumber(kSettingPassWord).value_or(""));
}

void SettingViewController::viewDidDisappear(bool) {
    // Popped (Back, or after success): whatever was entered here is forgotten. Being
    // covered by another screen is not going away.
    NavigationController* nav = navigationController();
    if (!nav || !nav->viewControllers().contains(this)) AdminPasswordSteps::forgetSteps();
}

void SettingViewController::Done() {
    psView->setFieldWithNumber();
}

int SettingViewController::checkPassWordWithstring(const QString& passcode) {
    const auto outcome = steps_.enter(passcode.toStdString());
    if (outcome.store) {
        HushvaultSqlite store(paths_.documentsDirectory());
        store.updatetel(kSettingPassWord, *outcome.store);
        // The steps are done either way; the user learns that the old passcode stays.
        if (store.findTelephoneNumber(kSettingPassWord) != *outcome.store) SettingNotSaved::show();
        if (secView) secView->finishedLogin(true);
        if (outcome.announceChange)
            NotificationCenter::defaultCenter().postNotification(kNotificationLockTime,
                                                                 QString("passWord"));
        if (NavigationController* nav = navigationController())
            nav->popViewControllerAnimated(true);
    }
    return outcome.code;
}

}  // namespace hv
