#include "support/LogText.h"

#include <regex>

namespace zorvane::test {

std::string MaskTimestamps(const std::string& sText) {
  static const std::regex kTimestamp(R"(\[\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{5}\])");
  return std::regex_replace(sText, kTimestamp, "[TIMESTAMP]");
}

std::string MakeLogLine(const std::string& sLevel, const std::string& sFileName, const std::string& sFunction,
                        const std::string& sMessage) {
  return "[TIMESTAMP] [SFSE] [" + sLevel + "] [" + sFileName + ":N] [" + sFunction + "] " + sMessage + "\r\n";
}

}  // namespace zorvane::test
