// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "store/Contacts.h"

namespace hv {

class ABContact;

// A secret contact made from a person of the address book and one of the person's
// numbers: no preset password, not a Hushvault friend ("0").
namespace PickedContact {

// Named by the person's display name, whichever way the number was chosen ("Alice
// Anderson", "王小明": never the name parts run together in an order of their own).
Contacts byCompositeName(const ABContact& person, const std::string& number);

}  // namespace PickedContact

}  // namespace hv
