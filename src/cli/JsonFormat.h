#pragma once

#include <map>
#include <nlohmann/json.hpp>
#include <string>

#include "store/Contacts.h"
#include "store/HiddenMSG.h"

namespace hv::cli {

// JSON forms of the records, with the field names scripts rely on. An absent
// iPhone-friend flag is null.
nlohmann::json toJson(const Contacts& contact);
nlohmann::json toJson(const HiddenMSG& message);
nlohmann::json toJson(const std::map<std::string, std::string>& settings);

}  // namespace hv::cli
