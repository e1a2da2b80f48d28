// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace hv {

// Compares texts the way people of a language sort names: locale-aware and ignoring
// letter case, but not accents (ICU collation at secondary strength). Texts are UTF-8.
// Not copyable; one serves one thread.
class LocalizedCompare {
public:
    // locale: an ICU locale name ("en", "zh_CN"); empty for the process's default (English
    // under the C locale).
    explicit LocalizedCompare(const std::string& locale = {});
    ~LocalizedCompare();
    LocalizedCompare(const LocalizedCompare&) = delete;
    LocalizedCompare& operator=(const LocalizedCompare&) = delete;

    // Below 0, 0 or above 0 as a sorts before, with or after b.
    int compare(std::string_view a, std::string_view b) const;
    // A key whose byte order is the order of compare, for sorting many texts.
    std::string sortKey(std::string_view text) const;

private:
    struct Collation;
    std::unique_ptr<Collation> collation_;
};

}  // namespace hv
