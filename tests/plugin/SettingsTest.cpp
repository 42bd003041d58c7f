// Loading the 26 settings: creating a missing file, what a value means, what stays in memory,
// and the value lines every load writes to the log. The same expectations hold for the
// Windows settings functions and for the native stand-in.
#include <gtest/gtest.h>

#include "plugin/Log.h"
#include "plugin/Settings.h"
#include "support/ExpectedSettings.h"
#include "support/LogText.h"
#include "support/PluginFixture.h"

namespace zorvane::test {
namespace {

using SettingsTest = PluginFixture;

// The messages after the log's first line.
std::vector<std::string> GetMessagesAfterOpenLog(const std::vector<std::string>& theMessages) {
  return theMessages.empty() ? theMessages : std::vector<std::string>(theMessages.begin() + 1, theMessages.end());
}

TEST_F(SettingsTest, LoadSettingsCreatesMissingFileWithAllKeys) {
  LoadSettings(true);

  EXPECT_EQ(ReadFileBytes(GetSettingsFile()), kCreatedSettingsFile);
}

TEST_F(SettingsTest, LoadSettingsKeepsBuiltInValuesWhenCreatingFile) {
  OpenLog();

  LoadSettings(true);

  EXPECT_EQ(GetMessagesAfterOpenLog(ReadLogMessages()), MakeSettingMessages(kBuiltInDigits));
  // The new file says 0, memory keeps the built-in on until the file is read.
  EXPECT_TRUE(gSettings.Misc.bAlwaysReloadSettingsOnCommand);
  EXPECT_TRUE(gSettings.Import.bRestrictDecorationImportToBuildModePlacedItems);
}

TEST_F(SettingsTest, LoadSettingsTurnsKeyOnOnlyForOne) {
  WriteFileBytes(GetSettingsFile(),
                 "[Export]\r\nbSkipBOOK=1\r\nbSkipMISC=0\r\nbSkipFURN=true\r\nbSkipKEYM=yes\r\nbSkipALCH=2\r\n"
                 "bSkipMSTT=01\r\n[Misc]\r\nbAlwaysReloadSettingsOnCommand=0\r\n");
  gSettings.Export.bSkipMISC = true;
  gSettings.Export.bSkipFURN = true;
  gSettings.Export.bSkipKEYM = true;
  gSettings.Export.bSkipALCH = true;
  gSettings.Export.bSkipMSTT = true;
  OpenLog();

  LoadSettings(true);

  EXPECT_TRUE(gSettings.Export.bSkipBOOK);
  EXPECT_FALSE(gSettings.Export.bSkipMISC);
  EXPECT_FALSE(gSettings.Export.bSkipFURN);
  EXPECT_FALSE(gSettings.Export.bSkipKEYM);
  EXPECT_FALSE(gSettings.Export.bSkipALCH);
  EXPECT_FALSE(gSettings.Export.bSkipMSTT);
  EXPECT_FALSE(gSettings.Misc.bAlwaysReloadSettingsOnCommand);
  EXPECT_EQ(GetMessagesAfterOpenLog(ReadLogMessages()), MakeSettingMessages("00100000000010000000000000"));
}

TEST_F(SettingsTest, LoadSettingsKeepsPreviousValueForEmptyOrMissingKey) {
  WriteFileBytes(GetSettingsFile(), "[Export]\r\nbSkipBOOK=\r\n[Import]\r\nbSkipBOOK=1\r\n");
  gSettings.Export.bSkipBOOK = true;
  gSettings.Logging.bVerboseLogging = true;

  LoadSettings(true);

  EXPECT_TRUE(gSettings.Export.bSkipBOOK);
  EXPECT_TRUE(gSettings.Import.bSkipBOOK);
  EXPECT_TRUE(gSettings.Logging.bVerboseLogging);
  EXPECT_TRUE(gSettings.Misc.bAlwaysReloadSettingsOnCommand);
}

TEST_F(SettingsTest, LoadSettingsReadsExportAndImportKeysIndependently) {
  WriteFileBytes(GetSettingsFile(), "[Export]\r\nbSkipTERM=1\r\n[Import]\r\nbSkipTERM=0\r\nbSkipARMO=1\r\n");
  gSettings.Import.bSkipTERM = true;

  LoadSettings(true);

  EXPECT_TRUE(gSettings.Export.bSkipTERM);
  EXPECT_FALSE(gSettings.Import.bSkipTERM);
  EXPECT_FALSE(gSettings.Export.bSkipARMO);
  EXPECT_TRUE(gSettings.Import.bSkipARMO);
}

TEST_F(SettingsTest, LoadSettingsMatchesNamesIgnoringCaseAndBlanks) {
  WriteFileBytes(GetSettingsFile(), "[EXPORT]\r\n  BSKIPbook = 1 \r\n[import]\r\nbskipweap=\"1\"\r\n");

  LoadSettings(true);

  EXPECT_TRUE(gSettings.Export.bSkipBOOK);
  EXPECT_TRUE(gSettings.Import.bSkipWEAP);
}

TEST_F(SettingsTest, LoadSettingsLeavesExistingFileUnchanged) {
  const std::string sFile =
      "; my settings\r\n[Export]\r\nbSkipBOOK = 1\r\n\r\n[Misc]\r\nbAlwaysReloadSettingsOnCommand=0\r\n";
  WriteFileBytes(GetSettingsFile(), sFile);

  LoadSettings(true);

  EXPECT_EQ(ReadFileBytes(GetSettingsFile()), sFile);
}

TEST_F(SettingsTest, LoadSettingsWithoutCreateLeavesMissingFileMissing) {
  gSettings.Logging.bVerboseLogging = true;
  OpenLog();

  LoadSettings(false);

  EXPECT_FALSE(std::filesystem::exists(GetSettingsFile()));
  EXPECT_EQ(GetMessagesAfterOpenLog(ReadLogMessages()), MakeSettingMessages("00000000000010000000000011"));
}

TEST_F(SettingsTest, LoadSettingsCreatesNothingWithoutPluginsFolder) {
  std::filesystem::remove(GetSettingsFile().parent_path());
  OpenLog();

  LoadSettings(true);

  EXPECT_FALSE(std::filesystem::exists(GetSettingsFile().parent_path()));
  EXPECT_EQ(GetMessagesAfterOpenLog(ReadLogMessages()), MakeSettingMessages(kBuiltInDigits));
}

TEST_F(SettingsTest, LoadSettingsLogsAllValuesInOrderOnEveryLoad) {
  WriteFileBytes(GetSettingsFile(), "[Export]\r\nbSkipWEAP=1\r\n");
  OpenLog();
  LoadSettings(true);
  WriteFileBytes(GetSettingsFile(), "[Export]\r\nbSkipWEAP=0\r\n[Logging]\r\nbVerboseLogging=1\r\n");

  LoadSettings(false);

  std::string sExpected = MakeLogLine("info", "Log.cpp", "OpenLog", "Zorvane - SFSE Plugin by Pelloquin v1.0");
  for (const std::string& sMessage : MakeSettingMessages("00000000000110000000000010")) {
    sExpected += MakeLogLine("info", "Settings.cpp", "LoadSettings", sMessage);
  }
  for (const std::string& sMessage : MakeSettingMessages("00000000000010000000000011")) {
    sExpected += MakeLogLine("info", "Settings.cpp", "LoadSettings", sMessage);
  }
  EXPECT_EQ(ReadLog(), sExpected);
}

}  // namespace
}  // namespace zorvane::test
