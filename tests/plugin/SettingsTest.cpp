// A load of the settings without a settings file. What a file's values mean and the lines each
// load writes, at start-up and at the reload a command starts, are shown by the
// startup-creates-settings, startup-reads-settings and settings-reload sessions.
#include <gtest/gtest.h>

#include "core/Log.h"
#include "plugin/Settings.h"
#include "support/PluginFixture.h"

namespace zorvane::test {
namespace {

using SettingsTest = PluginFixture;

// The player deleted the file, or its folder: a load creates nothing and logs the values in
// memory, as the load before it left them.
TEST_F(SettingsTest, LoadWithoutFileCreatesNothingAndLogsTheValuesInMemory) {
  WriteFileBytes(GetSettingsFile(), "[Logging]\r\nbVerboseLogging=1\r\n");
  OpenLog();
  LoadSettings(true);
  const std::vector<std::string> theLoaded = ReadLogMessages();
  ASSERT_EQ(theLoaded.back(), "Logging.bVerboseLogging --> 1");

  std::filesystem::remove(GetSettingsFile());
  LoadSettings(false);
  EXPECT_FALSE(std::filesystem::exists(GetSettingsFile()));
  std::filesystem::remove(GetSettingsFile().parent_path());
  LoadSettings(true);

  EXPECT_FALSE(std::filesystem::exists(GetSettingsFile().parent_path()));
  std::vector<std::string> theExpected = theLoaded;
  for (int i = 0; i < 2; ++i) theExpected.insert(theExpected.end(), theLoaded.begin() + 1, theLoaded.end());
  EXPECT_EQ(ReadLogMessages(), theExpected);
}

}  // namespace
}  // namespace zorvane::test
