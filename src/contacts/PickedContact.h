#pragma once

#include <string>

#include "store/Contacts.h"

namespace hv {

class ABContact;

// A secret contact made from a person of the address book and one of the person's
// numbers: no preset password, not a Hushvault friend ("0").
namespace PickedContact {

// Named by the person's display name (a person chosen by their only number).
Contacts byCompositeName(const ABContact& person, const std::string& number);
// Named by first, middle and last name run together (a number picked among several, or
// any pick in the address-book picker); by the display name when the person has no parts.
Contacts byNameParts(const ABContact& person, const std::string& number);

}  // namespace PickedContact

}  // namespace hv
