// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include "messaging/ReaderScreens.h"
#include "store/Contacts.h"
#include "store/StorePaths.h"
#include "ui/ViewController.h"

class QAbstractButton;
class QLabel;
class QPushButton;
class QTextEdit;

namespace hv {

struct Notification;

// The message reader, opened by a hiddenmsg:// link: it shows the token and offers to
// decrypt it with the stored contacts' preset passwords after a login, or with a password
// the user types; a read message is shown with its label and, when "Record" is "On", kept
// as a record (empty telephone, status "3"). Then the action button replies. When the
// message came from a known number, the reader names the sender, tries that contact's
// password first, and the reply goes to them with the password that opened the message.
// "exit" (on the first reader; later ones go Back to it) ends the application.
class SMSReadViewController : public ViewController {
    Q_OBJECT
public:
    SMSReadViewController(StorePaths paths, ReaderScreens screens, QWidget* parent = nullptr);
    ~SMSReadViewController() override;

    // The whole link as it was delivered; before the screen loads.
    void setOriginaltext(const QString& link);
    // The number the message came from; before the screen loads.
    void setSender(const QString& number);
    // A tap on the action button: manual decryption while it reads "Decryption", a reply
    // once it reads "Reply".
    void disEncry(QAbstractButton* sender);
    // Automatic decryption with the stored contacts' preset passwords.
    void disEncry();
    void loginedIn(const Notification& notification);
    void login();
    void repley();
    void exit();

protected:
    void viewDidLoad() override;

private:
    bool isDecrypted() const;
    void showDecrypted(const std::string& plain);
    void showWarning(const char* messageKey);
    void showSender();

    QString originaltext;
    QString telePhone;
    QString sender_;
    Contacts senderContact_;  // the secret contact of the sender's number, if any
    std::string openedWith_;  // the password that opened the message
    QTextEdit* newText = nullptr;
    QLabel* senderLabel_ = nullptr;
    QPushButton* desButton = nullptr;
    StorePaths paths_;
    ReaderScreens screens_;
};

}  // namespace hv
