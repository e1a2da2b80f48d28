// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/ConfigFile.h"

#include <gtest/gtest.h>

#include "support/TempDir.h"

using namespace hv;

namespace {

class ConfigFileTest : public ::testing::Test {
protected:
    test::TempDir dir;
    ConfigFile config{dir.path()};
};

}  // namespace

TEST_F(ConfigFileTest, IntegerReadingBeforeAndAfterTheFileExists) {
    EXPECT_EQ(config.GetConfigFilePath(), dir.path() + "/Conf.ini");
    EXPECT_EQ(config.GetIntValueFromConfigFile("isglobleStatus"), -1);
    EXPECT_EQ(config.GetStrValueFromConfigFile("isglobleStatus"), std::nullopt);

    ASSERT_TRUE(config.SetIntValueToConfigFile("isglobleStatus", 3));
    EXPECT_EQ(config.GetIntValueFromConfigFile("isglobleStatus"), 3);
    EXPECT_EQ(config.GetIntValueFromConfigFile("missing"), 0);
    EXPECT_EQ(test::permissions(config.GetConfigFilePath()), 0600u);

    const std::string xml = test::readFile(config.GetConfigFilePath());
    EXPECT_NE(xml.find("<integer>3</integer>"), std::string::npos) << xml;
}

TEST_F(ConfigFileTest, SettingOneKeyKeepsTheOthers) {
    ASSERT_TRUE(config.SetStrValueToConfigFile("name", "value <&> 中文"));
    ASSERT_TRUE(config.SetArrayToConfigFile("list", {"a", "b", ""}));
    ASSERT_TRUE(config.SetIntValueToConfigFile("isglobleStatus", 1));
    ASSERT_TRUE(config.SetStrValueToConfigFile("name", "second"));

    EXPECT_EQ(config.GetStrValueFromConfigFile("name"), "second");
    EXPECT_EQ(config.GetArrayFromConfigFile("list"), (std::vector<std::string>{"a", "b", ""}));
    EXPECT_EQ(config.GetIntValueFromConfigFile("isglobleStatus"), 1);
    EXPECT_EQ(config.GetStrValueFromConfigFile("isglobleStatus"), "1");
    ASSERT_TRUE(config.SetStrValueToConfigFile("isglobleStatus", "  42abc"));
    EXPECT_EQ(config.GetIntValueFromConfigFile("isglobleStatus"), 42);
    EXPECT_EQ(config.GetArrayFromConfigFile("name"), std::nullopt);
    EXPECT_EQ(config.GetArrayFromConfigFile("missing"), std::nullopt);

    ASSERT_TRUE(config.SetValuesToConfigFile({{"WebLinkHost", "h.example"}}, {{"count", -3}}));
    EXPECT_EQ(config.GetStrValueFromConfigFile("WebLinkHost"), "h.example");
    EXPECT_EQ(config.GetIntValueFromConfigFile("count"), -3);
    EXPECT_EQ(config.GetStrValueFromConfigFile("name"), "second");
}

TEST_F(ConfigFileTest, UnreadableFileReadsAsMissingAndIsReplacedOnWrite) {
    for (const char* unreadable :
         {"<plist><array><string>x",
          "<?xml version=\"1.0\"?><plist version=\"1.0\"><array/></plist>"}) {
        test::writeFile(config.GetConfigFilePath(), unreadable);
        EXPECT_EQ(config.GetIntValueFromConfigFile("isglobleStatus"), -1) << unreadable;
    }
    test::writeFile(config.GetConfigFilePath(),
                    "<plist><dict><key>yes</key><true/><key>no</key><false/></dict></plist>");
    EXPECT_EQ(config.GetIntValueFromConfigFile("yes"), 1);
    EXPECT_EQ(config.GetIntValueFromConfigFile("no"), 0);
    ASSERT_TRUE(config.SetIntValueToConfigFile("isglobleStatus", 7));
    EXPECT_EQ(config.GetIntValueFromConfigFile("isglobleStatus"), 7);
}

// Binary files that crashed or misled the reader when fuzzed: a key that holds a NUL byte
// (the property-list library aborts when such a key is listed), a text that holds one,
// and a key written twice.
TEST_F(ConfigFileTest, HostileBinaryFilesReadAndSetLikeAnyOther) {
    auto binaryWithKeys = [](const std::string& key1, const std::string& key2) {
        // bplist00: a dictionary of two keys, both texts; the second key's text ("K\0y"
        // or a repeat of the first) and the values "v1", "v\0x".
        std::string file = "bplist00";
        const std::size_t dict = file.size();
        file += "\xD2\x01\x02\x03\x04";
        std::vector<std::size_t> offsets = {dict};
        for (const std::string& text : {key1, key2, std::string("v1"), std::string("v\0x", 3)}) {
            offsets.push_back(file.size());
            file += static_cast<char>(0x50 | text.size());
            file += text;
        }
        const std::size_t table = file.size();
        for (std::size_t offset : offsets) file += static_cast<char>(offset);
        file += std::string(6, '\0') + "\x01\x01" + std::string(7, '\0') + "\x05" +
                std::string(8, '\0') + std::string(7, '\0') + static_cast<char>(table);
        return file;
    };

    test::writeFile(config.GetConfigFilePath(),
                    binaryWithKeys("WebLinkHost", std::string("K\0y", 3)));
    EXPECT_EQ(config.GetStrValueFromConfigFile("WebLinkHost"), "v1");
    ASSERT_TRUE(config.SetStrValueToConfigFile("isglobleStatus", "2"));
    EXPECT_EQ(config.GetStrValueFromConfigFile("WebLinkHost"), "v1");
    EXPECT_EQ(config.GetIntValueFromConfigFile("isglobleStatus"), 2);

    test::writeFile(config.GetConfigFilePath(), binaryWithKeys("WebLinkHost", "WebLinkHost"));
    ASSERT_TRUE(config.SetStrValueToConfigFile("WebLinkHost", "new.example"));
    EXPECT_EQ(config.GetStrValueFromConfigFile("WebLinkHost"), "new.example");
}
