#pragma once

#include <QString>
#include <functional>

#include "app/MenuScreens.h"

namespace hv {

class SmsService;
class StorePaths;

// The screens the main menu opens, wired to the profile's files and the SMS service
// (not owned; it must outlive the screens).
MenuScreens makeMenuScreens(const StorePaths& paths, SmsService* smsService);

// The message reader for a link, with what it opens: the login, a composer for replies,
// and the end of the application.
std::function<ViewController*(const QString& link)> makeReaderFactory(const StorePaths& paths,
                                                                      SmsService* smsService);

}  // namespace hv
