// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "crypto/SecretLink.h"

#include <cctype>

#include "crypto/SecretToken.h"

namespace hv {

namespace {

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i]) return false;
    return true;
}

std::string_view trimmed(std::string_view text) {
    constexpr std::string_view kSpace = " \t\r\n\v\f";
    const std::size_t first = text.find_first_not_of(kSpace);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kSpace) - first + 1);
}

// The token of a web link: the query's "m" value, up to the next parameter or fragment.
std::string_view webLinkToken(std::string_view link) {
    const std::size_t query = link.find("/s/?");
    if (query == std::string_view::npos) return link;
    std::string_view parameters = link.substr(query + 4);
    parameters = parameters.substr(0, parameters.find('#'));
    while (!parameters.empty()) {
        const std::size_t end = parameters.find('&');
        const std::string_view parameter = parameters.substr(0, end);
        if (parameter.substr(0, 2) == "m=") return parameter.substr(2);
        if (end == std::string_view::npos) break;
        parameters.remove_prefix(end + 1);
    }
    return {};
}

// Where a link starts in a whole SMS body ("label hiddenmsg://..."), or npos.
std::size_t linkStart(std::string_view text) {
    for (std::size_t at = 0; at < text.size(); ++at) {
        const std::string_view rest = text.substr(at);
        if (startsWithIgnoringCase(rest, SECRETOPENURL) ||
            startsWithIgnoringCase(rest, "http://") || startsWithIgnoringCase(rest, "https://"))
            return at;
    }
    return std::string_view::npos;
}

}  // namespace

std::string tokenFromLink(std::string_view text) {
    std::string_view token = trimmed(text);
    if (const std::size_t start = linkStart(token); start != std::string_view::npos)
        token.remove_prefix(start);
    if (startsWithIgnoringCase(token, SECRETOPENURL))
        token.remove_prefix(SECRETOPENURL.size());
    else if (startsWithIgnoringCase(token, "http://") || startsWithIgnoringCase(token, "https://"))
        token = webLinkToken(token);
    std::string plain;
    plain.reserve(token.size());
    for (std::size_t i = 0; i < token.size(); ++i) {
        if (token[i] == '%' && i + 2 < token.size() && token[i + 1] == '2' &&
            (token[i + 2] == 'B' || token[i + 2] == 'b')) {
            plain += '+';
            i += 2;
        } else {
            plain += token[i];
        }
    }
    return plain;
}

std::optional<std::string> secretTokenInText(std::string_view text) {
    std::string token = tokenFromLink(text);
    if (!isWellFormedToken(token)) return std::nullopt;
    return token;
}

std::optional<std::string> secretTokenInMessage(std::string_view sms) {
    if (linkStart(sms) == std::string_view::npos) return std::nullopt;
    return secretTokenInText(sms);
}

}  // namespace hv
