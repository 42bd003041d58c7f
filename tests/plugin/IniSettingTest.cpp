// The settings file helpers: where the file is, and reading and writing one key, including
// the refusals for empty names.
#include <gtest/gtest.h>

#include "plugin/Settings.h"
#include "support/PluginFixture.h"

namespace zorvane::test {
namespace {

using IniSettingTest = PluginFixture;

TEST_F(IniSettingTest, IniFilePathJoinsPluginsFolderSubfolderAndName) {
  EXPECT_EQ(GetIniFilePath("Zorvane", ""), ".\\Data\\SFSE\\Plugins\\Zorvane.ini");
  EXPECT_EQ(GetIniFilePath("Zorvane", "Sub"), ".\\Data\\SFSE\\Plugins\\SubZorvane.ini");
}

TEST_F(IniSettingTest, DoesIniFileExistSeesAnythingAtThePath) {
  EXPECT_FALSE(DoesIniFileExist("Zorvane", ""));
  std::filesystem::create_directory(GetSettingsFile());
  EXPECT_TRUE(DoesIniFileExist("Zorvane", ""));

  EXPECT_FALSE(DoesIniFileExist("Zorvane", "Sub"));
  WriteFileBytes(GetSettingsFile().parent_path() / "SubZorvane.ini", "");
  EXPECT_TRUE(DoesIniFileExist("Zorvane", "Sub"));
}

TEST_F(IniSettingTest, WriteIniSettingRefusesEmptyNames) {
  EXPECT_FALSE(WriteIniSetting("", "Section", "bKey", "1", ""));
  EXPECT_FALSE(WriteIniSetting("Zorvane", "", "bKey", "1", ""));
  EXPECT_FALSE(WriteIniSetting("Zorvane", "Section", "", "1", ""));

  EXPECT_TRUE(std::filesystem::is_empty(GetSettingsFile().parent_path()));
}

TEST_F(IniSettingTest, WriteIniSettingWritesAndConfirmsValue) {
  EXPECT_TRUE(WriteIniSetting("Zorvane", "Export", "bSkipBOOK", "1", ""));
  EXPECT_TRUE(WriteIniSetting("Zorvane", "Piloting", "bNoPilotingSkillRequirement", "0", ""));
  EXPECT_TRUE(WriteIniSetting("Zorvane", "Export", "bSkipMISC", "1", ""));
  EXPECT_TRUE(WriteIniSetting("Zorvane", "Export", "bSkipBOOK", "0", ""));

  EXPECT_EQ(ReadFileBytes(GetSettingsFile()),
            "[Export]\r\nbSkipBOOK=0\r\nbSkipMISC=1\r\n[Piloting]\r\nbNoPilotingSkillRequirement=0\r\n");
}

TEST_F(IniSettingTest, WriteIniSettingReportsValueThatReadsBackDifferently) {
  // Leading blanks are dropped when writing, trailing ones when reading: the value read back
  // is not the one written.
  EXPECT_FALSE(WriteIniSetting("Zorvane", "Export", "bSkipBOOK", " 1 ", ""));

  EXPECT_EQ(ReadFileBytes(GetSettingsFile()), "[Export]\r\nbSkipBOOK=1 \r\n");
  EXPECT_EQ(ReadIniSetting("Zorvane", "Export", "bSkipBOOK", ""), "1");
}

TEST_F(IniSettingTest, WriteIniSettingFailsWithoutPluginsFolder) {
  std::filesystem::remove(GetSettingsFile().parent_path());

  EXPECT_FALSE(WriteIniSetting("Zorvane", "Export", "bSkipBOOK", "1", ""));
  EXPECT_FALSE(std::filesystem::exists(GetSettingsFile().parent_path()));
}

TEST_F(IniSettingTest, ReadIniSettingGivesEmptyForEmptyNames) {
  WriteFileBytes(GetSettingsFile(), "[Section]\r\nbKey=1\r\n");

  EXPECT_EQ(ReadIniSetting("Zorvane", "Section", "bKey", ""), "1");
  EXPECT_EQ(ReadIniSetting("", "Section", "bKey", ""), "");
  EXPECT_EQ(ReadIniSetting("Zorvane", "", "bKey", ""), "");
  EXPECT_EQ(ReadIniSetting("Zorvane", "Section", "", ""), "");
}

TEST_F(IniSettingTest, ReadIniSettingGivesEmptyForMissingFileSectionOrKey) {
  EXPECT_EQ(ReadIniSetting("Zorvane", "Section", "bKey", ""), "");

  WriteFileBytes(GetSettingsFile(), "[Section]\r\nbKey=1\r\nbNoValue\r\n");
  EXPECT_EQ(ReadIniSetting("Zorvane", "Other", "bKey", ""), "");
  EXPECT_EQ(ReadIniSetting("Zorvane", "Section", "bOther", ""), "");
  EXPECT_EQ(ReadIniSetting("Zorvane", "Section", "bNoValue", ""), "");
}

TEST_F(IniSettingTest, ReadIniSettingTrimsBlanksAndEnclosingQuotes) {
  WriteFileBytes(GetSettingsFile(), "[Section]\r\n  bKey  =  'a b'  \r\nbQuoted=\"c\"\r\nbMixed='d\"\r\n");

  EXPECT_EQ(ReadIniSetting("Zorvane", "Section", "bKey", ""), "a b");
  EXPECT_EQ(ReadIniSetting("Zorvane", "Section", "bQuoted", ""), "c");
  EXPECT_EQ(ReadIniSetting("Zorvane", "Section", "bMixed", ""), "'d\"");
}

}  // namespace
}  // namespace zorvane::test
