// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

namespace hv {

// An unsent message kept between two visits of the composer: the property-list file
// "tempMessage" in the user's private temporary directory, with the texts "Name",
// "Telephone", "Text", "Password" (plain) and "Friend" ("1" or "0").
struct MessageDraft {
    std::string name;
    std::string telephone;
    std::string text;
    std::string password;
    std::string friendFlag;

    static std::string path(const std::string& temporaryDirectory);
    // The stored draft, or nothing when there is none or it cannot be read.
    static std::optional<MessageDraft> load(const std::string& temporaryDirectory);
    // Replaces any earlier draft, atomically, readable by the user alone; creates the
    // directory (mode 0700) when it is missing.
    bool save(const std::string& temporaryDirectory) const;
    static void remove(const std::string& temporaryDirectory);
};

}  // namespace hv
