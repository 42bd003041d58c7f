#pragma once
// What the settings look like from outside: the file a first start creates and the 26 log
// lines that every load writes. Written out here by hand, independent of the plugin's table.

#include <string>
#include <vector>

namespace zorvane::test {

// The settings file a start without one creates, byte for byte.
extern const std::string kCreatedSettingsFile;

// The 26 messages "Section.key --> d" in file order; `sDigits` gives the 26 values.
std::vector<std::string> MakeSettingMessages(const std::string& sDigits);

// The values in memory at process start, in file order.
inline const std::string kBuiltInDigits = "00000000000010000000000010";

}  // namespace zorvane::test
