// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messaging/CreatNewMessageViewContrller.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QInputMethod>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "messaging/ComposerInputBar.h"
#include "messaging/MessageDraft.h"
#include "messaging/SendState.h"
#include "platform/Clock.h"
#include "platform/ContactsMetaType.h"
#include "platform/Localization.h"
#include "platform/LocalizationKeys.h"
#include "platform/Logging.h"
#include "platform/NotificationNames.h"
#include "platform/TelephonyCenter.h"
#include "sms/MessageSender.h"
#include "sms/SmsBody.h"
#include "sms/SmsSegmentCounter.h"
#include "sms/WebLinkHost.h"
#include "store/HushvaultSqlite.h"
#include "store/NumberText.h"
#include "ui/ActivityIndicator.h"
#include "ui/AlertView.h"
#include "ui/ElidingLineEdit.h"
#include "ui/GroupedTableView.h"
#include "ui/GrowingTextView.h"
#include "ui/GrowingTextViewInternal.h"
#include "ui/NavigationController.h"
#include "ui/Style.h"
#include "ui/TableRow.h"
#include "ui/Window.h"

namespace hv {

namespace {

constexpr int kRowHeight = 40;
constexpr double kStopSpinnerAfter = 4.0;
constexpr double kShowOutcomeAfter = 1.5;
constexpr double kDismissProgressAfter = 2.0;

SendWatcher::Timing& watcherTiming() {
    static SendWatcher::Timing timing;
    return timing;
}

}  // namespace

CreatNewMessageViewContrller::CreatNewMessageViewContrller(SmsService* service, StorePaths paths,
                                                           ComposerScreens screens, QWidget* parent)
    : ViewController(parent),
      service_(service),
      paths_(std::move(paths)),
      screens_(std::move(screens)) {
    setObjectName("CreatNewMessageViewContrller");
}

CreatNewMessageViewContrller::~CreatNewMessageViewContrller() {
    NotificationCenter::defaultCenter().removeObserver(this);
}

void CreatNewMessageViewContrller::setWatcherTiming(SendWatcher::Timing timing) {
    watcherTiming() = timing;
}

void CreatNewMessageViewContrller::setContract(const Contacts& contact) {
    contract = contact;
    hasContract_ = true;
}

void CreatNewMessageViewContrller::viewDidLoad() {
    if (!hasContract_) contract = Contacts{};
    connect(QGuiApplication::inputMethod(), &QInputMethod::keyboardRectangleChanged, this,
            &CreatNewMessageViewContrller::layOutScreen);

    personTextField = new ElidingLineEdit;  // a long name ends with an ellipsis
    personTextField->setObjectName("personTextField");
    personTextField->setPlaceholderText(localized(kKeyRecipientPlaceholder));
    personTextField->setInputMethodHints(Qt::ImhDialableCharactersOnly);
    personTextField->installEventFilter(this);
    connect(personTextField, &QLineEdit::editingFinished, this,
            [this] { personFieldDidEndEditing(); });
    passTextField = new QLineEdit;
    passTextField->setObjectName("passTextField");
    passTextField->setPlaceholderText(localized(kKeyPasswordPlaceholder));
    passTextField->setEchoMode(QLineEdit::Password);
    passTextField->setTextMargins(2, 0, 0, 0);  // the first dot whole
    connect(passTextField, &QLineEdit::editingFinished, this, [this] { passFieldDidEndEditing(); });
    setTitle(localized(kKeyNewMessage));
    navigationItem()->setBackBarButtonTitle(localized(kKeyBack));
    Style::useGroupedBackground(this);

    personTextField->setText(QString::fromStdString(contract.name));
    buildTable();
    containerView = new ComposerInputBar(this);
    textView = containerView->textView();
    textView->internalTextView()->setAccessibleName(localized(kKeyA11yMessage));
    connect(containerView->sendButton(), &QPushButton::clicked, this,
            [this] { EncryptAndSendToCommon(); });
    smsCounter = new QLabel(this);
    smsCounter->setObjectName("smsCounter");
    smsCounter->setAlignment(Qt::AlignCenter);
    Style::apply(smsCounter, Style::Role::SmsCounter);
    connect(containerView, &ComposerInputBar::textChanged, this, [this] { updateCounter(); });
    connect(containerView, &ComposerInputBar::geometryChanged, this, [this] { placeCounter(); });
    connect(passTextField, &QLineEdit::textChanged, this, [this] { updateCounter(); });

    // Ending the application (its window closed, the session ended) keeps the message as
    // leaving the composer does.
    NotificationCenter::defaultCenter().addObserver(this, kNotificationWillTerminate,
                                                    [this](const Notification&) {
                                                        if (isVisibleScreen()) leave();
                                                    });
    NotificationCenter::defaultCenter().addObserver(
        this, kNotificationGetContractInfo, [this](const Notification& notification) {
            if (notification.object.canConvert<Contacts>())
                getContractInfo(notification.object.value<Contacts>());
        });
    webLinkHost_ = WebLinkHost::configured(paths_.documentsDirectory());
    // A reply comes addressed; the draft waits for the next new message.
    if (!contract.telePhoneNumber.empty())
        getContractInfo(contract);
    else
        restoreDraft();
    isIphone = leadingInt32(contract.iphoneFriend.value_or("")) == 1;
    layOutScreen();
    updateCounter();
    personTextField->setFocus();
}

void CreatNewMessageViewContrller::buildTable() {
    smallTableView = new GroupedTableView(this);
    smallTableView->setObjectName("smallTableView");
    recipientRow_ = smallTableView->addRow();
    recipientRow_->setTitle(localized(kKeyTo));
    recipientRow_->setContentWidget(personTextField);
    recipientRow_->setAccessory(TableRow::Accessory::DetailButton);
    recipientRow_->setAccessoryEnabled(bool(screens_.contactList));
    recipientRow_->setAccessoryAccessibleName(localized(kKeyA11yChooseContact));
    connect(recipientRow_, &TableRow::accessoryTapped, this, [this] { addContracts(); });

    phoneTypeRow_ = smallTableView->addRow();
    phoneTypeRow_->setObjectName("phoneTypeRow");
    phoneTypeRow_->setTitle(localized(kKeyMobitype));
    // Without a chooser the row only shows the phone type.
    if (screens_.phoneTypeChooser) phoneTypeRow_->setAccessory(TableRow::Accessory::Disclosure);
    connect(phoneTypeRow_, &TableRow::tapped, this, [this] {
        if (!screens_.phoneTypeChooser) return;
        QPointer<CreatNewMessageViewContrller> composer(this);
        ViewController* chooser = screens_.phoneTypeChooser([composer](bool isIphone) {
            if (composer) composer->IsIphoneFriend(isIphone);
        });
        chooser->setTitle(localized(kKeyMobiType));
        if (NavigationController* nav = navigationController())
            nav->pushViewController(chooser, true);
    });

    TableRow* passwordRow = smallTableView->addRow();
    passwordRow->setTitle(localized(kKeyPasscode));
    passwordRow->setContentWidget(passTextField);
    for (TableRow* row : {recipientRow_, phoneTypeRow_, passwordRow}) {
        row->setRowHeight(kRowHeight);
        row->setTitleWidth(86);
        row->setTitleStyle(TableRow::TitleStyle::Label);
    }
    for (QLineEdit* field : {personTextField, passTextField})
        Style::apply(field, Style::Role::FormField);
}

void CreatNewMessageViewContrller::restoreDraft() {
    const auto draft = MessageDraft::load(paths_.temporaryDirectory());
    if (!draft) {
        contract.iphoneFriend.emplace("0");
        return;
    }
    personTextField->setText(QString::fromStdString(draft->name));
    personTextField->setCursorPosition(0);
    contract.telePhoneNumber = draft->telephone;
    contract.name = draft->name;
    textView->setText(QString::fromStdString(draft->text));
    contract.iphoneFriend = draft->friendFlag;
    passTextField->setText(QString::fromStdString(draft->password));
    contract.passWord = passTextField->text().toStdString();
    MessageDraft::remove(paths_.temporaryDirectory());
}

void CreatNewMessageViewContrller::viewWillAppear(bool) {
    personTextField->setFocus();
    // Back from the settings, the host may have been set.
    webLinkHost_ = WebLinkHost::configured(paths_.documentsDirectory());
    reloadTable();
}

void CreatNewMessageViewContrller::reloadTable() {
    phoneTypeRow_->setDetail(localized(isIphone ? kKeyIphone : kKeyCell));
    updateCounter();
}

void CreatNewMessageViewContrller::getContractInfo(const Contacts& contact) {
    contract = contact;
    personTextField->setText(
        QString::fromStdString(contact.name.empty() ? contact.telePhoneNumber : contact.name));
    personTextField->setCursorPosition(0);
    isIphone = leadingInt32(contact.iphoneFriend.value_or("")) != 0;
    passTextField->setText(QString::fromStdString(contact.passWord));
    reloadTable();
}

void CreatNewMessageViewContrller::IsIphoneFriend(bool flag) {
    isIphone = flag;
    reloadTable();
}

void CreatNewMessageViewContrller::addContracts() {
    personFieldDidEndEditing();
    if (!screens_.contactList) return;
    // The secret contacts, preset passwords and all, are behind the login here too.
    if (screens_.loggedIn && !screens_.loggedIn() && screens_.login) {
        QPointer<CreatNewMessageViewContrller> composer(this);
        presentModalViewController(new NavigationController(screens_.login([composer] {
                                       if (composer) composer->showContactList();
                                   })),
                                   true);
        return;
    }
    showContactList();
}

void CreatNewMessageViewContrller::showContactList() {
    ViewController* list = screens_.contactList();
    list->setTitle(localized(kKeyContracts));
    if (NavigationController* nav = navigationController()) nav->pushViewController(list, true);
}

bool CreatNewMessageViewContrller::eventFilter(QObject* watched, QEvent* event) {
    if (watched == personTextField && event->type() == QEvent::FocusIn)
        Style::apply(personTextField, Style::Role::FormFieldEditing);
    return ViewController::eventFilter(watched, event);
}

void CreatNewMessageViewContrller::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & Qt::ControlModifier)) {
        EncryptAndSendToCommon();
        return;
    }
    ViewController::keyPressEvent(event);
}

