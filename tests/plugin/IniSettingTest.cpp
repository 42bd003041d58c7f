// The settings file helpers: where the file is, and reading and writing one key, including
// the refusals for empty names.
#include <gtest/gtest.h>

#include "plugin/Settings.h"
#include "support/PluginFixture.h"

namespace zorvane::test {
namespace {

using IniSettingTest = PluginFixture;

TEST_F(IniSettingTest, PathJoinsPluginsFolderSubfolderAndName) {
  EXPECT_EQ(GetIniFilePath("Zorvane", ""), ".\\Data\\SFSE\\Plugins\\Zorvane.ini");
  EXPECT_EQ(GetIniFilePath("Zorvane", "Sub"), ".\\Data\\SFSE\\Plugins\\SubZorvane.ini");
  EXPECT_FALSE(DoesIniFileExist("Zorvane", ""));
  std::filesystem::create_directory(GetSettingsFile());
  EXPECT_TRUE(DoesIniFileExist("Zorvane", ""));  // anything at the path counts
}

TEST_F(IniSettingTest, WriteRefusesEmptyNamesAndConfirmsWhatItWrote) {
  EXPECT_FALSE(WriteIniSetting("", "Section", "bKey", "1", ""));
  EXPECT_FALSE(WriteIniSetting("Zorvane", "", "bKey", "1", ""));
  EXPECT_FALSE(WriteIniSetting("Zorvane", "Section", "", "1", ""));
  EXPECT_TRUE(std::filesystem::is_empty(GetSettingsFile().parent_path()));

  EXPECT_TRUE(WriteIniSetting("Zorvane", "Export", "bSkipBOOK", "1", ""));
  EXPECT_TRUE(WriteIniSetting("Zorvane", "Piloting", "bNoPilotingSkillRequirement", "0", ""));
  EXPECT_TRUE(WriteIniSetting("Zorvane", "Export", "bSkipBOOK", "0", ""));
  // Leading blanks are dropped when writing, trailing ones when reading: no confirmation.
  EXPECT_FALSE(WriteIniSetting("Zorvane", "Export", "bSkipMISC", " 1 ", ""));
  EXPECT_EQ(ReadFileBytes(GetSettingsFile()),
            "[Export]\r\nbSkipBOOK=0\r\nbSkipMISC=1 \r\n[Piloting]\r\nbNoPilotingSkillRequirement=0\r\n");
}

TEST_F(IniSettingTest, ReadGivesEmptyForEmptyNamesAndWhatIsMissing) {
  EXPECT_EQ(ReadIniSetting("Zorvane", "Section", "bKey", ""), "");
  WriteFileBytes(GetSettingsFile(), "[Section]\r\n  bKey  =  'a b'  \r\nbNoValue\r\n");
  EXPECT_EQ(ReadIniSetting("Zorvane", "Section", "bKey", ""), "a b");
  for (const auto& [sBase, sSection, sKey] :
       std::vector<std::array<const char*, 3>>{{"", "Section", "bKey"},
                                               {"Zorvane", "", "bKey"},
                                               {"Zorvane", "Section", ""},
                                               {"Zorvane", "Other", "bKey"},
                                               {"Zorvane", "Section", "bNoValue"}}) {
    EXPECT_EQ(ReadIniSetting(sBase, sSection, sKey, ""), "") << sSection << "." << sKey;
  }
}

}  // namespace
}  // namespace zorvane::test
