// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>
#include <vector>

#include "addressbook/ABPerson.h"

namespace hv {

// The persons of one vCard file's text: vCard 2.1 (quoted-printable, CHARSET), 3.0
// (folded lines) and 4.0, any number of cards, text between cards ignored. Lines end with
// CR LF, LF CR, or a CR or LF alone. A card inside a card (vCard 2.1's AGENT) is no person
// of its own and adds nothing to the card that holds it.
struct VCardFile {
    std::vector<ABPerson> people;
    // Cards nothing could be read from, cards holding a NUL byte, and cards that never
    // ended; 1 for a text that is not blank but holds no card at all.
    int skippedCards = 0;
};

namespace VCardReader {

VCardFile read(std::string_view text);

}  // namespace VCardReader

}  // namespace hv
