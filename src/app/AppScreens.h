#pragma once

#include "app/MenuScreens.h"

namespace hv {

class SmsService;
class StorePaths;

// The screens the main menu opens, wired to the profile's files and the SMS service
// (not owned; it must outlive the screens).
MenuScreens makeMenuScreens(const StorePaths& paths, SmsService* smsService);

}  // namespace hv
