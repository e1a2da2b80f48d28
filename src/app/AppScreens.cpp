// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/AppScreens.h"

#include <QCoreApplication>
#include <QFile>
#include <QPointer>

#include "access/LoginListener.h"
#include "access/LoginViewController.h"
#include "access/SettingViewFirstController.h"
#include "app/HushvaultViewController.h"
#include "contacts/SMSContractsListViewController.h"
#include "info/AboutUSViewController.h"
#include "info/ChoosePhoneTypeViewController.h"
#include "messaging/CreatNewMessageViewContrller.h"
#include "messaging/ManageHiddenMSGController.h"
#include "messaging/SMSReadViewController.h"
#include "platform/AutostartEntry.h"
#include "platform/Localization.h"
#include "platform/LocalizationKeys.h"
#include "sms/SmsService.h"

namespace hv {

namespace {

// The settings' switch for noticing messages while closed: an autostart entry that starts
// this program in the background, on this profile.
SettingViewFirstController::NoticeWhenClosed noticeWhenClosed(const StorePaths& paths) {
    const bool ownProfile =
        paths.documentsDirectory() == StorePaths::forUser().documentsDirectory();
    const AutostartEntry entry = AutostartEntry::forThisProgram(
        ownProfile ? QString() : QFile::decodeName(paths.documentsDirectory().c_str()));
    return {[entry] { return entry.isInstalled(); },
            [entry](bool on, QString* error) {
                return on ? entry.install(error) : entry.remove(error);
            }};
}

// A login's end, handed to whoever asked for it.
class LoginDone : public QObject, public LoginListener {
public:
    LoginDone(std::function<bool()> loggedIn, std::function<void()> done, QObject* owner)
        : QObject(owner), loggedIn_(std::move(loggedIn)), done_(std::move(done)) {}

    bool IsLogin() const override { return loggedIn_ && loggedIn_(); }
    void setIsLogin(bool) override {}
    void finishedLogin(bool flag) override {
        if (flag && done_) done_();
    }

private:
    std::function<bool()> loggedIn_;
    std::function<void()> done_;
};

// The screens a composer opens; the contact list behind the login while `loggedIn` says no.
ComposerScreens makeComposerScreens(const StorePaths& paths, const AddressBook& addressBook,
                                    std::function<bool()> loggedIn) {
    ComposerScreens screens;
    screens.loggedIn = loggedIn;
    screens.login = [paths, loggedIn](std::function<void()> done) -> ViewController* {
        auto* listener = new LoginDone(loggedIn, std::move(done), nullptr);
        auto* login = new LoginViewController(paths, listener);
        listener->setParent(login);
        return login;
    };
    screens.contactList = [paths, &addressBook]() -> ViewController* {
        return new SMSContractsListViewController(paths, addressBook);
    };
    screens.phoneTypeChooser = [](std::function<void(bool)> chosen) -> ViewController* {
        return ChoosePhoneTypeViewController::create(std::move(chosen));
    };
    screens.settings = [paths]() -> ViewController* {
        auto* settings = new SettingViewFirstController(paths);
        settings->setNoticeWhenClosed(noticeWhenClosed(paths));
        return settings;
    };
    return screens;
}

// "Sends through the phone's modem", in the installed language.
QString smsServiceLine(SmsRoute route) {
    const char* service = route == SmsRoute::Modem        ? kKeyViaModem
                          : route == SmsRoute::KdeConnect ? kKeyViaKdeConnect
                                                          : kKeyViaOutbox;
    return localized(kKeySendsThrough).arg(localized(service));
}

}  // namespace

MenuScreens makeMenuScreens(const StorePaths& paths, SmsService* smsService,
                            const AddressBook& addressBook) {
    MenuScreens screens;
    screens.about = [smsService](HushvaultViewController*) -> ViewController* {
        auto* about = new AboutUSViewController;
        if (smsService) about->setSmsServiceLine(smsServiceLine(smsService->route()));
        return about;
    };
    screens.composer = [paths, smsService,
                        &addressBook](HushvaultViewController* menu) -> ViewController* {
        QPointer<HushvaultViewController> asking(menu);
        auto* composer = new CreatNewMessageViewContrller(
            smsService, paths, makeComposerScreens(paths, addressBook, [asking] {
                return !asking || asking->IsLogin();
            }));
        composer->setContract(Contacts{});
        return composer;
    };
    screens.settings = [paths](HushvaultViewController* menu) -> ViewController* {
        auto* settings = new SettingViewFirstController(paths);
        settings->setHushvaultViewController(menu);
        settings->setNoticeWhenClosed(noticeWhenClosed(paths));
        return settings;
    };
    screens.login = [paths](HushvaultViewController* menu) -> ViewController* {
        return new LoginViewController(paths, menu);
    };
    screens.contactList = [paths, &addressBook](HushvaultViewController*) -> ViewController* {
        return new SMSContractsListViewController(paths, addressBook);
    };
    screens.records = [paths](HushvaultViewController*) -> ViewController* {
        return new ManageHiddenMSGController(paths);
    };
    return screens;
}

std::function<ViewController*(const QString& link, const QString& sender)> makeReaderFactory(
    const StorePaths& paths, SmsService* smsService, const AddressBook& addressBook,
    std::function<bool()> loggedIn) {
    return [paths, smsService, &addressBook, loggedIn](const QString& link,
                                                       const QString& sender) -> ViewController* {
        ReaderScreens screens;
        screens.login = [paths]() -> ViewController* { return new LoginViewController(paths); };
        screens.composer = [paths, smsService, &addressBook,
                            loggedIn](const Contacts& to) -> ViewController* {
            auto* composer = new CreatNewMessageViewContrller(
                smsService, paths, makeComposerScreens(paths, addressBook, loggedIn));
            if (!to.telePhoneNumber.empty()) composer->setContract(to);
            return composer;
        };
        screens.exitApplication = [] { QCoreApplication::exit(0); };
        auto* reader = new SMSReadViewController(paths, std::move(screens));
        reader->setOriginaltext(link);
        reader->setSender(sender);
        return reader;
    };
}

}  // namespace hv
