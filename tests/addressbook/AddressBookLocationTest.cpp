// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "addressbook/AddressBookLocation.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "store/ConfigFile.h"
#include "support/TempDir.h"

using namespace hv;

namespace {

class AddressBookLocationTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* dataHome = std::getenv("XDG_DATA_HOME");
        savedDataHome = dataHome ? dataHome : "";
        ::setenv("XDG_DATA_HOME", dir.file("data").c_str(), 1);
    }
    void TearDown() override { ::setenv("XDG_DATA_HOME", savedDataHome.c_str(), 1); }

    test::TempDir dir;
    std::string savedDataHome;
};

}  // namespace

TEST_F(AddressBookLocationTest, OptionBeatsConfigurationBeatsTheDefault) {
    const std::string documents = dir.file("profile");
    EXPECT_EQ(AddressBookLocation::folder(std::nullopt, documents),
              dir.file("data") + "/kpeoplevcard");

    ASSERT_TRUE(ConfigFile(dir.path()).SetStrValueToConfigFile("ContactsDirectory", "/cards"));
    EXPECT_EQ(AddressBookLocation::folder(std::nullopt, dir.path()), "/cards");
    EXPECT_EQ(AddressBookLocation::folder(std::string(""), dir.path()), "/cards");
    EXPECT_EQ(AddressBookLocation::folder(std::string("/given"), dir.path()), "/given");
}

TEST_F(AddressBookLocationTest, ARelativeConfiguredFolderIsInTheDocumentsDirectory) {
    ASSERT_TRUE(ConfigFile(dir.path()).SetStrValueToConfigFile("ContactsDirectory", "cards"));
    EXPECT_EQ(AddressBookLocation::folder(std::nullopt, dir.path()), dir.path() + "/cards");
    ASSERT_TRUE(ConfigFile(dir.path()).SetStrValueToConfigFile("ContactsDirectory", ""));
    EXPECT_EQ(AddressBookLocation::folder(std::nullopt, dir.path()),
              dir.file("data") + "/kpeoplevcard");
}
