#include "support/LogText.h"

#include <regex>
#include <sstream>

namespace zorvane::test {
namespace {

// Calls `Add` with the level and the message of every well-formed line.
template <typename Fn>
void ForEachLogLine(const std::string& sText, Fn Add) {
  static const std::regex kLine(R"(^\[[^\]]*\] \[SFSE\] \[([a-z]+)\] \[[^\]]*\] \[[^\]]*\] (.*)$)");
  std::istringstream theLines(sText);
  std::string sLine;
  while (std::getline(theLines, sLine)) {
    if (!sLine.empty() && sLine.back() == '\r') sLine.pop_back();
    std::smatch theMatch;
    if (std::regex_match(sLine, theMatch, kLine)) Add(theMatch[1].str(), theMatch[2].str());
  }
}

}  // namespace

std::string MaskTimestamps(const std::string& sText) {
  static const std::regex kTimestamp(R"(\[\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{5}\])");
  return std::regex_replace(sText, kTimestamp, "[TIMESTAMP]");
}

std::string MakeLogLine(const std::string& sLevel, const std::string& sFileName, const std::string& sFunction,
                        const std::string& sMessage) {
  return "[TIMESTAMP] [SFSE] [" + sLevel + "] [" + sFileName + ":N] [" + sFunction + "] " + sMessage + "\r\n";
}

std::vector<std::string> GetLogMessages(const std::string& sText) {
  std::vector<std::string> theMessages;
  ForEachLogLine(sText, [&](const std::string&, const std::string& sMessage) { theMessages.push_back(sMessage); });
  return theMessages;
}

std::vector<std::string> GetLogLevelsAndMessages(const std::string& sText) {
  std::vector<std::string> theLines;
  ForEachLogLine(sText, [&](const std::string& sLevel, const std::string& sMessage) {
    theLines.push_back(sLevel + ": " + sMessage);
  });
  return theLines;
}

}  // namespace zorvane::test