void CreatNewMessageViewContrller::personFieldDidEndEditing() {
    const std::string typed = personTextField->text().toStdString();
    if (typed != contract.name) {
        contract.name = typed;
        contract.telePhoneNumber = typed;
    }
    Style::apply(personTextField, Style::Role::FormFieldEdited);
    // Out of editing the field shows where the number starts ("+86 ..."), not where it ends.
    personTextField->setCursorPosition(0);
}

void CreatNewMessageViewContrller::passFieldDidEndEditing() {
    contract.passWord = passTextField->text().toStdString();
    // A long password out of editing shows its first dots whole, not the end cut off.
    passTextField->setCursorPosition(0);
}

bool CreatNewMessageViewContrller::checkForSending() {
    textView->becomeFirstResponder();
    // Moving the focus ends the fields' editing; done here too, so that it never depends
    // on the window having the focus.
    personFieldDidEndEditing();
    passFieldDidEndEditing();
    const std::string recipient = personTextField->text().toStdString();
    switch (MessageSender::check(recipient, contract)) {
        case MessageSender::Problem::NoRecipient:
            showInputAlert(kKeyInputNumber);
            return false;
        case MessageSender::Problem::ShortPassword:
            showInputAlert(kKeyInputPassword);
            return false;
        case MessageSender::Problem::None:
            break;
    }
    contract.telePhoneNumber = MessageSender::recipientNumber(recipient, contract);
    return true;
}

