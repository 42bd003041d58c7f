// The layout of one log line: timestamp, level, source file and line, function, message.
#include <gtest/gtest.h>

#include <regex>
#include <vector>

#include "plugin/Log.h"
#include "support/LogText.h"
#include "support/PluginFixture.h"

namespace zorvane::test {
namespace {

TEST(LogLineTest, TimestampIsDateTimeAndFiveDigitMilliseconds) {
  std::string sTimestamp = GetTimestamp();
  EXPECT_TRUE(std::regex_match(sTimestamp, std::regex(R"(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{5}$)"))) << sTimestamp;
  // Milliseconds stay below 1000, so the first two of the five digits are always zero.
  EXPECT_EQ(sTimestamp.substr(20, 2), "00") << sTimestamp;
}

TEST(LogLineTest, FileNameIsTextAfterLastBackslashOrSlash) {
  EXPECT_EQ(GetFileNameFromPath("C:\\a\\b\\Main.cpp"), "Main.cpp");
  EXPECT_EQ(GetFileNameFromPath("/x/y/Log.cpp"), "Log.cpp");
  EXPECT_EQ(GetFileNameFromPath("NoDir.cpp"), "NoDir.cpp");
  EXPECT_EQ(GetFileNameFromPath("C:\\a/b\\Mixed.cpp"), "Mixed.cpp");
  EXPECT_EQ(GetFileNameFromPath("C:/a\\b/Mixed.h"), "Mixed.h");
  EXPECT_EQ(GetFileNameFromPath("C:\\a\\"), "");
}

TEST(LogLineTest, LineJoinsFieldsInFixedOrder) {
  std::string sLine = BuildLogLine(kLogInfo, "C:\\src\\plugin\\Main.cpp", 42, "SomeFunction", "message");
  EXPECT_EQ(MaskTimestamps(sLine), "[TIMESTAMP] [SFSE] [info] [Main.cpp:42] [SomeFunction] message");
}

TEST(LogLineTest, EachLevelHasItsPrefix) {
  EXPECT_EQ(MaskTimestamps(BuildLogLine(kLogInfo, "A.cpp", 1, "F", "m")), "[TIMESTAMP] [SFSE] [info] [A.cpp:1] [F] m");
  EXPECT_EQ(MaskTimestamps(BuildLogLine(kLogError, "A.cpp", 1, "F", "m")),
            "[TIMESTAMP] [SFSE] [error] [A.cpp:1] [F] m");
  EXPECT_EQ(MaskTimestamps(BuildLogLine(kLogWarning, "A.cpp", 1, "F", "m")),
            "[TIMESTAMP] [SFSE] [warning] [A.cpp:1] [F] m");
}

TEST(LogLineTest, MessageIsWrittenUnchanged) {
  std::string sMessage = " [a] ]b[ \\c\\ %s %d ";
  std::string sLine = BuildLogLine(kLogInfo, "/x/Log.cpp", 7, "F", sMessage);
  EXPECT_EQ(MaskTimestamps(sLine), "[TIMESTAMP] [SFSE] [info] [Log.cpp:7] [F] " + sMessage);
}

// Writes one line of each level and returns the source lines of the three statements.
std::vector<unsigned> WriteLinesFromNamedHelper() {
  std::vector<unsigned> theLines;
  theLines.push_back(__LINE__ + 1);
  LOG_INFO("info [with] brackets]");
  theLines.push_back(__LINE__ + 1);
  LOG_ERROR("error text");
  theLines.push_back(__LINE__ + 1);
  LOG_WARNING("warning text");
  return theLines;
}

using LogMacroTest = PluginFixture;

TEST_F(LogMacroTest, MacrosWriteCallerFileLineAndFunctionWithCrLf) {
  OpenLog();
  std::vector<unsigned> theLines = WriteLinesFromNamedHelper();

  // Unlike MakeLogLine, these lines keep their numbers: they are this file's own statements.
  auto MakeHelperLine = [](const std::string& sLevel, unsigned uLine, const std::string& sMessage) {
    return "[TIMESTAMP] [SFSE] [" + sLevel + "] [LogLineTest.cpp:" + std::to_string(uLine) +
           "] [WriteLinesFromNamedHelper] " + sMessage + "\r\n";
  };
  EXPECT_EQ(ReadLog(), MakeLogLine("info", "Log.cpp", "OpenLog", "Zorvane - SFSE Plugin by Pelloquin v1.0") +
                           MakeHelperLine("info", theLines[0], "info [with] brackets]") +
                           MakeHelperLine("error", theLines[1], "error text") +
                           MakeHelperLine("warning", theLines[2], "warning text"));
  EXPECT_TRUE(theBoxes.empty());
}

}  // namespace
}  // namespace zorvane::test
