#include "sms/SmsBody.h"

#include "crypto/SecretLink.h"
#include "crypto/SecretToken.h"
#include "store/ConfigFile.h"

namespace hv {

std::string SmsBody::make(const std::string& label, bool isIphone, const std::string& text,
                          const std::string& password, const std::string& webLinkHost) {
    return label + " " + linkPrefix(isIphone, webLinkHost) + GenEncURL(text, password, isIphone);
}

std::string SmsBody::linkPrefix(bool isIphone, const std::string& webLinkHost) {
    if (isIphone) return std::string(SECRETOPENURL);
    return "http://" + webLinkHost + "/s/?m=";
}

std::string SmsBody::webLinkHost(const std::string& documentsDirectory) {
    const auto configured =
        ConfigFile(documentsDirectory).GetStrValueFromConfigFile(kWebLinkHostKey);
    // A host is one word: anything with a scheme, path or space is not one.
    if (!configured || configured->empty() ||
        configured->find_first_of("/?# \t\r\n") != std::string::npos)
        return kDefaultWebLinkHost;
    return *configured;
}

}  // namespace hv
