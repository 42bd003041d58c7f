#pragma once
// Small text helpers of the simulated game and loader (the plugin's own are in its core layer,
// which the simulator does not include).

#include <algorithm>
#include <cctype>
#include <string>

namespace sim {

inline std::string ToLower(std::string sText) {
  for (char& ch : sText) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  return sText;
}

inline bool EqualsIgnoringCase(const std::string& sA, const std::string& sB) {
  return sA.size() == sB.size() && std::equal(sA.begin(), sA.end(), sB.begin(), [](char a, char b) {
           return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
         });
}

// The text without the characters of `sBlanks` at either end.
inline std::string Trim(const std::string& sText, const char* sBlanks = " \t\r\n") {
  const std::size_t uStart = sText.find_first_not_of(sBlanks);
  if (uStart == std::string::npos) return {};
  return sText.substr(uStart, sText.find_last_not_of(sBlanks) - uStart + 1);
}

}  // namespace sim
