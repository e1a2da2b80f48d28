#pragma once

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
    // and a preset password of at least 3 characters.
    static Problem check(const std::string& recipientText, const Contacts& contact);
    // The number a checked message goes to: the contact's, normalised, or, when it has
    // none, the recipient text unchanged.
    static std::string recipientNumber(const std::string& recipientText, const Contacts& contact);

    struct Outcome {
        bool accepted = false;  // the SMS service's answer
        // Accepted by a service that only keeps it (the Outbox): nothing left the machine.
        bool keptOnly = false;
        // A web link was needed and no web link host is set: nothing was sent or recorded.
        bool noWebLinkHost = false;
        std::string body;  // the text handed to the service
    };

    MessageSender(SmsService& service, HushvaultSqlite& store);

    // Sends a checked message. With "Record" "On" a record with status "2" is written
    // whatever the service answers; the legacy settings file "passWord.dat" with "Record"
    // "On" adds one more: "2" when the service accepted, "4" when it refused. A message for
    // a friend without Hushvault (a web link) needs the web link host of Conf.ini
    // (WebLinkHost); without one it goes nowhere.
    Outcome send(const Contacts& contact, bool isIphone, const std::string& text,
                 const std::string& label, double nowSeconds);

    // Whether <documents>/passWord.dat exists and says "Record" "On".
    static bool legacyRecordFlag(const std::string& documentsDirectory);

private:
    SmsService& service_;
    HushvaultSqlite& store_;
};

}  // namespace hv
