// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace hv {

// Turns a text and a password into a secret-message token. plainForm true gives the form
// used by application links and at-rest encryption; false escapes every "+" as "%2B" for
// web links. Never fails: empty texts and passwords give tokens too.
std::string GenEncURL(std::string_view text, std::string_view password, bool plainForm);

// The plain text of a plain-form token under the password, or nothing when the token does
// not fit the password (see SecretCipher::decrypt).
std::optional<std::string> DecString(std::string_view token, std::string_view password);

// Whether a plain-form token can be read at all, whatever the password: ASCII, four
// lower-case hex check characters, then nothing but white space or a Base64 text. A token
// that is not is damaged (cut, or changed on its way); no password can open it. The web
// reader draws the same line.
bool isWellFormedToken(std::string_view token);

}  // namespace hv
