// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <utility>
#include <vector>

#include "addressbook/ABPerson.h"

namespace hv {

// A person of the address book as the contact screens list it: it keeps the person's
// record, for the person view and for the name parts.
class ABContact {
public:
    explicit ABContact(ABPerson person) : record_(std::move(person)) {}

    // The display name; empty when the person has none.
    const std::string& compositeName() const { return record_.compositeName; }
    // The phone numbers, in the book's order; empty when there are none.
    const std::vector<std::string>& phoneArray() const { return record_.phones; }
    const ABPerson& record() const { return record_; }

private:
    ABPerson record_;
};

}  // namespace hv
