#include "support/LogText.h"

#include <regex>
#include <sstream>

namespace zorvane::test {
namespace {

std::string EscapeForRegex(const std::string& sText) {
  static const std::regex kSpecial(R"([.^$|()\[\]{}*+?\\])");
  return std::regex_replace(sText, kSpecial, R"(\$&)");
}

}  // namespace

std::string MaskTimestamps(const std::string& sText) {
  static const std::regex kTimestamp(R"(\[\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{5}\])");
  return std::regex_replace(sText, kTimestamp, "[TIMESTAMP]");
}

std::string MaskLineNumbers(const std::string& sText, const std::string& sFileName) {
  std::string sName = sFileName.empty() ? R"([^\[\]:\r\n]+)" : EscapeForRegex(sFileName);
  const std::regex theLineField(R"(\] \[()" + sName + R"():\d+\] \[)");
  return std::regex_replace(sText, theLineField, "] [$1:N] [");
}

std::string MakeLogLine(const std::string& sLevel, const std::string& sFileName, const std::string& sFunction,
                        const std::string& sMessage) {
  return "[TIMESTAMP] [SFSE] [" + sLevel + "] [" + sFileName + ":N] [" + sFunction + "] " + sMessage + "\r\n";
}

std::vector<std::string> GetLogMessages(const std::string& sText) {
  static const std::regex kLine(R"(^\[[^\]]*\] \[SFSE\] \[[a-z]+\] \[[^\]]*\] \[[^\]]*\] (.*)$)");
  std::vector<std::string> theMessages;
  std::istringstream theLines(sText);
  std::string sLine;
  while (std::getline(theLines, sLine)) {
    if (!sLine.empty() && sLine.back() == '\r') sLine.pop_back();
    std::smatch theMatch;
    if (std::regex_match(sLine, theMatch, kLine)) {
      theMessages.push_back(theMatch[1]);
    }
  }
  return theMessages;
}

}  // namespace zorvane::test
