// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "addressbook/NameSearch.h"

#include <unicode/unistr.h>

namespace hv {

NameSearch::NameSearch(const std::vector<std::string>& names) {
    folded_.reserve(names.size());
    for (const std::string& name : names) folded_.push_back(folded(name));
}

std::vector<std::size_t> NameSearch::matches(std::string_view text) const {
    std::vector<std::size_t> found;
    if (text.empty()) return found;
    const std::string needle = folded(text);
    for (std::size_t i = 0; i < folded_.size(); ++i)
        if (!folded_[i].empty() && folded_[i].find(needle) != std::string::npos) found.push_back(i);
    return found;
}

std::string NameSearch::folded(std::string_view text) {
    icu::UnicodeString unicode =
        icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), int32_t(text.size())));
    std::string result;
    unicode.foldCase().toUTF8String(result);
    return result;
}

}  // namespace hv