void CreatNewMessageViewContrller::showInputAlert(const char* messageKey) {
    (new AlertView(kKeyCancel, messageKey, kKeySure, {}))->show(Window::of(this));
}

void CreatNewMessageViewContrller::EncryptAndSendToCommon() {
    if (!telephonyObserver_) telephonyObserver_ = std::make_shared<QObject>();
    TelephonyCenter::defaultCenter().addObserver(telephonyObserver_.get(), &callback);
    if (!checkForSending() || !service_) return;
    HushvaultSqlite store(paths_.documentsDirectory());
    MessageSender sender(*service_, store);
    const auto outcome = sender.send(contract, isIphone, textView->text().toStdString(),
                                     localized(kKeySmsLabel).toStdString(), now());
    if (outcome.noWebLinkHost) {
        askForWebLinkHost();
        return;
    }
    qCInfo(lcMessaging) << "the SMS service" << (outcome.accepted ? "accepted" : "refused")
                        << "a message" << (outcome.keptOnly ? "into the Outbox only" : "");
    startAnimating(outcome.accepted, outcome.keptOnly, outcome.recordId);
    if (outcome.accepted) {
        MessageDraft::remove(paths_.temporaryDirectory());
        textView->setText(QString());
    }
}

void CreatNewMessageViewContrller::askForWebLinkHost() {
    QList<const char*> buttons;
    if (screens_.settings) buttons.append(kKeySetting);
    QPointer<CreatNewMessageViewContrller> composer(this);
    auto* alert = new AlertView(
        kKeyWarning, kKeyNoWebLinkHost, kKeyCancel, buttons, [composer](AlertView*, int index) {
            if (index != 1 || !composer) return;
            ViewController* settings = composer->screens_.settings();
            settings->setTitle(localized(kKeySetting));
            if (NavigationController* nav = composer->navigationController())
                nav->pushViewController(settings, true);
        });
    alert->show(Window::of(this));
}

void CreatNewMessageViewContrller::startAnimating(bool accepted, bool keptOnly,
                                                  std::int32_t recordId) {
    auto* alert = new AlertView(kKeySending, nullptr, nullptr, {});
    activityView = new ActivityIndicator;
    alert->addContentWidget(activityView);
    activityView->startAnimating();
    alert->show(Window::of(this));
    progressAlert_ = alert;
    after(kStopSpinnerAfter, this, [this] { stopAnimating(); });
    FailedAlert(recordId);
    if (!accepted) {
        // A message that did not go out is said until the user has seen it.
        QPointer<Window> window = Window::of(this);
        after(kShowOutcomeAfter, alert, [alert, window] {
            alert->dismiss();
            (new AlertView(kKeyFailedSend, kKeySendError, kKeySure, {}))->show(window);
        });
        return;
    }
    // Only written to the Outbox: nothing has left the machine, and the user is not told
    // otherwise.
    const char* outcome = keptOnly ? kKeyKeptInOutbox : kKeySent;
    after(kShowOutcomeAfter, alert, [alert, outcome] {
        alert->setMessageText(localized(outcome));
        alert->setTitleText(localized(outcome));
    });
    after(kDismissProgressAfter, alert, [alert] { alert->dismiss(); });
}

