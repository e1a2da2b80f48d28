// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <string>

namespace hv {

class AlertView;

// Asks for the host of web links (for friends without Hushvault), in an alert with a text
// field holding the host set now. "Save" keeps a host name, or clears the host when the
// field is left empty; anything else is refused with a word and changes nothing. A
// Conf.ini that cannot be written is said too.
namespace WebLinkHostEditor {

// changed runs once a new host is stored.
AlertView* ask(const std::string& documentsDirectory, std::function<void()> changed);

}  // namespace WebLinkHostEditor

}  // namespace hv
