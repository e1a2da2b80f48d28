// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "addressbook/NameSections.h"

#include <unicode/uchar.h>
#include <unicode/utf8.h>

namespace hv {

std::string NameSections::keyOf(const std::string& name, const LocalizedCompare& compare) {
    const std::string& text = name.empty() ? std::string(kNoName) : name;
    int32_t at = 0;
    UChar32 first = 0;
    U8_NEXT(text.data(), at, int32_t(text.size()), first);
    if (first < 0) return kOtherKey;  // not UTF-8
    first = u_toupper(first);
    std::string initial;
    char bytes[U8_MAX_LENGTH];
    int32_t length = 0;
    UBool error = false;
    U8_APPEND(bytes, length, U8_MAX_LENGTH, first, error);
    if (error) return kOtherKey;
    initial.assign(bytes, std::size_t(length));
    return compare.compare(initial, "A") < 0 ? std::string(kOtherKey) : initial;
}

std::string_view NameSections::firstCharacter(const std::string& text) {
    int32_t at = 0;
    UChar32 first = 0;
    U8_NEXT(text.data(), at, int32_t(text.size()), first);
    return first < 0 ? std::string_view(text) : std::string_view(text).substr(0, std::size_t(at));
}

}  // namespace hv
