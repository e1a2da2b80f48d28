#include "app/AppScreens.h"

#include "access/LoginViewController.h"
#include "access/SettingViewFirstController.h"
#include "app/HushvaultViewController.h"
#include "info/ChoosePhoneTypeViewController.h"
#include "messaging/CreatNewMessageViewContrller.h"

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
    return screens;
}

}  // namespace hv
