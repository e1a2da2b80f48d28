#include "app/AppScreens.h"

#include "access/LoginViewController.h"
#include "access/SettingViewFirstController.h"
#include "app/HushvaultViewController.h"
#include "messaging/CreatNewMessageViewContrller.h"

namespace hv {

MenuScreens makeMenuScreens(SmsService* smsService) {
    MenuScreens screens;
    screens.composer = [smsService](HushvaultViewController*) -> ViewController* {
        auto* composer = new CreatNewMessageViewContrller(smsService);
        composer->setContract(Contacts{});
        return composer;
    };
    screens.settings = [](HushvaultViewController* menu) -> ViewController* {
        auto* settings = new SettingViewFirstController;
        settings->setHushvaultViewController(menu);
        return settings;
    };
    screens.login = [](HushvaultViewController* menu) -> ViewController* {
        return new LoginViewController(menu);
    };
    return screens;
}

}  // namespace hv
