// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <map>
#include <nlohmann/json.hpp>
#include <string>

#include "store/Contacts.h"
#include "store/HiddenMSG.h"

namespace hv {
class ABContact;
}

namespace hv::cli {

// JSON forms of the records, with the field names scripts rely on. An absent
// iPhone-friend flag is null.
nlohmann::json toJson(const Contacts& contact);
nlohmann::json toJson(const HiddenMSG& message);
nlohmann::json toJson(const std::map<std::string, std::string>& settings);
// A person of the address book, with the key of the section it is listed under.
nlohmann::json toJson(const std::string& section, const ABContact& contact);

}  // namespace hv::cli
