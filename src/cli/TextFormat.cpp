// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/TextFormat.h"

#include "addressbook/ABContact.h"

namespace hv::cli {

std::string escapeField(const std::string& field) {
    std::string out;
    out.reserve(field.size());
    for (char c : field) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string toLine(const Contacts& contact) {
    return std::to_string(contact.contract_id) + '\t' + escapeField(contact.name) + '\t' +
           escapeField(contact.telePhoneNumber) + '\t' + escapeField(contact.passWord) + '\t' +
           escapeField(contact.iphoneFriend.value_or(""));
}

std::string toLine(const HiddenMSG& message) {
    return std::to_string(message.SMS_id) + '\t' + escapeField(message.telePhoneNumber) + '\t' +
           escapeField(message.time) + '\t' + escapeField(message.statue) + '\t' +
           escapeField(message.contents);
}

std::string toLine(const std::string& section, const ABContact& contact) {
    std::string phones;
    for (const std::string& number : contact.phoneArray())
        phones += (phones.empty() ? "" : ", ") + number;
    return escapeField(section) + '\t' + escapeField(contact.compositeName()) + '\t' +
           escapeField(phones);
}

}  // namespace hv::cli
