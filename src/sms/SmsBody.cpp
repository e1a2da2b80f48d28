// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sms/SmsBody.h"

#include "crypto/SecretLink.h"
#include "crypto/SecretToken.h"

namespace hv {

std::string SmsBody::make(const std::string& label, bool isIphone, const std::string& text,
                          const std::string& password, const std::string& webLinkHost) {
    return label + " " + linkPrefix(isIphone, webLinkHost) + GenEncURL(text, password, isIphone);
}

std::string SmsBody::linkPrefix(bool isIphone, const std::string& webLinkHost) {
    if (isIphone) return std::string(SECRETOPENURL);
    return "http://" + webLinkHost + "/s/?m=";
}

}  // namespace hv
