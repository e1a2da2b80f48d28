#include "store/ConfigFile.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/TempDir.h"

using namespace hv;

namespace {

class ConfigFileTest : public ::testing::Test {
protected:
    test::TempDir dir;
    test::ScopedDocumentsDirectory documents{dir.path()};
};

}  // namespace

TEST_F(ConfigFileTest, IntegerReadingBeforeAndAfterTheFileExists) {
    EXPECT_EQ(ConfigFile::GetConfigFilePath(), dir.path() + "/Conf.ini");
    EXPECT_EQ(ConfigFile::GetIntValueFromConfigFile("isglobleStatus"), -1);
    EXPECT_EQ(ConfigFile::GetStrValueFromConfigFile("isglobleStatus"), std::nullopt);

    ASSERT_TRUE(ConfigFile::SetIntValueToConfigFile("isglobleStatus", 3));
    EXPECT_EQ(ConfigFile::GetIntValueFromConfigFile("isglobleStatus"), 3);
    EXPECT_EQ(ConfigFile::GetIntValueFromConfigFile("missing"), 0);
    EXPECT_EQ(test::permissions(ConfigFile::GetConfigFilePath()), 0600u);

    ASSERT_TRUE(ConfigFile::SetIntValueToConfigFile("negative", -42));
    EXPECT_EQ(ConfigFile::GetIntValueFromConfigFile("negative"), -42);
    const std::string xml = test::readFile(ConfigFile::GetConfigFilePath());
    EXPECT_NE(xml.find("<integer>3</integer>"), std::string::npos) << xml;
    EXPECT_NE(xml.find("<dict>"), std::string::npos);
}

TEST_F(ConfigFileTest, SettingOneKeyKeepsTheOthers) {
    ASSERT_TRUE(ConfigFile::SetStrValueToConfigFile("name", "value <&> 中文"));
    ASSERT_TRUE(ConfigFile::SetArrayToConfigFile("list", {"a", "b", ""}));
    ASSERT_TRUE(ConfigFile::SetIntValueToConfigFile("isglobleStatus", 1));
    ASSERT_TRUE(ConfigFile::SetStrValueToConfigFile("name", "second"));

    EXPECT_EQ(ConfigFile::GetStrValueFromConfigFile("name"), "second");
    EXPECT_EQ(ConfigFile::GetArrayFromConfigFile("list"), (std::vector<std::string>{"a", "b", ""}));
    EXPECT_EQ(ConfigFile::GetIntValueFromConfigFile("isglobleStatus"), 1);
    EXPECT_EQ(ConfigFile::GetStrValueFromConfigFile("isglobleStatus"), "1");
    EXPECT_EQ(ConfigFile::GetArrayFromConfigFile("name"), std::nullopt);
    EXPECT_EQ(ConfigFile::GetArrayFromConfigFile("missing"), std::nullopt);
}

TEST_F(ConfigFileTest, TextsReadAsTheirLeadingInteger) {
    ConfigFile::SetStrValueToConfigFile("digits", "  42abc");
    ConfigFile::SetStrValueToConfigFile("words", "abc");
    ConfigFile::SetStrValueToConfigFile("huge", "99999999999999999999");
    EXPECT_EQ(ConfigFile::GetIntValueFromConfigFile("digits"), 42);
    EXPECT_EQ(ConfigFile::GetIntValueFromConfigFile("words"), 0);
    EXPECT_EQ(ConfigFile::GetIntValueFromConfigFile("huge"), 2147483647);
}

TEST_F(ConfigFileTest, UnreadableFileReadsAsMissingAndIsReplacedOnWrite) {
    std::ofstream(ConfigFile::GetConfigFilePath()) << "<plist><array><string>x";
    EXPECT_EQ(ConfigFile::GetIntValueFromConfigFile("isglobleStatus"), -1);
    std::ofstream(ConfigFile::GetConfigFilePath())
        << "<?xml version=\"1.0\"?><plist version=\"1.0\"><array/></plist>";
    EXPECT_EQ(ConfigFile::GetIntValueFromConfigFile("isglobleStatus"), -1);
    ASSERT_TRUE(ConfigFile::SetIntValueToConfigFile("isglobleStatus", 7));
    EXPECT_EQ(ConfigFile::GetIntValueFromConfigFile("isglobleStatus"), 7);
}

TEST_F(ConfigFileTest, FailedWriteReportsFalse) {
    test::ScopedDocumentsDirectory blocked(dir.file("Conf.ini/inside"));
    std::ofstream(dir.file("Conf.ini")) << "a file, not a directory";
    EXPECT_FALSE(ConfigFile::SetIntValueToConfigFile("isglobleStatus", 1));
    EXPECT_EQ(test::readFile(dir.file("Conf.ini")), "a file, not a directory");
}
