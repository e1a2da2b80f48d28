// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "access/SettingViewFirstController.h"

#include "access/BackupCreation.h"
#include "access/BackupRestoration.h"
#include "access/ChooseTimeLockViewController.h"
#include "access/LockTimeChoices.h"
#include "access/LoginListener.h"
#include "access/LoginViewController.h"
#include "access/SettingNotSaved.h"
#include "access/SettingViewController.h"
#include "access/WebLinkHostEditor.h"
#include "platform/Clock.h"
#include "platform/Localization.h"
#include "platform/LocalizationKeys.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "sms/WebLinkHost.h"
#include "store/HushvaultSqlite.h"
#include "store/LockTime.h"
#include "store/SettingsKeys.h"
#include "ui/AlertView.h"
#include "ui/GroupedTableView.h"
#include "ui/NavigationController.h"
#include "ui/SwitchControl.h"
#include "ui/TableRow.h"
#include "ui/Window.h"

namespace hv {

SettingViewFirstController::SettingViewFirstController(StorePaths paths, LoginListener* menu,
                                                       QWidget* parent)
    : ViewController(parent), hushvaultViewController(menu), paths_(std::move(paths)) {
    setObjectName("SettingViewFirstController");
}

SettingViewFirstController::~SettingViewFirstController() {
    stopWaiting();
}

void SettingViewFirstController::viewDidLoad() {
    IsPassWord = false;
    array = LockTimeChoices::values();
    Record.clear();
    messageSwitch = new SwitchControl;
    messageSwitch->setObjectName("messageSwitch");
    connect(messageSwitch, &SwitchControl::clicked, this, [this] { messageRecord(); });

    table_ = new GroupedTableView;
    setContentView(table_, ContentWidth::Full);  // the table keeps its rows readable
    const char* titles[] = {kKeyAdminPassword, kKeyAutomaticLocking, kKeyStoreSms,
                            kKeyWebLinkHost,   kKeyBackUp,           kKeyRestore};
    for (int r = 0; r < 6; ++r) {
        TableRow* row = table_->addRow();
        row->setObjectName(QString("settingRow%1").arg(r));
        row->setTitle(localized(titles[r]));
        if (r == 2) {
            row->setAccessoryWidget(messageSwitch);
        } else {
            row->setAccessory(TableRow::Accessory::Disclosure);
            connect(row, &TableRow::tapped, this, [this, r] { selectRow(r); });
        }
        rows_.append(row);
    }
    if (notice_.isOn && notice_.set) {
        noticeSwitch_ = new SwitchControl;
        noticeSwitch_->setObjectName("noticeSwitch");
        connect(noticeSwitch_, &SwitchControl::clicked, this, [this] { noticeWhenClosed(); });
        TableRow* row = table_->addRow();
        row->setObjectName("noticeRow");
        row->setTitle(localized(kKeyNoticeWhenClosed));
        row->setTitleWraps(true);
        row->setAccessoryWidget(noticeSwitch_);
    }
    statueForObjects();
    navigationItem()->setBackBarButtonTitle(localized(kKeyBack));
}

void SettingViewFirstController::viewWillAppear(bool) {
    statueForObjects();
    reloadData();
}

void SettingViewFirstController::viewDidDisappear(bool) {
    // A screen pushed on top (the chooser, the password screen) is not "going away";
    // the wait ends when this screen leaves its navigation.
    if (!navigationController() || !navigationController()->viewControllers().contains(this))
        stopWaiting();
}

void SettingViewFirstController::statueForObjects() {
    HushvaultSqlite store(paths_.documentsDirectory());
    const auto settings = store.findAllNewSMS();
    // A store that cannot be read is not one without settings: nothing is written over
    // (the start has said that the store is unusable).
    if (!store.lastError().empty()) return;
    if (settings.size() < 2) {
        // Hardly any settings: records are kept. The switch and the saved value agree.
        messageSwitch->setOn(true);
        Record = kRecordOn;
        save();
        return;
    }
    const auto time = settings.find(kSettingTime);
    tabIndex =
        time == settings.end() ? 1 : int(array.indexOf(QString::fromStdString(time->second)));
    const auto password = settings.find(kSettingPassWord);
    IsPassWord = password != settings.end() && !password->second.empty();
    const auto record = settings.find(kSettingRecord);
    Record = record == settings.end() ? QString() : QString::fromStdString(record->second);
    messageSwitch->setOn(Record.size() == 2);
}

bool SettingViewFirstController::save() {
    std::vector<std::pair<std::string, std::string>> rows = {
        {kSettingRecord, Record.toStdString()}};
    // A stored time outside the five choices is written back as it was.
    if (tabIndex >= 0 && tabIndex < array.size())
        rows.emplace_back(kSettingTime, array[tabIndex].toStdString());
    rows.emplace_back(kSettingLockTime, formatLockTime(now()));
    // All or none, so that the screen can show what is stored either way.
    HushvaultSqlite store(paths_.documentsDirectory());
    const bool saved = store.updateSettingRows(rows);
    if (!saved) SettingNotSaved::show();
    return saved;
}

void SettingViewFirstController::messageRecord() {
    const QString previous = Record;
    Record = messageSwitch->isOn() ? "On" : "Off";
    if (save()) return;
    // Not kept: the switch shows what is stored.
    Record = previous;
    messageSwitch->setOn(Record.size() == 2);
}

void SettingViewFirstController::noticeWhenClosed() {
    QString error;
    if (notice_.set(noticeSwitch_->isOn(), &error)) return;
    noticeSwitch_->setOn(notice_.isOn());
    auto* alert = new AlertView(kKeyWarning, nullptr, kKeySure, {});
    alert->setMessageText(localized(kKeyAutostartFailed).arg(error));
    alert->show(Window::of(this));
}

bool SettingViewFirstController::tableIndex(int index) {
    const int previous = tabIndex;
    tabIndex = index;
    const bool saved = save();
    if (!saved) tabIndex = previous;
    reloadData();
    return saved;
}

void SettingViewFirstController::reloadData() {
    rows_[0]->setDetail(IsPassWord ? localized(kKeySetted) : QString());
    rows_[1]->setDetail(tabIndex >= 0 && tabIndex < array.size()
                            ? LockTimeChoices::detailFor(array[tabIndex])
                            : QString());
    const auto host = WebLinkHost::configured(paths_.documentsDirectory());
    rows_[3]->setDetail(host ? QString::fromStdString(*host) : localized(kKeyNotSet));
    if (noticeSwitch_) noticeSwitch_->setOn(notice_.isOn());
}

void SettingViewFirstController::selectRow(int row) {
    NavigationController* nav = navigationController();
    if (row == 0) {
        auto* passwordScreen = new SettingViewController(paths_);
        passwordScreen->setTitle(localized(kKeyPasswordSetting));
        if (nav) nav->pushViewController(passwordScreen, true);
    } else if (row == 1 || row == 4 || row == 5) {
        if (hushvaultViewController && hushvaultViewController->IsLogin()) {
            openBehindLogin(row);
            return;
        }
        presentModalViewController(
            new NavigationController(new LoginViewController(paths_, hushvaultViewController)),
            true);
        waitForLogin(row);
    } else if (row == 3) {
        QPointer<SettingViewFirstController> screen(this);
        WebLinkHostEditor::ask(paths_.documentsDirectory(), [screen] {
            if (screen) screen->reloadData();
        });
    }
}

void SettingViewFirstController::openChooser() {
    auto* chooser = new ChooseTimeLockViewController(this, tabIndex);
    chooser->setTitle(localized(kKeyAutomaticLocking));
    if (NavigationController* nav = navigationController()) nav->pushViewController(chooser, true);
}

void SettingViewFirstController::openBehindLogin(int row) {
    if (row == 1) {
        openChooser();
    } else if (row == 4) {
        (new BackupCreation(this, paths_.documentsDirectory(), backupKdf_))->start();
    } else {
        QPointer<SettingViewFirstController> screen(this);
        auto restored = [screen] {
            if (!screen) return;
            screen->statueForObjects();
            screen->reloadData();
        };
        (new BackupRestoration(this, paths_.documentsDirectory(), restored))->start();
    }
}

void SettingViewFirstController::waitForLogin(int row) {
    rowAfterLogin_ = row;               // the last row tapped is the one resumed
    if (lockTimeRegistration_) return;  // one registration at a time
    lockTimeRegistration_ = NotificationCenter::defaultCenter().addObserver(
        this, kNotificationLockTime, [this](const Notification& n) { loginedInSeccess(n.object); });
}

void SettingViewFirstController::stopWaiting() {
    disconnect(lockTimeRegistration_);
}

void SettingViewFirstController::loginedInSeccess(const QVariant& object) {
    if (hushvaultViewController) {
        hushvaultViewController->setIsLogin(true);
        hushvaultViewController->finishedLogin(true);
    }
    if (object.toString() == "passWord") return;  // a password change: still waiting
    stopWaiting();
    openBehindLogin(rowAfterLogin_);
}

}  // namespace hv
