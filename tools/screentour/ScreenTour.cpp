// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ScreenTour.h"

#include <QLineEdit>
#include <QPushButton>

#include "ContactTour.h"
#include "access/SettingViewFirstController.h"
#include "app/AppScreens.h"
#include "app/HushvaultAppDelegate.h"
#include "app/HushvaultViewController.h"
#include "crypto/SecretToken.h"
#include "info/ChoosePhoneTypeViewController.h"
#include "info/PresetPassWordViewController.h"
#include "messaging/ManageHiddenMSGController.h"
#include "messaging/MessageDraft.h"
#include "platform/Localization.h"
#include "platform/LocalizationKeys.h"
#include "sms/OutboxSmsService.h"
#include "store/HushvaultSqlite.h"
#include "store/StorePaths.h"
#include "ui/AlertView.h"
#include "ui/GrowingTextView.h"
#include "ui/NavigationController.h"
#include "ui/Window.h"

namespace {

// The records screen: empty, with both kinds of bubble, a long text and one not sent, and
// editing.
bool visitRecords(hv::HushvaultAppDelegate& delegate, const QString& language,
                  const hv::StorePaths& paths, const ScreenTour::Visit& visit) {
    hv::HushvaultSqlite store(paths.documentsDirectory());
    store.clearAllSMS();
    delegate.viewController()->UIButtonClicked(103);
    bool ok = visit(delegate.window(), "ManageHiddenMSGController-empty");
    delegate.nav()->popToRootViewControllerAnimated(false);

    const bool english = language == "en";
    store.addSMS("13800138000",
                 english ? "See you at the north gate at eight." : "今晚八点北门见。",
                 "2026-12-06 07:30:12", "2");
    store.addSMS(
        "",
        (hv::localized("The decrypted message") + ":\n" +
         (english ? QString("Bring the blue notebook. The meeting moved to Thursday, "
                            "same room, same time; tell nobody else.")
                  : QString::fromUtf8("带上蓝色笔记本。会议改到星期四，同一房间，同一时间；"
                                      "别告诉其他人。")))
            .toStdString(),
        "2026-12-06 08:02:45", "3");
    store.addSMS("13800138000", english ? "Running late." : "我会晚到。", "2026-12-06 09:15:03",
                 "4");
    delegate.viewController()->UIButtonClicked(103);
    ok &= visit(delegate.window(), "ManageHiddenMSGController");
    auto* records =
        static_cast<hv::ManageHiddenMSGController*>(delegate.nav()->topViewController());
    records->setEditing(true, false);
    ok &= visit(delegate.window(), "ManageHiddenMSGController-editing");
    delegate.nav()->popToRootViewControllerAnimated(false);
    store.clearAllSMS();
    return ok;
}

// The reader of a link: the token, the password query, the message read.
bool visitReader(hv::HushvaultAppDelegate& delegate, const QString& language,
                 const ScreenTour::Visit& visit) {
    const std::string text =
        language == "en" ? "See you at the north gate at eight." : "今晚八点北门见。";
    delegate.openMessage(QString::fromStdString("hiddenmsg://" + hv::GenEncURL(text, "tea", true)),
                         "+86 138 0013 8000");
    bool ok = visit(delegate.window(), "SMSReadViewController");
    auto* reader = delegate.decSMSViewController();
    if (auto* button = reader->findChild<QPushButton*>("desButton")) button->click();
    ok &= visit(delegate.window(), "ModalAlert");
    if (hv::AlertView* query = hv::AlertView::visibleAlerts().value(0)) {
        query->textField()->setText("tea");
        query->dismissWithClickedButtonIndex(1);
    }
    ok &= visit(delegate.window(), "SMSReadViewController-read");
    return ok;
}

}  // namespace

bool ScreenTour::run(const QString& language, const QSize& size, const hv::StorePaths& paths,
                     const hv::AddressBook& book, const Visit& visit) {
    hv::Localization::install(language);
    hv::OutboxSmsService sms(paths.documentsDirectory());
    hv::HushvaultAppDelegate delegate(paths, hv::makeMenuScreens(paths, &sms, book));
    delegate.setReaderFactory(hv::makeReaderFactory(paths, &sms, book));
    delegate.didFinishLaunchingWithOptions();
    delegate.window()->resize(size);
    hv::HushvaultViewController* menu = delegate.viewController();
    bool ok = visit(delegate.window(), "HushvaultViewController");

    menu->usingHelp();
    ok &= visit(delegate.window(), "USingHelpWebViewController");
    delegate.nav()->popViewControllerAnimated(false);

    delegate.nav()->pushViewController(new hv::PresetPassWordViewController, false);
    ok &= visit(delegate.window(), "PresetPassWordViewController");
    delegate.nav()->popViewControllerAnimated(false);

    menu->UIButtonClicked(101);
    auto* composer = delegate.nav()->topViewController();
    if (auto* field = composer->findChild<QLineEdit*>("personTextField"))
        field->setText("+86 138 0013 8000");
    if (auto* field = composer->findChild<QLineEdit*>("passTextField")) field->setText("tea");
    if (auto* text = composer->findChild<hv::GrowingTextView*>("textView"))
        text->setText(QString::fromUtf8(language == "en" ? "See you at the north gate at eight."
                                                         : "今晚八点北门见。"));
    ok &= visit(delegate.window(), "CreatNewMessageViewContrller");
    // A notice: sending without a recipient.
    if (auto* field = composer->findChild<QLineEdit*>("personTextField")) field->clear();
    if (auto* send = composer->findChild<QPushButton*>("sendButton")) send->click();
    ok &= visit(delegate.window(), "AlertView");
    for (hv::AlertView* alert : hv::AlertView::visibleAlerts()) alert->dismiss();

    auto* chooser = new hv::ChoosePhoneTypeViewController;
    chooser->setTitle(hv::localized("Mobi Type"));
    delegate.nav()->pushViewController(chooser, false);
    ok &= visit(delegate.window(), "ChoosePhoneTypeViewController");
    delegate.nav()->popToRootViewControllerAnimated(false);
    hv::MessageDraft::remove(paths.temporaryDirectory());

    menu->setting();
    ok &= visit(delegate.window(), "SettingViewFirstController");
    auto* settings =
        static_cast<hv::SettingViewFirstController*>(delegate.nav()->topViewController());
    settings->selectRow(0);
    ok &= visit(delegate.window(), "SettingViewController");
    delegate.nav()->popViewControllerAnimated(false);
    menu->setIsLogin(true);
    settings->selectRow(1);
    ok &= visit(delegate.window(), "ChooseTimeLockViewController");
    delegate.nav()->popToRootViewControllerAnimated(false);

    menu->login();
    ok &= visit(delegate.window(), "LoginViewController");
    menu->dismissModalViewController(false);

    menu->about();
    ok &= visit(delegate.window(), "AboutUSViewController");
    menu->dismissModalViewController(false);

    ok &= visitRecords(delegate, language, paths, visit);
    ok &= visitContacts(delegate, book, language, paths, visit);
    ok &= visitReader(delegate, language, visit);  // last: the reader stays for the run
    return ok;
}
