// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointer>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "messaging/ComposerScreens.h"
#include "messaging/SendWatcher.h"
#include "platform/NotificationCenter.h"
#include "store/Contacts.h"
#include "store/StorePaths.h"
#include "ui/ActivityIndicator.h"
#include "ui/ViewController.h"

class QLabel;
class QLineEdit;

namespace hv {

class AlertView;
class ComposerInputBar;
class GroupedTableView;
class GrowingTextView;
class SmsService;
class TableRow;

// The composer: one recipient (picked or typed), the preset password agreed with them,
// their phone type, and the message. "Send" checks the input, encrypts the message into a
// token, sends the SMS body through the SMS service, shows how it went and records it
// when records are kept. An unsent message is kept as a draft for the next composer.
class CreatNewMessageViewContrller : public ViewController {
    Q_OBJECT
public:
    // The service is not owned and must outlive the screen; the paths say where the store,
    // Conf.ini and the draft are.
    CreatNewMessageViewContrller(SmsService* service, StorePaths paths,
                                 ComposerScreens screens = {}, QWidget* parent = nullptr);
    ~CreatNewMessageViewContrller() override;

    void setContract(const Contacts& contact);
    void getContractInfo(const Contacts& contact);
    // The friend's phone type, from the phone-type chooser.
    void IsIphoneFriend(bool flag);
    void addContracts();
    void EncryptAndSendToCommon();
    bool checkForSending();
    // keptOnly: accepted by a service that only keeps it (the Outbox); the outcome says so.
    // A refused message is said until dismissed. recordId: the message's record (0: none),
    // marked not sent if the service reports a failure later.
    void startAnimating(bool accepted, bool keptOnly = false, std::int32_t recordId = 0);
    void stopAnimating();
    void FailedAlert(std::int32_t recordId = 0);

    // How the send watchers of all composers look for reports (tests shorten it).
    static void setWatcherTiming(SendWatcher::Timing timing);

protected:
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Ctrl+Enter sends, from any field of the composer.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildTable();
    void restoreDraft();
    // What leaving the composer does: the fields' editing ends and the draft is kept.
    // Opens the contact list to pick a recipient from.
    void showContactList();
    void leave();
    void saveDraft();
    void reloadTable();
    void personFieldDidEndEditing();
    void passFieldDidEndEditing();
    void showInputAlert(const char* messageKey);
    // No web link host is set: says so, and offers the settings where it is set.
    void askForWebLinkHost();
    void updateCounter();
    void placeCounter();
    // The places the screen fixes: the table at the top, the input bar with its bottom on
    // the keyboard's top (or the screen's bottom), the counter just above the bar.
    void layOutScreen();

    QLineEdit* personTextField = nullptr;
    QLineEdit* passTextField = nullptr;
    // The spinner of the latest progress alert; it goes with the alert, 2 s after a send.
    QPointer<ActivityIndicator> activityView;
    bool isIphone = false;
    Contacts contract;
    GroupedTableView* smallTableView = nullptr;
    ComposerInputBar* containerView = nullptr;
    GrowingTextView* textView = nullptr;
    QLabel* smsCounter = nullptr;
    SmsService* service_;
    StorePaths paths_;
    std::optional<std::string> webLinkHost_;  // read as the screen appears, not per keystroke
    bool hasContract_ = false;
    TableRow* phoneTypeRow_ = nullptr;
    TableRow* recipientRow_ = nullptr;
    QPointer<AlertView> progressAlert_;
    // What the composer registers with the telephony centre; shared with its running send
    // watchers, so that the registration outlives the screen while they wait.
    std::shared_ptr<QObject> telephonyObserver_;
    ComposerScreens screens_;
};

}  // namespace hv
