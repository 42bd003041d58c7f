// Loading the 26 settings: what a value means, what stays in memory, and the value lines every
// load writes to the log, alike for the Windows settings functions and the native stand-in.
// The file made at the first start, and a player's file left as it is, are shown by the
// start-up test and the startup-creates-settings and startup-reads-settings sessions.
#include <gtest/gtest.h>

#include "core/Log.h"
#include "plugin/Settings.h"
#include "support/ExpectedSettings.h"
#include "support/LogText.h"
#include "support/PluginFixture.h"

namespace zorvane::test {
namespace {

class SettingsTest : public PluginFixture {
 protected:
  // The settings messages of the log, after its first line.
  std::vector<std::string> ReadSettingMessages() const {
    std::vector<std::string> theMessages = ReadLogMessages();
    return std::vector<std::string>(theMessages.begin() + 1, theMessages.end());
  }
};

TEST_F(SettingsTest, OnlyOneTurnsAKeyOnAndEmptyValuesKeepTheOldOne) {
  WriteFileBytes(GetSettingsFile(),
                 "[EXPORT]\r\nbSkipBOOK=1\r\nbSkipMISC=0\r\nbSkipFURN=true\r\nbSkipKEYM=yes\r\nbSkipALCH=2\r\n"
                 "bSkipMSTT=01\r\n  BSKIPterm = 1 \r\nbSkipCONT=\r\n[import]\r\nbskipweap=\"1\"\r\nbSkipTERM=0\r\n"
                 "[Misc]\r\nbAlwaysReloadSettingsOnCommand=0\r\n");
  PluginSettings theSettings;
  theSettings.Export.bSkipMISC = theSettings.Export.bSkipFURN = theSettings.Export.bSkipKEYM = true;
  theSettings.Export.bSkipALCH = theSettings.Export.bSkipMSTT = theSettings.Export.bSkipCONT = true;
  theSettings.Import.bSkipTERM = true;
  SetSettingsForTest(theSettings);
  OpenLog();

  LoadSettings(true);

  // The same key in Export and Import are two settings; names match ignoring case and blanks.
  EXPECT_EQ(ReadSettingMessages(), MakeSettingMessages("00100000110010000000000100"));
}

TEST_F(SettingsTest, ReloadWithoutFileCreatesNothingAndLogsTheValuesInMemory) {
  PluginSettings theSettings;
  theSettings.Logging.bVerboseLogging = true;
  SetSettingsForTest(theSettings);
  OpenLog();

  LoadSettings(false);
  std::filesystem::remove(GetSettingsFile().parent_path());
  LoadSettings(true);

  EXPECT_FALSE(std::filesystem::exists(GetSettingsFile().parent_path()));
  const std::vector<std::string> theOnce = MakeSettingMessages("00000000000010000000000011");
  std::vector<std::string> theExpected = theOnce;
  theExpected.insert(theExpected.end(), theOnce.begin(), theOnce.end());
  EXPECT_EQ(ReadSettingMessages(), theExpected);
}

TEST_F(SettingsTest, EveryLoadLogsAllValuesInOrder) {
  WriteFileBytes(GetSettingsFile(), "[Export]\r\nbSkipWEAP=1\r\n");
  OpenLog();
  LoadSettings(true);
  WriteFileBytes(GetSettingsFile(), "[Export]\r\nbSkipWEAP=0\r\n[Logging]\r\nbVerboseLogging=1\r\n");

  LoadSettings(false);

  std::string sExpected = MakeLogLine("info", "Log.cpp", "OpenLog", "Zorvane - SFSE Plugin by Pelloquin v1.0");
  for (const char* sDigits : {"00000000000110000000000010", "00000000000010000000000011"}) {
    for (const std::string& sMessage : MakeSettingMessages(sDigits)) {
      sExpected += MakeLogLine("info", "Settings.cpp", "LoadSettings", sMessage);
    }
  }
  EXPECT_EQ(ReadLog(), sExpected);
}

}  // namespace
}  // namespace zorvane::test
