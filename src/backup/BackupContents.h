// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "store/Contacts.h"
#include "store/HiddenMSG.h"

namespace hv {

// What a backup holds, as JSON inside the encrypted file:
//   {"format": "hushvault-backup", "writtenBy": "0.1.0",
//    "contacts": [{"name", "number", "password", "phoneType": "1"|"0"|null}, ...],
//    "records":  [{"number", "text", "time", "status"}, ...],
//    "settings": {"PassWord": ..., "Time": ..., "Record": ..., "LockTime": ...},
//    "config":   {"WebLinkHost": "...", "isglobleStatus": 1, ...}}
// Contacts and records oldest first, so that restoring them in order keeps their order.
// Numbers are kept as the store gives them back (normalised). Members a reader does not
// know are ignored; a member it knows with the wrong type refuses the whole contents.
struct BackupContents {
    std::string writtenBy;
    std::vector<Contacts> contacts;
    std::vector<HiddenMSG> records;
    std::map<std::string, std::string> settings;
    // Conf.ini's keys; integers as their decimal text (see kConfigIntegerKeys).
    std::map<std::string, std::string> config;

    // Texts that are not UTF-8 are kept byte for byte as far as JSON allows (invalid bytes
    // become U+FFFD); the store only holds UTF-8 written by Hushvault.
    std::string toJson() const;
    // Nothing when the text is not contents of this kind.
    static std::optional<BackupContents> fromJson(std::string_view json);
};

// The Conf.ini keys a backup carries, and which of them hold integers.
inline constexpr const char* kBackedUpConfigKeys[] = {"isglobleStatus", "WebLinkHost",
                                                      "KdeConnectDevice", "ContactsDirectory"};
inline constexpr const char* kConfigIntegerKeys[] = {"isglobleStatus"};

}  // namespace hv
