// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>

#include "store/Contacts.h"

namespace hv {

class HushvaultSqlite;
class SmsService;

// Sends one secret message, the same way from the composer and from hushvault-cli:
// check the recipient and the preset password, normalise the number, build the SMS body,
// hand it to the SMS service, and write the message records that the settings ask for.
class MessageSender {
public:
    enum class Problem { None, NoRecipient, ShortPassword };

    // The checks before sending, in order: a recipient (the text of the recipient field)
    // that is a phone number (the contact's, or the text when it has none; see
    // dialablePhoneNumber) and a preset password of at least 3 characters.
    static Problem check(const std::string& recipientText, const Contacts& contact);
    // The number a checked message goes to: the contact's, or, when it has none, the
    // recipient text. The service gets it as a phone dials it; records store it normalised.
    static std::string recipientNumber(const std::string& recipientText, const Contacts& contact);

    struct Outcome {
        bool accepted = false;  // the SMS service's answer
        // Accepted by a service that only keeps it (the Outbox): nothing left the machine.
        bool keptOnly = false;
        // A web link was needed and no web link host is set: nothing was sent or recorded.
        bool noWebLinkHost = false;
        std::string body;  // the text handed to the service
        // The record the records setting had written (0: none), to be marked not sent when
        // the service later reports the message failed (markNotSent).
        std::int32_t recordId = 0;
    };

    MessageSender(SmsService& service, HushvaultSqlite& store);

    // Sends a checked message. With "Record" "On" a record is written: status "2" when the
    // service accepted the message, "4" (not sent) when it refused; the legacy settings file
    // "passWord.dat" with "Record" "On" adds one more, alike. A message for
    // a friend without Hushvault (a web link) needs the web link host of Conf.ini
    // (WebLinkHost); without one it goes nowhere.
    Outcome send(const Contacts& contact, bool isIphone, const std::string& text,
                 const std::string& label, double nowSeconds);

    // A message the service accepted and later reported failed: its record (an Outcome's
    // recordId; 0 for none) says not sent.
    static void markNotSent(HushvaultSqlite& store, std::int32_t recordId);

    // Whether <documents>/passWord.dat exists and says "Record" "On".
    static bool legacyRecordFlag(const std::string& documentsDirectory);

private:
    SmsService& service_;
    HushvaultSqlite& store_;
};

}  // namespace hv
