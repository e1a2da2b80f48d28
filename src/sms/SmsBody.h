// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace hv {

// The text of a secret message's SMS: the label, one space, then the link with the token
// at its end and nothing after it. The application link carries the plain-form token;
// the web link "http://<host>/s/?m=" the escaped form (no "+"), with the host of
// WebLinkHost.
namespace SmsBody {

// The English text of the label key "hiddenMSG", for senders without translations.
inline constexpr const char* kDefaultLabel = "Hushvault message:";

std::string make(const std::string& label, bool isIphone, const std::string& text,
                 const std::string& password, const std::string& webLinkHost);

// "hiddenmsg://" for friends with Hushvault, else the web address before the token.
std::string linkPrefix(bool isIphone, const std::string& webLinkHost);

}  // namespace SmsBody

}  // namespace hv
