// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "backup/BackupContents.h"

namespace hv {

// What restoring a backup changes in a profile, worked out before anything is written, so
// that it can be shown first and then applied at once.
//
// Into an empty profile (no contact, no record) everything comes: contacts, records, the
// settings rows (all but "LockTime", a moment of the old phone's clock) and Conf.ini's keys.
// Into a profile with data, nothing already there is changed or removed:
//  - contacts are merged by number: a number this profile already has keeps this profile's
//    name, preset password and phone type (it is the newer: a backup is a moment of the
//    past); contacts with other numbers are added;
//  - records are added unless the same record (number, text, time, status) is already
//    there, so restoring one file twice adds nothing the second time;
//  - settings rows stay as they are; Conf.ini keys this profile lacks are taken.
struct RestorePlan {
    bool intoEmptyProfile = false;
    std::vector<Contacts> contactsToAdd;
    // Backup contacts whose number this profile already has, and how many of them differ
    // from the profile's own (name, password or phone type): those differences are dropped.
    int contactsKept = 0;
    int contactsKeptDiffering = 0;
    std::vector<HiddenMSG> recordsToAdd;
    int recordsAlreadyThere = 0;
    std::vector<std::pair<std::string, std::string>> settingsToSet;  // key, value
    std::map<std::string, std::string> configToSet;

    // Nothing to write at all.
    bool empty() const {
        return contactsToAdd.empty() && recordsToAdd.empty() && settingsToSet.empty() &&
               configToSet.empty();
    }

    static RestorePlan make(const BackupContents& backup, const std::vector<Contacts>& contacts,
                            const std::vector<HiddenMSG>& records,
                            const std::map<std::string, std::string>& config);
};

}  // namespace hv
