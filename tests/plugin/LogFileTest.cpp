// Opening the log at start-up and appending to it: where it lives, that each start begins a
// new file, and what the player sees when it cannot be written.
#include <gtest/gtest.h>

#include "plugin/Log.h"
#include "support/LogText.h"
#include "support/PluginFixture.h"

namespace zorvane::test {
namespace {

using LogFileTest = PluginFixture;

const std::string kOpenLogLine = MakeLogLine("info", "Log.cpp", "OpenLog", "Zorvane - SFSE Plugin by Pelloquin v1.0");

TEST_F(LogFileTest, OpenLogReplacesOldLogWithOneLine) {
  WriteFileBytes(GetLogFile(), "[old] line one\r\n[old] line two\r\n");

  OpenLog();

  EXPECT_EQ(ReadLog(), kOpenLogLine);
  EXPECT_EQ(GetLogPath(), GetLogPathText());
  EXPECT_TRUE(theBoxes.empty());
}

TEST_F(LogFileTest, WriteLogAppendsLines) {
  OpenLog();
  LOG_INFO("first");
  LOG_INFO("second");

  EXPECT_EQ(ReadLogMessages(),
            (std::vector<std::string>{"Zorvane - SFSE Plugin by Pelloquin v1.0", "first", "second"}));
}

TEST_F(LogFileTest, OpenLogShowsCouldNotBeOpenedBoxWithoutDocuments) {
  theInterceptors.bDocumentsUnavailable = true;

  OpenLog();
  LOG_INFO("dropped");

  EXPECT_EQ(theBoxes, (std::vector<Box>{{kCaption, "OpenLog: log couldn't be opened ()"}}));
  EXPECT_EQ(GetLogPath(), "");
  EXPECT_FALSE(std::filesystem::exists(GetLogFile()));
}

TEST_F(LogFileTest, OpenLogShowsBoxWhenEarlierLogWasOpenAndDocumentsVanish) {
  OpenLog();
  theInterceptors.bDocumentsUnavailable = true;

  OpenLog();
  LOG_INFO("dropped");

  EXPECT_EQ(theBoxes, (std::vector<Box>{{kCaption, "OpenLog: log couldn't be opened ()"}}));
  EXPECT_EQ(ReadLog(), kOpenLogLine);
}

TEST_F(LogFileTest, OpenLogShowsIsOpenBoxForMissingLogsFolder) {
  std::filesystem::remove(GetLogFile().parent_path());

  OpenLog();
  LOG_INFO("dropped");

  EXPECT_EQ(theBoxes, (std::vector<Box>{{kCaption, "OpenLog: is_open error (" + GetLogPathText() + ")"}}));
  // The Logs folder is not created, so no file appears.
  EXPECT_FALSE(std::filesystem::exists(GetLogFile().parent_path()));
}

TEST_F(LogFileTest, OpenLogShowsIsRegularFileBoxForFolder) {
  std::filesystem::create_directory(GetLogFile());

  OpenLog();
  LOG_INFO("dropped one");
  LOG_ERROR("dropped two");

  EXPECT_EQ(theBoxes, (std::vector<Box>{{kCaption, "OpenLog: is_regular_file error (" + GetLogPathText() + ")"}}));
  EXPECT_TRUE(std::filesystem::is_directory(GetLogFile()));
  EXPECT_TRUE(std::filesystem::is_empty(GetLogFile()));
}

TEST_F(LogFileTest, WriteLogDropsLinesSilentlyAfterLogFileDeleted) {
  OpenLog();
  ASSERT_TRUE(std::filesystem::remove(GetLogFile()));

  LOG_INFO("dropped one");
  LOG_WARNING("dropped two");

  EXPECT_FALSE(std::filesystem::exists(GetLogFile()));
  EXPECT_TRUE(theBoxes.empty());
}

}  // namespace
}  // namespace zorvane::test
