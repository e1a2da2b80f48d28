// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messaging/SMSReadViewController.h"

#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include "crypto/SecretToken.h"
#include "messaging/ModalAlert.h"
#include "platform/Clock.h"
#include "platform/Localization.h"
#include "platform/LocalizationKeys.h"
#include "platform/Logging.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "sms/MessageReader.h"
#include "store/HushvaultSqlite.h"
#include "ui/AlertView.h"
#include "ui/NavigationController.h"
#include "ui/Style.h"
#include "ui/Window.h"

namespace hv {

SMSReadViewController::SMSReadViewController(StorePaths paths, ReaderScreens screens,
                                             QWidget* parent)
    : ViewController(parent), paths_(std::move(paths)), screens_(std::move(screens)) {
    setObjectName("SMSReadViewController");
}

SMSReadViewController::~SMSReadViewController() {
    NotificationCenter::defaultCenter().removeObserver(this);
}

void SMSReadViewController::setOriginaltext(const QString& link) {
    originaltext = link;
}

void SMSReadViewController::setSender(const QString& number) {
    sender_ = number;
}

void SMSReadViewController::viewDidLoad() {
    navigationItem()->setBackBarButtonTitle(localized(kKeyBack));
    NotificationCenter::defaultCenter().addObserver(
        this, kNotificationLogin, [this](const Notification& n) { loginedIn(n); });
    Style::useGroupedBackground(this);
    telePhone.clear();

    auto* content = new QWidget;
    newText = new QTextEdit(content);
    newText->setObjectName("newText");
    newText->setAccessibleName(localized(kKeyA11yMessage));
    newText->setReadOnly(true);
    // The text can be selected with the mouse; nothing brings up a keyboard.
    newText->setFocusPolicy(Qt::NoFocus);
    newText->setTextInteractionFlags(Qt::TextSelectableByMouse);
    newText->setPlainText(
        QString::fromStdString(MessageReader::tokenAfterPrefix(originaltext.toStdString())));
    Style::apply(newText, Style::Role::ReaderText);
    desButton = new QPushButton(localized(kKeyDecryption), content);
    desButton->setObjectName("desButton");
    desButton->setFixedHeight(44);
    desButton->setCursor(Qt::PointingHandCursor);
    Style::apply(desButton, Style::Role::ActionButtonDecrypt);
    connect(desButton, &QPushButton::clicked, this, [this] { disEncry(desButton); });
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(10, 12, 10, 16);
    layout->setSpacing(14);
    if (!sender_.isEmpty()) {
        senderLabel_ = new QLabel(content);
        senderLabel_->setObjectName("senderLabel");
        senderLabel_->setWordWrap(true);
        Style::apply(senderLabel_, Style::Role::ReaderSender);
        layout->addWidget(senderLabel_);
        showSender();
    }
    layout->addWidget(newText, 1);
    layout->addWidget(desButton);
    setContentView(content);

    setTitle(localized(kKeyAppName));
    navigationItem()->setRightBarButtonItem(
        BarButtonItem{localized(kKeyLogin), {}, [this] { login(); }, "readerLoginButton"});
    // A reader opened over another one goes Back to it; the first one ends the application.
    const NavigationController* nav = navigationController();
    if (!nav || nav->viewControllers().value(0) == this)
        navigationItem()->setLeftBarButtonItem(
            BarButtonItem{localized(kKeyExit), {}, [this] { exit(); }, "exitButton"});
}

void SMSReadViewController::showSender() {
    HushvaultSqlite store(paths_.documentsDirectory());
    senderContact_ = store.findContractByTelephoneNumber(sender_.toStdString());
    const QString name = QString::fromStdString(senderContact_.name);
    senderLabel_->setText(localized(kKeyFrom).arg(name.isEmpty() ? sender_ : name));
}

bool SMSReadViewController::isDecrypted() const {
    // The button's title is the reader's only record of the state.
    return desButton->text() != localized(kKeyDecryption);
}

void SMSReadViewController::disEncry(QAbstractButton*) {
    loadViewIfNeeded();
    if (isDecrypted()) {
        repley();
        return;
    }
    QPointer<SMSReadViewController> reader(this);
    ModalAlert::ask(kKeyDePassword, kKeyInputDePassword, Window::of(this),
                    [reader](std::optional<QString> password) {
                        // The message may have been read meanwhile: one record per read.
                        if (!reader || reader->isDecrypted() || !password || password->isEmpty())
                            return;
                        const std::string token = reader->newText->toPlainText().toStdString();
                        if (!isWellFormedToken(token)) {
                            reader->showWarning(kKeyDamagedLink);
                            return;
                        }
                        const auto plain = MessageReader::decrypt(token, password->toStdString());
                        if (!plain) {
                            reader->showWarning(kKeyIncorrectDePassword);
                            return;
                        }
                        reader->openedWith_ = password->toStdString();
                        reader->showDecrypted(*plain);
                    });
}

void SMSReadViewController::disEncry() {
    loadViewIfNeeded();
    const std::string token = newText->toPlainText().toStdString();
    // A link cut or changed on its way: no password is to blame.
    if (!isWellFormedToken(token)) {
        showWarning(kKeyDamagedLink);
        return;
    }
    HushvaultSqlite store(paths_.documentsDirectory());
    const auto opened = MessageReader(store).openWithContacts(token, sender_.toStdString());
    if (!opened) {
        showWarning(kKeyNoMatchPassword);
        return;
    }
    openedWith_ = opened->contact.passWord;
    showDecrypted(opened->plain);
}

void SMSReadViewController::showDecrypted(const std::string& plain) {
    desButton->setText(localized(kKeyReply));
    Style::apply(desButton, Style::Role::ActionButtonReply);
    const std::string shown =
        MessageReader::shownText(localized(kKeyDecryptedMessage).toStdString(), plain);
    newText->setPlainText(QString::fromStdString(shown));
    HushvaultSqlite store(paths_.documentsDirectory());
    const bool recorded = MessageReader(store).record(telePhone.toStdString(), shown, now());
    qCInfo(lcMessaging) << "a message was read" << (recorded ? "and recorded" : "");
}

void SMSReadViewController::showWarning(const char* messageKey) {
    (new AlertView(kKeyWarning, messageKey, kKeyCancel, {}))->show(Window::of(this));
}

void SMSReadViewController::loginedIn(const Notification&) {
    loadViewIfNeeded();
    if (!isDecrypted()) disEncry();
}

void SMSReadViewController::login() {
    if (!screens_.login) return;
    presentModalViewController(new NavigationController(screens_.login()), true);
}

void SMSReadViewController::repley() {
    if (!screens_.composer) return;
    // Known sender: the reply goes to them, under the password that opened their message
    // (it is theirs, and the user has just used it).
    Contacts to;
    if (!sender_.isEmpty()) {
        if (senderContact_.contract_id != 0) to = senderContact_;
        to.telePhoneNumber =
            to.telePhoneNumber.empty() ? sender_.toStdString() : to.telePhoneNumber;
        to.passWord = openedWith_;
        if (!to.iphoneFriend) to.iphoneFriend = "0";
    }
    if (NavigationController* nav = navigationController())
        nav->pushViewController(screens_.composer(to), true);
}

void SMSReadViewController::exit() {
    if (screens_.exitApplication) screens_.exitApplication();
}

}  // namespace hv
