// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "backup/RestorePlan.h"

#include <algorithm>
#include <tuple>

#include "store/PhoneNumber.h"
#include "store/SettingsKeys.h"

namespace hv {

namespace {

using RecordKey = std::tuple<std::string, std::string, std::string, std::string>;

RecordKey keyOf(const HiddenMSG& record) {
    return {normalizePhoneNumber(record.telePhoneNumber), record.contents, record.time,
            record.statue};
}

bool isBackedUpKey(const std::string& key) {
    return std::any_of(std::begin(kBackedUpConfigKeys), std::end(kBackedUpConfigKeys),
                       [&](const char* name) { return key == name; });
}

}  // namespace

RestorePlan RestorePlan::make(const BackupContents& backup, const std::vector<Contacts>& contacts,
                              const std::vector<HiddenMSG>& records,
                              const std::map<std::string, std::string>& config) {
    RestorePlan plan;
    plan.intoEmptyProfile = contacts.empty() && records.empty();

    // The profile's contact for each number; of several, the store's lookup gives the newest.
    std::map<std::string, const Contacts*> here;
    for (auto it = contacts.rbegin(); it != contacts.rend(); ++it)  // newest last wins
        here[normalizePhoneNumber(it->telePhoneNumber)] = &*it;
    for (const Contacts& contact : backup.contacts) {
        const auto found = here.find(normalizePhoneNumber(contact.telePhoneNumber));
        if (found == here.end()) {
            plan.contactsToAdd.push_back(contact);
            continue;
        }
        ++plan.contactsKept;
        const Contacts& own = *found->second;
        if (own.name != contact.name || own.passWord != contact.passWord ||
            own.iphoneFriend.value_or("") != contact.iphoneFriend.value_or(""))
            ++plan.contactsKeptDiffering;
    }

    // Counted, not merely seen: two equal records in the backup and one here add one.
    std::map<RecordKey, int> present;
    for (const HiddenMSG& record : records) ++present[keyOf(record)];
    for (const HiddenMSG& record : backup.records) {
        int& count = present[keyOf(record)];
        if (count > 0) {
            --count;
            ++plan.recordsAlreadyThere;
        } else {
            plan.recordsToAdd.push_back(record);
        }
    }

    if (plan.intoEmptyProfile) {
        for (const auto& [key, value] : backup.settings)
            if (key != kSettingLockTime) plan.settingsToSet.emplace_back(key, value);
    }
    for (const auto& [key, value] : backup.config) {
        if (!isBackedUpKey(key)) continue;  // only what Hushvault itself keeps there
        const auto own = config.find(key);
        if (own == config.end() || (plan.intoEmptyProfile && own->second != value))
            plan.configToSet[key] = value;
    }
    return plan;
}

}  // namespace hv
