#pragma once

#include "app/MenuScreens.h"

namespace hv {

class SmsService;

// The screens the main menu opens, wired to the services they use.
MenuScreens makeMenuScreens(SmsService* smsService);

}  // namespace hv
