// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointer>
#include <QStringList>
#include <functional>

#include "backup/KdfParameters.h"
#include "store/StorePaths.h"
#include "ui/ViewController.h"

namespace hv {

class GroupedTableView;
class LoginListener;
class SwitchControl;
class TableRow;

// Settings: the administrator password, the automatic-locking time (asks for a login
// first while logged out), the "Store SMS" switch, the host of web links (Conf.ini's
// WebLinkHost, needed before a message can go to a friend without Hushvault), making and
// restoring a backup (both ask for a login first while logged out), and, where
// the application can, a switch that keeps secret messages noticed while Hushvault is
// closed. Every change of the first three saves "Record", "Time" and "LockTime" at once;
// the state is read again whenever the screen appears.
class SettingViewFirstController : public ViewController {
    Q_OBJECT
public:
    // Noticing secret messages while Hushvault is closed: whether it is on, and turning it
    // on or off (false and the reason when that failed).
    struct NoticeWhenClosed {
        std::function<bool()> isOn;
        std::function<bool(bool on, QString* error)> set;
    };

    explicit SettingViewFirstController(StorePaths paths, LoginListener* menu = nullptr,
                                        QWidget* parent = nullptr);
    ~SettingViewFirstController() override;

    void setHushvaultViewController(LoginListener* menu) { hushvaultViewController = menu; }
    // Before the screen loads; without it the switch is not shown.
    void setNoticeWhenClosed(NoticeWhenClosed notice) { notice_ = std::move(notice); }
    // The key-derivation costs of new backups (tests make them cheap).
    void setBackupKdf(KdfParameters kdf) { backupKdf_ = kdf; }
    void statueForObjects();
    // Writes the screen's settings; false (and an alert) when the store refused them.
    bool save();
    void messageRecord();
    void noticeWhenClosed();
    // The chooser's choice; false when it could not be saved (and stays as it was).
    bool tableIndex(int index);
    void selectRow(int row);
    void loginedInSeccess(const QVariant& object);

    bool isWaitingForLogin() const { return bool(lockTimeRegistration_); }

protected:
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewDidDisappear(bool animated) override;

private:
    void reloadData();
    void openChooser();
    // What a row does once logged in: the chooser (row 1), a backup (4) or a restore (5).
    void openBehindLogin(int row);
    void waitForLogin(int row);
    void stopWaiting();

    QStringList array;
    int tabIndex = 1;
    QString Record;
    SwitchControl* messageSwitch = nullptr;
    SwitchControl* noticeSwitch_ = nullptr;
    NoticeWhenClosed notice_;
    bool IsPassWord = false;
    LoginListener* hushvaultViewController = nullptr;
    StorePaths paths_;
    GroupedTableView* table_ = nullptr;
    QList<TableRow*> rows_;
    // The registration for "lockTime" while the screen waits for a login; at most one.
    QMetaObject::Connection lockTimeRegistration_;
    int rowAfterLogin_ = 1;
    KdfParameters backupKdf_ = KdfParameters::standard();
};

}  // namespace hv
