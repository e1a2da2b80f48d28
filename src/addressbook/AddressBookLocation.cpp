// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "addressbook/AddressBookLocation.h"

#include "store/ConfigFile.h"
#include "store/StorePaths.h"

namespace hv {

std::string AddressBookLocation::folder(const std::optional<std::string>& option,
                                        const std::string& documentsDirectory) {
    if (option && !option->empty()) return *option;
    const auto configured = ConfigFile(documentsDirectory).GetStrValueFromConfigFile(kConfigKey);
    // A relative path is taken from the folder of Conf.ini, not from wherever the program
    // happened to be started.
    if (configured && !configured->empty())
        return configured->front() == '/' ? *configured : documentsDirectory + "/" + *configured;
    return StorePaths::dataHome() + "/kpeoplevcard";
}

}  // namespace hv
