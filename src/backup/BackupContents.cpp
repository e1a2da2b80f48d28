// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "backup/BackupContents.h"

#include <algorithm>
#include <charconv>
#include <nlohmann/json.hpp>

namespace hv {

namespace {

using nlohmann::json;

constexpr const char* kFormat = "hushvault-backup";

bool isIntegerKey(const std::string& key) {
    return std::any_of(std::begin(kConfigIntegerKeys), std::end(kConfigIntegerKeys),
                       [&](const char* name) { return key == name; });
}

// A member that must be a text; throws (caught below) when it is anything else.
std::string textAt(const json& object, const char* name) {
    return object.at(name).get<std::string>();
}

}  // namespace

std::string BackupContents::toJson() const {
    json contactList = json::array();
    for (const Contacts& contact : contacts)
        contactList.push_back(
            {{"name", contact.name},
             {"number", contact.telePhoneNumber},
             {"password", contact.passWord},
             {"phoneType", contact.iphoneFriend ? json(*contact.iphoneFriend) : json(nullptr)}});
    json recordList = json::array();
    for (const HiddenMSG& record : records)
        recordList.push_back({{"number", record.telePhoneNumber},
                              {"text", record.contents},
                              {"time", record.time},
                              {"status", record.statue}});
    json configObject = json::object();
    for (const auto& [key, value] : config) {
        long long number = 0;
        const auto [end, error] =
            std::from_chars(value.data(), value.data() + value.size(), number);
        if (isIntegerKey(key) && error == std::errc() && end == value.data() + value.size())
            configObject[key] = number;
        else
            configObject[key] = value;
    }
    const json document = {{"format", kFormat},          {"writtenBy", writtenBy},
                           {"contacts", contactList},    {"records", recordList},
                           {"settings", json(settings)}, {"config", configObject}};
    return document.dump(-1, ' ', false, json::error_handler_t::replace);
}

std::optional<BackupContents> BackupContents::fromJson(std::string_view text) {
    const json document = json::parse(text, nullptr, false);
    if (!document.is_object()) return std::nullopt;
    try {
        if (textAt(document, "format") != kFormat) return std::nullopt;
        BackupContents contents;
        contents.writtenBy = textAt(document, "writtenBy");
        const json& contactList = document.at("contacts");
        const json& recordList = document.at("records");
        const json& config = document.at("config");
        if (!contactList.is_array() || !recordList.is_array() || !config.is_object())
            return std::nullopt;
        contents.contacts.reserve(contactList.size());
        for (const json& item : contactList) {
            Contacts contact;
            contact.name = textAt(item, "name");
            contact.telePhoneNumber = textAt(item, "number");
            contact.passWord = textAt(item, "password");
            const json& phoneType = item.at("phoneType");
            if (!phoneType.is_null()) contact.iphoneFriend = phoneType.get<std::string>();
            contents.contacts.push_back(std::move(contact));
        }
        contents.records.reserve(recordList.size());
        for (const json& item : recordList) {
            HiddenMSG record;
            record.telePhoneNumber = textAt(item, "number");
            record.contents = textAt(item, "text");
            record.time = textAt(item, "time");
            record.statue = textAt(item, "status");
            contents.records.push_back(std::move(record));
        }
        contents.settings = document.at("settings").get<std::map<std::string, std::string>>();
        for (const auto& [key, value] : config.items()) {
            if (value.is_number_integer())
                contents.config[key] = std::to_string(value.get<long long>());
            else
                contents.config[key] = value.get<std::string>();
        }
        return contents;
    } catch (const json::exception&) {
        return std::nullopt;  // a member missing or of another type
    }
}

}  // namespace hv
