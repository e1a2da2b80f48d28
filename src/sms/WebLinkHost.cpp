// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sms/WebLinkHost.h"

#include <charconv>

#include "store/ConfigFile.h"

namespace hv {

namespace {

bool isLabel(std::string_view label) {
    if (label.empty() || label.size() > 63 || label.front() == '-' || label.back() == '-')
        return false;
    for (const char c : label)
        if (!(c >= 'a' && c <= 'z') && !(c >= 'A' && c <= 'Z') && !(c >= '0' && c <= '9') &&
            c != '-')
            return false;
    return true;
}

bool isPort(std::string_view port) {
    unsigned value = 0;
    const auto [end, error] = std::from_chars(port.data(), port.data() + port.size(), value);
    return !port.empty() && port.front() != '0' && error == std::errc() &&
           end == port.data() + port.size() && value <= 65535;
}

}  // namespace

bool WebLinkHost::isValid(std::string_view host) {
    if (const std::size_t colon = host.find(':'); colon != std::string_view::npos) {
        if (!isPort(host.substr(colon + 1))) return false;
        host = host.substr(0, colon);
    }
    if (host.empty() || host.size() > 253) return false;
    for (std::size_t start = 0;;) {
        const std::size_t dot = host.find('.', start);
        if (!isLabel(host.substr(start, dot - start))) return false;
        if (dot == std::string_view::npos) return true;
        start = dot + 1;
    }
}

std::optional<std::string> WebLinkHost::configured(const std::string& documentsDirectory) {
    auto host = ConfigFile(documentsDirectory).GetStrValueFromConfigFile(kKey);
    if (!host || !isValid(*host)) return std::nullopt;
    return host;
}

bool WebLinkHost::store(const std::string& documentsDirectory, const std::string& host) {
    return ConfigFile(documentsDirectory).SetStrValueToConfigFile(kKey, host);
}

}  // namespace hv