void CreatNewMessageViewContrller::stopAnimating() {
    if (activityView) activityView->stopAnimating();
}

void CreatNewMessageViewContrller::FailedAlert(std::int32_t recordId) {
    // The watcher holds the composer's telephony registration and its window for as long as
    // it runs: a report that arrives after the user left the composer still reaches it, and
    // its alert still finds the window; the message's record then says it was not sent.
    auto* watcher = new SendWatcher(sendState(), watcherTiming());
    std::shared_ptr<QObject> registration = telephonyObserver_;
    QPointer<Window> window = Window::of(this);
    connect(watcher, &SendWatcher::finished, watcher,
            [watcher, registration, window, recordId,
             documents = paths_.documentsDirectory()](bool errorReported) {
                qCInfo(lcMessaging) << "send watch ended:"
                                    << (errorReported ? "a send error was reported" : "no error");
                if (errorReported) {
                    HushvaultSqlite store(documents);
                    MessageSender::markNotSent(store, recordId);
                    (new AlertView(kKeyWarning, kKeySendError, kKeySure, {}))->show(window);
                }
                if (registration)
                    TelephonyCenter::defaultCenter().removeObserver(registration.get());
                watcher->deleteLater();
            });
    connect(qApp, &QCoreApplication::aboutToQuit, watcher, [watcher] { delete watcher; });
    watcher->start();
}

void CreatNewMessageViewContrller::viewWillDisappear(bool) {
    leave();
}

void CreatNewMessageViewContrller::leave() {
    personTextField->clearFocus();
    passTextField->clearFocus();
    personFieldDidEndEditing();
    passFieldDidEndEditing();
    saveDraft();
}

void CreatNewMessageViewContrller::saveDraft() {
    if (personTextField->text().isEmpty() && passTextField->text().isEmpty()) return;
    if (textView->text().isEmpty()) return;
    contract.iphoneFriend.emplace(isIphone ? "1" : "0");
    contract.name = personTextField->text().toStdString();
    MessageDraft draft;
    draft.name = personTextField->text().toStdString();
    draft.telephone =
        contract.name.empty() ? personTextField->text().toStdString() : contract.telePhoneNumber;
    draft.text = textView->text().toStdString();
    draft.password = passTextField->text().toStdString();
    draft.friendFlag = *contract.iphoneFriend;
    // A full or read-only disk: the user is leaving with a text that will not be there.
    if (!draft.save(paths_.temporaryDirectory()))
        (new AlertView(kKeyWarning, kKeyDraftNotSaved, kKeySure, {}))->show();
}

void CreatNewMessageViewContrller::updateCounter() {
    if (!smsCounter) return;
    const std::string body = SmsBody::make(
        localized(kKeySmsLabel).toStdString(), isIphone, textView->text().toStdString(),
        passTextField->text().toStdString(), webLinkHost_.value_or(""));
    const SmsSegments segments = countSmsSegments(body);
    smsCounter->setText(localized(kKeySmsCount).arg(segments.units).arg(segments.parts));
    placeCounter();
}

void CreatNewMessageViewContrller::placeCounter() {
    if (!smsCounter || !containerView) return;
    smsCounter->adjustSize();
    const QRect table = smallTableView ? smallTableView->geometry() : rect();
    smsCounter->move(table.right() + 1 - smsCounter->width() - 6,
                     containerView->y() - smsCounter->height() - 4);
    smsCounter->raise();
}

void CreatNewMessageViewContrller::layOutScreen() {
    if (!smallTableView) return;
    // The rows across the screen, up to a readable width centred on a wide one.
    const int column = qMin(width(), Window::kReadableWidth);
    smallTableView->setGeometry((width() - column) / 2, 0, column, 3 * kRowHeight + 24);
    const QRectF keyboard = QGuiApplication::inputMethod()->keyboardRectangle();
    int bottom = height();
    if (keyboard.isValid() && !keyboard.isEmpty() && window())
        bottom = qMin(bottom, mapFrom(window(), keyboard.topLeft().toPoint()).y());
    containerView->setBottom(bottom);
    placeCounter();
}

void CreatNewMessageViewContrller::resizeEvent(QResizeEvent*) {
    layOutScreen();
}

}  // namespace hv
