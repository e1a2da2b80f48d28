// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "addressbook/AddressBookLocation.h"

#include <gtest/gtest.h>

#include "store/ConfigFile.h"
#include "store/StorePaths.h"
#include "support/TempDir.h"

using namespace hv;

TEST(AddressBookLocationTest, OptionBeatsConfigurationBeatsTheDefault) {
    const test::TempDir dir;
    const std::string phoneBook = StorePaths::dataHome() + "/kpeoplevcard";
    EXPECT_EQ(AddressBookLocation::folder(std::nullopt, dir.path()), phoneBook);

    const ConfigFile config(dir.path());
    ASSERT_TRUE(config.SetStrValueToConfigFile("ContactsDirectory", "/cards"));
    EXPECT_EQ(AddressBookLocation::folder(std::nullopt, dir.path()), "/cards");
    EXPECT_EQ(AddressBookLocation::folder(std::string(""), dir.path()), "/cards");
    EXPECT_EQ(AddressBookLocation::folder(std::string("/given"), dir.path()), "/given");

    // A relative folder is in the documents directory; an empty one is no folder.
    ASSERT_TRUE(config.SetStrValueToConfigFile("ContactsDirectory", "cards"));
    EXPECT_EQ(AddressBookLocation::folder(std::nullopt, dir.path()), dir.path() + "/cards");
    ASSERT_TRUE(config.SetStrValueToConfigFile("ContactsDirectory", ""));
    EXPECT_EQ(AddressBookLocation::folder(std::nullopt, dir.path()), phoneBook);
}
