// The log: a new file at every start, the layout of a line, and what the player sees without
// a Documents folder. A log path that cannot be used, and a log deleted midway, are shown by
// the log-folder-missing and log-path-is-folder sessions and the file-fault test.
#include <gtest/gtest.h>

#include <regex>

#include "core/Log.h"
#include "support/LogText.h"
#include "support/PluginFixture.h"

namespace zorvane::test {
namespace {

using LogTest = PluginFixture;

const std::string kOpenLogLine = MakeLogLine("info", "Log.cpp", "OpenLog", "Zorvane - SFSE Plugin by Pelloquin v1.0");

// Writes one line of each level and returns the source lines of the three statements.
std::vector<unsigned> WriteLinesFromNamedHelper() {
  std::vector<unsigned> theLines;
  theLines.push_back(__LINE__ + 1);
  LOG_INFO("info [with] brackets] %s %d \\path\\");
  theLines.push_back(__LINE__ + 1);
  LOG_ERROR("error text");
  theLines.push_back(__LINE__ + 1);
  LOG_WARNING("warning text");
  return theLines;
}

TEST_F(LogTest, StartReplacesTheOldLogAndLinesCarryCallerFileLineAndFunction) {
  WriteFileBytes(GetLogFile(), "[old] line one\r\n[old] line two\r\n");
  OpenLog();
  std::vector<unsigned> theLines = WriteLinesFromNamedHelper();

  auto MakeHelperLine = [](const std::string& sLevel, unsigned uLine, const std::string& sMessage) {
    return "[TIMESTAMP] [SFSE] [" + sLevel + "] [LogTest.cpp:" + std::to_string(uLine) +
           "] [WriteLinesFromNamedHelper] " + sMessage + "\r\n";
  };
  const std::string sLog = MaskTimestamps(ReadFileBytes(GetLogFile()));
  EXPECT_EQ(sLog.substr(sLog.find('\n') + 1),
            MakeHelperLine("info", theLines[0], "info [with] brackets] %s %d \\path\\") +
                MakeHelperLine("error", theLines[1], "error text") +
                MakeHelperLine("warning", theLines[2], "warning text"));
  EXPECT_EQ(GetLogPath(), GetLogPathText());
  EXPECT_TRUE(theBoxes.empty());
}

TEST_F(LogTest, TimestampHasFiveDigitMillisecondsAndSourceIsTheFileName) {
  const std::string sTimestamp = GetTimestamp();
  // Milliseconds stay below 1000, so the first two of the five digits are always zero.
  EXPECT_TRUE(std::regex_match(sTimestamp, std::regex(R"(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.00\d{3}$)"))) << sTimestamp;
  EXPECT_EQ(GetFileNameFromPath("C:\\a/b\\Mixed.cpp"), "Mixed.cpp");
  EXPECT_EQ(GetFileNameFromPath("C:/a\\b/Mixed.h"), "Mixed.h");
  EXPECT_EQ(GetFileNameFromPath("NoDir.cpp"), "NoDir.cpp");
  EXPECT_EQ(GetFileNameFromPath("C:\\a\\"), "");
}

TEST_F(LogTest, WithoutDocumentsFolderTheLogIsGivenUp) {
  OpenLog();
  theInterceptors.bDocumentsUnavailable = true;

  OpenLog();
  LOG_INFO("dropped");

  EXPECT_EQ(theBoxes, (std::vector<Box>{{kCaption, "OpenLog: log couldn't be opened ()"}}));
  EXPECT_EQ(GetLogPath(), "");
  EXPECT_EQ(ReadLog(), kOpenLogLine);
}

}  // namespace
}  // namespace zorvane::test
