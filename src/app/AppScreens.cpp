#include "app/AppScreens.h"

#include <QCoreApplication>

#include "access/LoginViewController.h"
#include "access/SettingViewFirstController.h"
#include "app/HushvaultViewController.h"
#include "info/ChoosePhoneTypeViewController.h"
#include "messaging/CreatNewMessageViewContrller.h"
#include "messaging/ManageHiddenMSGController.h"
#include "messaging/SMSReadViewController.h"

namespace hv {

namespace {

// The screens a composer opens.
ComposerScreens makeComposerScreens() {
    ComposerScreens screens;
    screens.phoneTypeChooser = [](std::function<void(bool)> chosen) -> ViewController* {
        return ChoosePhoneTypeViewController::create(std::move(chosen));
    };
    return screens;
}

}  // namespace

MenuScreens makeMenuScreens(const StorePaths& paths, SmsService* smsService) {
    MenuScreens screens;
    screens.composer = [paths, smsService](HushvaultViewController*) -> ViewController* {
        auto* composer = new CreatNewMessageViewContrller(smsService, paths, makeComposerScreens());
        composer->setContract(Contacts{});
        return composer;
    };
    screens.settings = [paths](HushvaultViewController* menu) -> ViewController* {
        auto* settings = new SettingViewFirstController(paths);
        settings->setHushvaultViewController(menu);
        return settings;
    };
    screens.login = [paths](HushvaultViewController* menu) -> ViewController* {
        return new LoginViewController(paths, menu);
    };
    screens.records = [paths](HushvaultViewController*) -> ViewController* {
        return new ManageHiddenMSGController(paths);
    };
    return screens;
}

std::function<ViewController*(const QString& link)> makeReaderFactory(const StorePaths& paths,
                                                                      SmsService* smsService) {
    return [paths, smsService](const QString& link) -> ViewController* {
        ReaderScreens screens;
        screens.login = [paths]() -> ViewController* { return new LoginViewController(paths); };
        screens.composer = [paths, smsService]() -> ViewController* {
            return new CreatNewMessageViewContrller(smsService, paths, makeComposerScreens());
        };
        screens.exitApplication = [] { QCoreApplication::exit(0); };
        auto* reader = new SMSReadViewController(paths, std::move(screens));
        reader->setOriginaltext(link);
        return reader;
    };
}

}  // namespace hv
