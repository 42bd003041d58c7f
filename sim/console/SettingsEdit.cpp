#include "SettingsEdit.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <vector>

#include "Text.h"

namespace sim {
namespace {

// Names and lines of a settings file are trimmed of blanks and tabs only.
std::string TrimBlanks(const std::string& sText) { return Trim(sText, " \t"); }

}  // namespace

bool EditSettingsFile(const std::string& sPath, const std::string& sSection, const std::string& sKey,
                      const std::string& sValue) {
  std::ifstream theInput(sPath, std::ios::binary);
  if (!theInput.is_open()) return false;
  const std::string sText((std::istreambuf_iterator<char>(theInput)), std::istreambuf_iterator<char>());
  std::vector<std::string> theLines;
  for (std::size_t uStart = 0; uStart < sText.size();) {
    std::size_t uEnd = sText.find('\n', uStart);
    if (uEnd == std::string::npos) uEnd = sText.size();
    std::string sLine = sText.substr(uStart, uEnd - uStart);
    if (!sLine.empty() && sLine.back() == '\r') sLine.pop_back();
    theLines.push_back(sLine);
    uStart = uEnd + 1;
  }
  const std::string sNewLine = sKey + "=" + sValue;
  bool bInSection = false;
  std::size_t uSectionEnd = std::string::npos;
  bool bDone = false;
  for (std::size_t i = 0; i < theLines.size() && !bDone; ++i) {
    const std::string sLine = TrimBlanks(theLines[i]);
    if (!sLine.empty() && sLine.front() == '[') {
      if (bInSection) break;
      bInSection = EqualsIgnoringCase(sLine.substr(1, sLine.find(']') - 1), sSection);
      if (bInSection) uSectionEnd = i + 1;
      continue;
    }
    if (!bInSection) continue;
    uSectionEnd = i + 1;
    if (EqualsIgnoringCase(TrimBlanks(sLine.substr(0, sLine.find('='))), sKey)) {
      theLines[i] = sNewLine;
      bDone = true;
    }
  }
  if (!bDone && uSectionEnd != std::string::npos) {
    theLines.insert(theLines.begin() + static_cast<std::ptrdiff_t>(uSectionEnd), sNewLine);
  } else if (!bDone) {
    theLines.insert(theLines.end(), {"[" + sSection + "]", sNewLine});
  }
  std::ofstream theOutput(sPath, std::ios::binary | std::ios::trunc);
  for (const std::string& sLine : theLines) theOutput << sLine << "\r\n";
  return static_cast<bool>(theOutput.flush());
}

}  // namespace sim
