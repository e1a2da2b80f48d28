// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sms/MessageReader.h"

#include <algorithm>

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
    const auto opened = openWithContacts(token, std::string());
    if (!opened) return std::nullopt;
    return opened->plain;
}

std::optional<MessageReader::Opened> MessageReader::openWithContacts(
    const std::string& token, const std::string& senderTelephone) {
    std::vector<Contacts> contacts = store_.findAllContracts();
    if (!senderTelephone.empty()) {
        const Contacts sender = store_.findContractByTelephoneNumber(senderTelephone);
        const auto at = std::find_if(contacts.begin(), contacts.end(), [&](const Contacts& c) {
            return sender.contract_id != 0 && c.contract_id == sender.contract_id;
        });
        if (at != contacts.end()) std::rotate(contacts.begin(), at, at + 1);
    }
    // DecString turns a password whose check prefix does not fit away before any RC4 work.
    for (const Contacts& contact : contacts)
        if (auto plain = DecString(token, contact.passWord)) return Opened{*plain, contact};
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
