#pragma once
// Reading the plugin's log in tests: the parts of a line that change from run to run are
// replaced by fixed marks so that whole files can be compared.

#include <string>

namespace zorvane::test {

// "[2025-03-01 18:04:09.00042]" becomes "[TIMESTAMP]".
std::string MaskTimestamps(const std::string& sText);

// One expected line as the log stores it, timestamp and line number masked, CR LF at the end.
std::string MakeLogLine(const std::string& sLevel, const std::string& sFileName, const std::string& sFunction,
                        const std::string& sMessage);

}  // namespace zorvane::test
