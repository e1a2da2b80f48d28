// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/JsonFormat.h"

#include "addressbook/ABContact.h"

namespace hv::cli {

nlohmann::json toJson(const Contacts& contact) {
    return {{"id", contact.contract_id},
            {"name", contact.name},
            {"telephone", contact.telePhoneNumber},
            {"password", contact.passWord},
            {"iphoneFriend", contact.iphoneFriend ? nlohmann::json(*contact.iphoneFriend)
                                                  : nlohmann::json(nullptr)}};
}

nlohmann::json toJson(const HiddenMSG& message) {
    return {{"id", message.SMS_id},
            {"telephone", message.telePhoneNumber},
            {"content", message.contents},
            {"time", message.time},
            {"statue", message.statue}};
}

nlohmann::json toJson(const std::map<std::string, std::string>& settings) {
    nlohmann::json object = nlohmann::json::object();
    for (const auto& [key, value] : settings) object[key] = value;
    return object;
}

nlohmann::json toJson(const std::string& section, const ABContact& contact) {
    const ABPerson& person = contact.record();
    return {{"section", section},
            {"name", person.compositeName},
            {"firstName", person.firstName},
            {"middleName", person.middleName},
            {"lastName", person.lastName},
            {"phones", person.phones}};
}

}  // namespace hv::cli
