// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

namespace hv {

// Puts right two ways of writing vCard 2.1 values that the vCard parser misreads, so that
// cards from older phones read as their owners see them:
// - quoted-printable values broken over lines by soft line breaks ("=" ending a line): the
//   parser keeps "=" and the line break when the character before is not itself encoded.
//   They are joined into one line.
// - values written in the 8-bit bytes of a CHARSET other than UTF-8 (CHARSET=GBK, say):
//   the parser replaces the bytes that are not UTF-8 before converting. They are converted
//   to UTF-8 and marked CHARSET=UTF-8; a value that does not convert is left as it is.
// Every other line is kept byte for byte.
namespace VCardLegacyText {

std::string normalized(std::string_view card);

}  // namespace VCardLegacyText

}  // namespace hv
