// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sms/MessageReader.h"

#include "crypto/SecretLink.h"
#include "crypto/SecretToken.h"
#include "store/HiddenMSG.h"
#include "store/HushvaultSqlite.h"
#include "store/RecordTime.h"
#include "store/SettingsKeys.h"

namespace hv {

MessageReader::MessageReader(HushvaultSqlite& store) : store_(store) {}

std::string MessageReader::tokenAfterPrefix(const std::string& link) {
    return link.size() > SECRETOPENURL.size() ? link.substr(SECRETOPENURL.size()) : std::string();
}

std::optional<std::string> MessageReader::decrypt(const std::string& token,
                                                  const std::string& password) {
    return DecString(token, password);
}

std::optional<std::string> MessageReader::decryptWithContacts(const std::string& token) {
    // DecString turns a password whose check prefix does not fit away before any RC4 work.
    for (const Contacts& contact : store_.findAllContracts())
        if (auto plain = DecString(token, contact.passWord)) return plain;
    return std::nullopt;
}

std::string MessageReader::shownText(const std::string& label, const std::string& plain) {
    return label + ":\n" + plain;
}

bool MessageReader::record(const std::string& telephone, const std::string& shownText,
                           double nowSeconds) {
    if (store_.findTelephoneNumber(kSettingRecord) != std::string(kRecordOn)) return false;
    return store_.addSMS(telephone, shownText, formatRecordTime(nowSeconds),
                         std::string(kStatueDecrypted)) != 0;
}

}  // namespace hv
