// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sms/MessageSender.h"

#include "sms/SmsBody.h"
#include "sms/SmsService.h"
#include "sms/WebLinkHost.h"
#include "store/HiddenMSG.h"
#include "store/HushvaultSqlite.h"
#include "store/PhoneNumber.h"
#include "store/PropertyList.h"
#include "store/RecordTime.h"
#include "store/SettingsKeys.h"
#include "store/TextLength.h"

namespace hv {

MessageSender::Problem MessageSender::check(const std::string& recipientText,
                                            const Contacts& contact) {
    // The recipient must be a number a phone can dial: a name typed over a picked
    // contact's, or any other text, is no recipient.
    if (recipientText.empty() || !dialablePhoneNumber(recipientNumber(recipientText, contact)))
        return Problem::NoRecipient;
    if (utf16Length(contact.passWord) < 3) return Problem::ShortPassword;
    return Problem::None;
}

std::string MessageSender::recipientNumber(const std::string& recipientText,
                                           const Contacts& contact) {
    return contact.telePhoneNumber.empty() ? recipientText : contact.telePhoneNumber;
}

MessageSender::MessageSender(SmsService& service, HushvaultSqlite& store)
    : service_(service), store_(store) {}

bool MessageSender::legacyRecordFlag(const std::string& documentsDirectory) {
    const auto legacy =
        PropertyList::readTexts(documentsDirectory + "/passWord.dat", {kSettingRecord});
    if (!legacy) return false;
    const auto record = legacy->find(kSettingRecord);
    return record != legacy->end() && record->second == kRecordOn;
}

MessageSender::Outcome MessageSender::send(const Contacts& contact, bool isIphone,
                                           const std::string& text, const std::string& label,
                                           double nowSeconds) {
    Outcome outcome;
    const auto host =
        isIphone ? std::nullopt : WebLinkHost::configured(store_.documentsDirectory());
    if (!isIphone && !host) {
        outcome.noWebLinkHost = true;
        return outcome;
    }
    outcome.body = SmsBody::make(label, isIphone, text, contact.passWord, host.value_or(""));
    const bool legacy = legacyRecordFlag(store_.documentsDirectory());
    // Asked before sending: a service that chooses at each message sends the way it names.
    outcome.keptOnly = service_.route() == SmsRoute::Outbox;
    // The service dials the number whole ("+86 138…" as "+86138…"); the records keep it
    // the way every installation stores numbers.
    outcome.accepted = service_.sendSMSWithText(
        outcome.body, "",
        dialablePhoneNumber(contact.telePhoneNumber).value_or(contact.telePhoneNumber));
    const std::string time = formatRecordTime(nowSeconds);
    // A refused message is kept as not sent: "2" would say it went out.
    const std::string statue(outcome.accepted ? kStatueSent : kStatueRefused);
    if (store_.findTelephoneNumber(kSettingRecord) == std::string(kRecordOn))
        outcome.recordId = store_.addSMS(contact.telePhoneNumber, text, time, statue);
    if (legacy) store_.addSMS(contact.telePhoneNumber, text, time, statue);
    return outcome;
}

void MessageSender::markNotSent(HushvaultSqlite& store, std::int32_t recordId) {
    if (recordId > 0) store.updateSMSStatue(std::string(kStatueRefused), recordId);
}

}  // namespace hv
