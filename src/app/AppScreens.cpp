#include "app/AppScreens.h"

#include "messaging/CreatNewMessageViewContrller.h"

namespace hv {

MenuScreens makeMenuScreens(SmsService* smsService) {
    MenuScreens screens;
    screens.composer = [smsService](HushvaultViewController*) -> ViewController* {
        auto* composer = new CreatNewMessageViewContrller(smsService);
        composer->setContract(Contacts{});
        return composer;
    };
    return screens;
}

}  // namespace hv
