// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace hv {

// Finds names that contain a search text anywhere, ignoring letter case. The names are
// folded once, so that each keystroke of a search costs one pass of plain substring
// searches. An empty name never matches; neither does anything for an empty text.
class NameSearch {
public:
    explicit NameSearch(const std::vector<std::string>& names);

    // The positions of the matching names, in the order the names were given.
    std::vector<std::size_t> matches(std::string_view text) const;

    // The text with letter case folded away (UTF-8 in, UTF-8 out).
    static std::string folded(std::string_view text);

private:
    std::vector<std::string> folded_;
};

}  // namespace hv
