// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "addressbook/NameSections.h"

#include <gtest/gtest.h>

#include <unicode/locid.h>
#include <set>

using namespace hv;

namespace {

struct Named {
    std::string name;
    int id = 0;
};

std::vector<NameSection<Named>> sectionsOf(const std::vector<std::string>& names,
                                           const LocalizedCompare& compare) {
    std::vector<Named> entries;
    for (const std::string& name : names) entries.push_back({name, int(entries.size())});
    return NameSections::make(
        std::move(entries), [](const Named& entry) -> const std::string& { return entry.name; },
        compare);
}

// "KEY: name name | KEY: name" for comparing whole results at once.
std::string layout(const std::vector<NameSection<Named>>& sections) {
    std::string text;
    for (const auto& section : sections) {
        if (!text.empty()) text += " | ";
        text += section.key + ":";
        for (const Named& entry : section.entries) text += " [" + entry.name + "]";
    }
    return text;
}

}  // namespace

TEST(NameSectionsTest, NamelessAndDigitsComeFirstAndEqualNamesKeepTheirOrder) {
    const LocalizedCompare english("en");
    EXPECT_EQ(layout(sectionsOf({"bob", "Alice", "9lives", "", "alice"}, english)),
              "#: [] [9lives] | A: [Alice] [alice] | B: [bob]");
    EXPECT_EQ(layout(sectionsOf({"(work)", "+86 139", "Émile", "eve", "Zoe", "张三"}, english)),
              "#: [(work)] [+86 139] | E: [eve] | É: [Émile] | Z: [Zoe] | 张: [张三]");
    // Names equal but for case keep the order they came in.
    EXPECT_EQ(layout(sectionsOf({"Li", "li", "Anna", "LI", ""}, english)),
              "#: [] | A: [Anna] | L: [Li] [li] [LI]");
    EXPECT_TRUE(sectionsOf({}, english).empty());
}

TEST(NameSectionsTest, InChineseHanNamesGetSectionsOfTheirOwnInPinyinOrderAfterLatin) {
    // Chinese collation would sort Han before "A", and so every Chinese name under "#".
    for (const char* locale : {"zh_CN", "zh_TW"}) {
        const LocalizedCompare chinese(locale);
        const auto text = layout(sectionsOf({"王芳", "Alice", "9lives", "李雷"}, chinese));
        EXPECT_EQ(text.substr(0, 24), "#: [9lives] | A: [Alice]") << locale;
        EXPECT_NE(text.find("王: [王芳]"), std::string::npos) << locale;
        EXPECT_NE(text.find("李: [李雷]"), std::string::npos) << locale;
    }
    EXPECT_EQ(layout(sectionsOf({"王芳", "李雷"}, LocalizedCompare("zh_CN"))),
              "李: [李雷] | 王: [王芳]");  // li before wang
}

TEST(NameSectionsTest, AnInitialSortingAmongAnothersNamesLosesNoEntry) {
    // A full-width "Ａ" sorts as "A" does, so its names interleave with the A names while
    // keying a section of their own: each key must still have exactly one section.
    const LocalizedCompare english("en");
    const std::vector<std::string> names = {"Ａlice", "Amy",  "Alice", "Ａnne",   "Bob",
                                            "Émile",  "Eddy", "Eva",   "\xff\xfe"};
    const auto sections = sectionsOf(names, english);
    std::set<std::string> keys;
    std::size_t entries = 0;
    for (const auto& section : sections) {
        EXPECT_TRUE(keys.insert(section.key).second) << "twice: " << section.key;
        entries += section.entries.size();
    }
    EXPECT_EQ(entries, names.size());
    EXPECT_EQ(layout(sections),
              "#: [\xff\xfe] | A: [Alice] [Amy] | Ａ: [Ａlice] [Ａnne] | B: [Bob] | "
              "E: [Eddy] [Eva] | É: [Émile]");
}

TEST(LocalizedCompareTest, IgnoresCaseButNotAccentsAndNeverSortsInCodeOrder) {
    const LocalizedCompare english("en");
    EXPECT_EQ(english.compare("alice", "ALICE"), 0);
    EXPECT_LT(english.compare("Emile", "Émile"), 0);
    EXPECT_LT(english.compare("alice", "Bob"), 0);
    EXPECT_LT(english.sortKey("alice"), english.sortKey("Bob"));
    EXPECT_EQ(english.sortKey("alice"), english.sortKey("ALICE"));
    // A long text's key is not cut short.
    EXPECT_LT(english.sortKey(std::string(200, 'a') + "b"),
              english.sortKey(std::string(200, 'a') + "c"));

    // The C locale's collation would put "Bob" before "alice".
    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale before = icu::Locale::getDefault();
    icu::Locale::setDefault(icu::Locale("en_US_POSIX"), status);
    const LocalizedCompare processDefault;
    icu::Locale::setDefault(before, status);
    EXPECT_LT(processDefault.compare("alice", "Bob"), 0);
}
