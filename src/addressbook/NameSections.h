// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <numeric>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "addressbook/LocalizedCompare.h"

namespace hv {

// One section of a list of names: its key (an upper-case initial, or "#") and its
// entries in name order.
template <typename Entry>
struct NameSection {
    std::string key;
    std::vector<Entry> entries;
};

namespace NameSections {

// The text a missing or empty name counts as, for sorting and for its section.
inline constexpr const char* kNoName = " ";
// The section of names that sort before "A": digits, punctuation, the nameless.
inline constexpr const char* kOtherKey = "#";

// The section key of a name: its first character upper-cased, or "#" when that sorts
// before "A". A letter outside A to Z (accented, Chinese) keys a section of its own.
std::string keyOf(const std::string& name, const LocalizedCompare& compare);
// The bytes of the text's first character (all of a text that is not UTF-8).
std::string_view firstCharacter(const std::string& text);

// The entries sorted by name and cut into sections, sections in key order ("#" first).
// nameOf(entry) gives the entry's name. Entries with equal names keep their order. An
// initial that sorts apart from its namesakes (a full-width letter, say) joins the one
// section of its key instead of replacing it, so that no entry is lost.
template <typename Entry, typename NameOf>
std::vector<NameSection<Entry>> make(std::vector<Entry> entries, NameOf nameOf,
                                     const LocalizedCompare& compare) {
    std::vector<std::string> names(entries.size());
    std::vector<std::string> sortKeys(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string& name = nameOf(entries[i]);
        names[i] = name.empty() ? std::string(kNoName) : name;
        sortKeys[i] = compare.sortKey(names[i]);
    }
    std::vector<std::size_t> order(entries.size());
    std::iota(order.begin(), order.end(), std::size_t(0));
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return sortKeys[a] < sortKeys[b]; });

    std::vector<NameSection<Entry>> sections;
    std::unordered_map<std::string, std::size_t> sectionOfKey;
    std::string_view lastInitial;
    std::size_t current = 0;
    for (std::size_t i : order) {
        // Consecutive names mostly share their initial; its section is looked up once.
        const std::string_view initial = firstCharacter(names[i]);
        if (sections.empty() || initial != lastInitial) {
            lastInitial = initial;
            const std::string key = keyOf(names[i], compare);
            const auto [found, added] = sectionOfKey.try_emplace(key, sections.size());
            if (added) sections.push_back({key, {}});
            current = found->second;
        }
        sections[current].entries.push_back(std::move(entries[i]));
    }
    // Keys that collate alike ("A" and a full-width "Ａ") go in code order.
    std::sort(sections.begin(), sections.end(), [&](const auto& a, const auto& b) {
        const int order = compare.compare(a.key, b.key);
        return order != 0 ? order < 0 : a.key < b.key;
    });
    return sections;
}

}  // namespace NameSections

}  // namespace hv
