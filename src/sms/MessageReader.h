// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

#include "store/Contacts.h"

namespace hv {

class HushvaultSqlite;

// Reads one secret message, the same way in the reader and in hushvault-cli: with a
// password the user types, or with the stored secret contacts' preset passwords, newest
// contact first, the first that fits winning; and records what was read.
class MessageReader {
public:
    explicit MessageReader(HushvaultSqlite& store);

    // The token of a delivered application link: its text after the 12 characters of the
    // prefix, untouched (no percent-decoding, no trimming); empty for a link no longer
    // than the prefix.
    static std::string tokenAfterPrefix(const std::string& link);

    // The plain text, or nothing when the token does not fit the password.
    static std::optional<std::string> decrypt(const std::string& token,
                                              const std::string& password);
    // The plain text under the first stored contact's preset password that fits, newest
    // contact first; nothing when there are no contacts or none fits.
    std::optional<std::string> decryptWithContacts(const std::string& token);

    struct Opened {
        std::string plain;
        Contacts contact;  // whose preset password fitted
    };
    // The same, trying first the contact stored under the sender's number (when one is
    // given and stored), then the others newest first.
    std::optional<Opened> openWithContacts(const std::string& token,
                                           const std::string& senderTelephone);

    // The English text of the label key "The decrypted message", for readers without
    // translations.
    static constexpr const char* kDefaultLabel = "The decrypted message";

    // What the reader shows once a message is read: the label, a colon, a line break and
    // the plain text.
    static std::string shownText(const std::string& label, const std::string& plain);
    // Keeps the shown text as a record with status "3" (the reader's telephone is empty),
    // when the setting "Record" is exactly "On". True when a record was written.
    bool record(const std::string& telephone, const std::string& shownText, double nowSeconds);

private:
    HushvaultSqlite& store_;
};

}  // namespace hv
