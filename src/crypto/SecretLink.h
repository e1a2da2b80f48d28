// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace hv {

// The application-link prefix: a plain-form token after it opens a friend's reader.
inline constexpr std::string_view SECRETOPENURL = "hiddenmsg://";

// The plain-form token in a text a person may paste: a whole SMS body ("label LINK"), a
// whole application link ("hiddenmsg://TOKEN", prefix in any letter case), a whole web
// link ("http://HOST/s/?m=TOKEN"), or a token alone, plain or escaped. White space around it
// is dropped and every "%2B" turned back into "+". (The reader does not use this: it
// takes a delivered link's text after the prefix exactly as it came.)
std::string tokenFromLink(std::string_view text);

// The well-formed token in a text a person pastes or drops, in any form tokenFromLink
// takes; nothing when the text holds none.
std::optional<std::string> secretTokenInText(std::string_view text);
// The well-formed token of the secret link in a received SMS ("label LINK"); nothing when
// the text holds no application or web link, so that no plain SMS counts as secret.
std::optional<std::string> secretTokenInMessage(std::string_view sms);

}  // namespace hv
