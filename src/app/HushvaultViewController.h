// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "access/LoginListener.h"
#include "app/MenuScreens.h"
#include "platform/NotificationCenter.h"
#include "store/StorePaths.h"
#include "ui/ViewController.h"

class QBoxLayout;
class QLabel;
class QPushButton;
class QToolButton;

namespace hv {

class ReadableColumnLayout;

// The main menu, root of the navigation: new message, secret contacts, records, settings,
// guide, reading a message from the clipboard or a pasted text, and the about screen from the
// information button on the navigation bar. It keeps the login flag: the contact list and the
// records open only while it is set, otherwise after a login. Entries whose screens are not
// available stay disabled.
class HushvaultViewController : public ViewController, public LoginListener {
    Q_OBJECT
public:
    // The paths say where the settings that decide the login flag are kept.
    HushvaultViewController(StorePaths paths, MenuScreens screens = {}, QWidget* parent = nullptr);
    ~HushvaultViewController() override;

    // Opens the entry with this tag (101 new message, 102 contacts, 103 records).
    void UIButtonClicked(int tag);
    void setting();
    void usingHelp();
    // "Read a message": the clipboard's secret message, else a field to paste one into.
    void readMessage();
    void about();
    void login();
    // A login finished: the flag takes the result and the entry that waited opens.
    void finishedLogin(bool flag) override;
    void logout();

    // Whether the user is logged in now: the flag falls once the locking period has run out.
    bool IsLogin() const override;
    void setIsLogin(bool flag) override { isLogin_ = flag; }
    int buttonClicked() const { return buttonClicked_; }

protected:
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewDidDisappear(bool animated) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenu();
    void layOutMenu();
    void buildNavigationBarItems();
    void hidesBackButton(const Notification& notification);
    // Whether the guarded entry of that tag may open: logged in, or the login it asked for
    // has just finished.
    bool loggedInFor(int tag) const;
    // Applies the locking rule again; locked, it takes the guarded screens away.
    void lockIfThePeriodRanOut();
    void newMessageBtntouchHightlighted();
    void newMessageBtntouchUp();

    StorePaths paths_;
    QPushButton* newMessageButton = nullptr;
    QToolButton* smsContractsButton = nullptr;
    QToolButton* smsMessagesButton = nullptr;
    QToolButton* settingButton = nullptr;
    QToolButton* help = nullptr;
    QToolButton* readMessageButton = nullptr;
    QPushButton* infoButton = nullptr;
    QLabel* logoView = nullptr;
    QLabel* label = nullptr;
    QLabel* smslabel = nullptr;
    QLabel* smsSlable = nullptr;
    QLabel* backGroudImageView = nullptr;
    QBoxLayout* entriesLayout_ = nullptr;
    ReadableColumnLayout* menuColumn_ = nullptr;
    MenuScreens screens_;
    mutable bool isLogin_ = false;
    bool resumingLogin_ = false;
    QList<QPointer<ViewController>> guarded_;
    int buttonClicked_ = 0;
};

}  // namespace hv
