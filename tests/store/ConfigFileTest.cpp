#include "store/ConfigFile.h"

#include <gtest/gtest.h>

#include <fstream>

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

    ASSERT_TRUE(config.SetIntValueToConfigFile("negative", -42));
    EXPECT_EQ(config.GetIntValueFromConfigFile("negative"), -42);
    const std::string xml = test::readFile(config.GetConfigFilePath());
    EXPECT_NE(xml.find("<integer>3</integer>"), std::string::npos) << xml;
    EXPECT_NE(xml.find("<dict>"), std::string::npos);
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
    EXPECT_EQ(config.GetArrayFromConfigFile("name"), std::nullopt);
    EXPECT_EQ(config.GetArrayFromConfigFile("missing"), std::nullopt);
}

TEST_F(ConfigFileTest, TextsReadAsTheDigitsTheyStartWith) {
    config.SetStrValueToConfigFile("digits", "  42abc");
    config.SetStrValueToConfigFile("words", "abc");
    config.SetStrValueToConfigFile("huge", "99999999999999999999");
    config.SetStrValueToConfigFile("exponent", "1e3");
    config.SetStrValueToConfigFile("infinite", "inf");
    EXPECT_EQ(config.GetIntValueFromConfigFile("digits"), 42);
    EXPECT_EQ(config.GetIntValueFromConfigFile("exponent"), 1);
    EXPECT_EQ(config.GetIntValueFromConfigFile("infinite"), 0);
    EXPECT_EQ(config.GetIntValueFromConfigFile("words"), 0);
    EXPECT_EQ(config.GetIntValueFromConfigFile("huge"), 2147483647);
}

TEST_F(ConfigFileTest, UnreadableFileReadsAsMissingAndIsReplacedOnWrite) {
    std::ofstream(config.GetConfigFilePath()) << "<plist><array><string>x";
    EXPECT_EQ(config.GetIntValueFromConfigFile("isglobleStatus"), -1);
    std::ofstream(config.GetConfigFilePath())
        << "<?xml version=\"1.0\"?><plist version=\"1.0\"><array/></plist>";
    EXPECT_EQ(config.GetIntValueFromConfigFile("isglobleStatus"), -1);
    ASSERT_TRUE(config.SetIntValueToConfigFile("isglobleStatus", 7));
    EXPECT_EQ(config.GetIntValueFromConfigFile("isglobleStatus"), 7);
}

TEST_F(ConfigFileTest, FailedWriteReportsFalse) {
    const ConfigFile blocked(dir.file("Conf.ini/inside"));
    std::ofstream(dir.file("Conf.ini")) << "a file, not a directory";
    EXPECT_FALSE(blocked.SetIntValueToConfigFile("isglobleStatus", 1));
    EXPECT_EQ(test::readFile(dir.file("Conf.ini")), "a file, not a directory");
}
