#include "platform/PrivateProfile.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "platform/FileFaults.h"

namespace platform {
namespace {

// Blanks as Windows reads a settings file: white space and the DOS end-of-file mark 0x1A.
bool IsBlank(char ch) {
  return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n' || ch == '\v' || ch == '\f' || ch == '\x1A';
}

// A name or value is a C text to the Windows functions: it ends at a zero byte.
std::string CutAtZero(const std::string& sText) { return sText.substr(0, sText.find('\0')); }

std::string Trim(const std::string& sText) {
  std::size_t uStart = 0;
  std::size_t uEnd = sText.size();
  while (uStart < uEnd && IsBlank(sText[uStart])) ++uStart;
  while (uEnd > uStart && IsBlank(sText[uEnd - 1])) --uEnd;
  return sText.substr(uStart, uEnd - uStart);
}

std::string TrimLeft(const std::string& sText) {
  std::size_t uStart = 0;
  while (uStart < sText.size() && IsBlank(sText[uStart])) ++uStart;
  return sText.substr(uStart);
}

char ToLowerAscii(char ch) { return (ch >= 'A' && ch <= 'Z') ? static_cast<char>(ch - 'A' + 'a') : ch; }

bool EqualsIgnoringCase(const std::string& sA, const std::string& sB) {
  return sA.size() == sB.size() && std::equal(sA.begin(), sA.end(), sB.begin(),
                                              [](char a, char b) { return ToLowerAscii(a) == ToLowerAscii(b); });
}

}  // namespace

bool PrivateProfile::Load(const std::filesystem::path& thePath) {
  theSections.clear();
  std::ifstream theFile(thePath, std::ios::binary);
  if (!theFile.is_open() || ShouldFileOperationFail(FileOperation::kRead, thePath)) {
    return false;
  }
  std::ostringstream theBytes;
  theBytes << theFile.rdbuf();
  Parse(theBytes.str());
  return true;
}

void PrivateProfile::Parse(std::string sText) {
  theSections.clear();
  if (sText.starts_with("\xEF\xBB\xBF")) sText.erase(0, 3);  // a UTF-8 byte order mark
  // A file saved as UTF-16 with its byte order mark (Notepad's "Unicode") is read as text, as
  // Windows reads it; characters beyond ASCII are not needed by any name or value here.
  const bool bLittle = sText.starts_with("\xFF\xFE");
  if (bLittle || sText.starts_with("\xFE\xFF")) {
    std::string sNarrow;
    for (std::size_t i = 2; i + 1 < sText.size(); i += 2) {
      const auto uLow = static_cast<unsigned char>(sText[bLittle ? i : i + 1]);
      const auto uHigh = static_cast<unsigned char>(sText[bLittle ? i + 1 : i]);
      sNarrow += uHigh == 0 && uLow < 0x80 ? static_cast<char>(uLow) : '?';
    }
    sText = std::move(sNarrow);
  }

  // Lines before the first section header belong to a section without name.
  theSections.push_back({"", {}});
  // A line ends at a line feed or a carriage return, each alone or in any run.
  std::size_t uPos = 0;
  while (uPos < sText.size()) {
    const std::size_t uEnd = std::min(sText.find_first_of("\r\n", uPos), sText.size());
    const std::string sTrimmed = Trim(sText.substr(uPos, uEnd - uPos));
    uPos = uEnd;
    while (uPos < sText.size() && (sText[uPos] == '\r' || sText[uPos] == '\n')) ++uPos;
    if (sTrimmed.empty()) {
      continue;
    }
    // A section header runs to the last closing bracket of its line; a line with none is
    // a key of the section before it.
    const std::size_t uClose = sTrimmed.rfind(']');
    if (sTrimmed.front() == '[' && uClose != std::string::npos && uClose > 0) {
      theSections.push_back({CutAtZero(Trim(sTrimmed.substr(1, uClose - 1))), {}});
      continue;
    }
    std::size_t uEquals = sTrimmed.find('=');
    if (uEquals == std::string::npos) {
      theSections.back().theEntries.push_back({CutAtZero(sTrimmed), std::nullopt});
    } else {
      theSections.back().theEntries.push_back(
          {CutAtZero(Trim(sTrimmed.substr(0, uEquals))), CutAtZero(Trim(sTrimmed.substr(uEquals + 1)))});
    }
  }
  if (theSections.front().theEntries.empty()) {
    theSections.erase(theSections.begin());
  }
}

bool PrivateProfile::Save(const std::filesystem::path& thePath) const {
  std::ostringstream theText;
  for (const Section& theSection : theSections) {
    if (!theSection.sName.empty()) {
      theText << '[' << theSection.sName << "]\r\n";
    }
    for (const Entry& theEntry : theSection.theEntries) {
      theText << theEntry.sName;
      if (theEntry.sValue) {
        theText << '=' << *theEntry.sValue;
      }
      theText << "\r\n";
    }
  }
  std::ofstream theFile(thePath, std::ios::binary | std::ios::trunc);
  if (!theFile.is_open()) {
    return false;
  }
  theFile << theText.str();
  theFile.close();
  return !theFile.fail();
}

std::optional<std::string> PrivateProfile::Get(const std::string& sSection, const std::string& sKey) const {
  const Section* theSection = FindSection(Trim(sSection));
  if (theSection == nullptr) {
    return std::nullopt;
  }
  std::string sWanted = Trim(sKey);
  for (const Entry& theEntry : theSection->theEntries) {
    if (EqualsIgnoringCase(theEntry.sName, sWanted)) {
      // A line without '=' (a comment, for example) names no value: the reader's default
      // applies, as with a missing key.
      if (!theEntry.sValue) {
        return std::nullopt;
      }
      std::string sValue = *theEntry.sValue;
      // One pair of matching quotes around the whole value is not part of it.
      if (sValue.size() > 1 && (sValue.front() == '"' || sValue.front() == '\'') && sValue.back() == sValue.front()) {
        sValue = sValue.substr(1, sValue.size() - 2);
      }
      return sValue;
    }
  }
  return std::nullopt;
}

void PrivateProfile::Set(const std::string& sSection, const std::string& sKey, const std::string& sValue) {
  std::string sSectionName = Trim(sSection);
  std::string sKeyName = Trim(sKey);
  // Only leading blanks are dropped from a written value; trailing ones reach the file and
  // are lost when the file is read again.
  std::string sStored = TrimLeft(sValue);
  Section* theSection = FindSection(sSectionName);
  if (theSection == nullptr) {
    theSections.push_back({sSectionName, {}});
    theSection = &theSections.back();
  }
  for (Entry& theEntry : theSection->theEntries) {
    if (EqualsIgnoringCase(theEntry.sName, sKeyName)) {
      theEntry.sValue = sStored;
      return;
    }
  }
  theSection->theEntries.push_back({sKeyName, sStored});
}

PrivateProfile::Section* PrivateProfile::FindSection(const std::string& sName) {
  for (Section& theSection : theSections) {
    if (EqualsIgnoringCase(theSection.sName, sName)) return &theSection;
  }
  return nullptr;
}

const PrivateProfile::Section* PrivateProfile::FindSection(const std::string& sName) const {
  return const_cast<PrivateProfile*>(this)->FindSection(sName);
}

}  // namespace platform
