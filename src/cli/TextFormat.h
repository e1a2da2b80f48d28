// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "store/Contacts.h"
#include "store/HiddenMSG.h"

namespace hv {
class ABContact;
}

namespace hv::cli {

// Plain-text forms: one line per record, fields separated by tabs, with backslash, tab,
// line feed and carriage return inside a field written as \\, \t, \n and \r so that
// every record stays on one line.
std::string escapeField(const std::string& field);
// id, name, telephone, password, iPhone-friend flag.
std::string toLine(const Contacts& contact);
// id, telephone, time, status, content.
std::string toLine(const HiddenMSG& message);
// A person of the address book: section key, name, phone numbers joined by ", ".
std::string toLine(const std::string& section, const ABContact& contact);

}  // namespace hv::cli
