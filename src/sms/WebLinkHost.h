// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace hv {

// The host that serves the web reader for friends without Hushvault, kept in Conf.ini under
// "WebLinkHost". There is no default: whoever ran a default host would receive every web
// link and serve the page where friends type their preset passwords. Until the user sets
// a host, no message is sent with a web link.
namespace WebLinkHost {

inline constexpr const char* kKey = "WebLinkHost";

// A host name ("links.example.org", "localhost") or IPv4 address, with an optional port
// (":8080"): labels of letters, digits and inner hyphens, 63 characters at most each, 253
// in all. Nothing else (a scheme, a path, a space) could stand in "http://HOST/s/?m=".
bool isValid(std::string_view host);

// The host set in the documents directory's Conf.ini, or nothing when none is set or what
// is set is not a host.
std::optional<std::string> configured(const std::string& documentsDirectory);

// Sets the host (the empty text: none); false when Conf.ini could not be written.
bool store(const std::string& documentsDirectory, const std::string& host);

}  // namespace WebLinkHost

}  // namespace hv
