// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "addressbook/NameSearch.h"

#include <gtest/gtest.h>

using namespace hv;
using Positions = std::vector<std::size_t>;

// Anywhere in a name, whatever the case; an empty text or name matches nothing.
TEST(NameSearchTest, FindsTheTextAnywhereIgnoringCase) {
    const NameSearch search({"Alice", "Bob", "Oliver", "", "张三丰", "STRASSE", "Émile"});
    EXPECT_EQ(search.matches("LI"), (Positions{0, 2}));
    EXPECT_EQ(search.matches("li"), (Positions{0, 2}));
    EXPECT_EQ(search.matches("三丰"), Positions{4});
    EXPECT_EQ(search.matches("straße"), Positions{5});
    EXPECT_EQ(search.matches("émi"), Positions{6});
    EXPECT_EQ(search.matches("ÉMILE"), Positions{6});
    for (const char* nothing : {"", "7", " "}) EXPECT_TRUE(search.matches(nothing).empty());
    EXPECT_TRUE(NameSearch({}).matches("a").empty());
}
