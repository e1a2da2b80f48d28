// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "addressbook/ABContactsHelper.h"

#include <gtest/gtest.h>

#include "support/FakeAddressBook.h"

using namespace hv;

TEST(ContactsDictTest, TheBooksPeopleInSectionsWithTheSkippedCount) {
    test::FakeAddressBook book;
    book.book.people = {{"Bob", "Bob", "", "", {"2"}},
                        {"", "", "", "", {"911"}},
                        {"alice", "alice", "", "", {"1", "3"}}};
    book.book.skipped = 2;
    int skipped = -1;
    const auto sections = ABContactsHelper::contactsDict(book, LocalizedCompare("en"), &skipped);
    EXPECT_EQ(skipped, 2);
    ASSERT_EQ(sections.size(), 3u);
    EXPECT_EQ(sections[0].key, "#");
    EXPECT_EQ(sections[0].entries.at(0).phoneArray(), std::vector<std::string>{"911"});
    EXPECT_EQ(sections[1].key, "A");
    EXPECT_EQ(sections[1].entries.at(0).phoneArray(), (std::vector<std::string>{"1", "3"}));
    EXPECT_EQ(sections[2].entries.at(0).compositeName(), "Bob");
    EXPECT_EQ(ABContactsHelper::contactsDict(book, LocalizedCompare("en")).size(), 3u)
        << "the count is optional";
}
