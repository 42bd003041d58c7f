#include "forms/ValueParsing.h"

#include <charconv>
#include <cstdio>
#include <exception>

#include "core/Log.h"
#include "forms/NumberConversion.h"

namespace zorvane {
namespace {

// The error message for a value text that names infinity or not-a-number in lower case
// anywhere; null for any other text. Such values are read as 0 instead of converted.
const char* FindSpecialValue(const std::string& sValue) {
  if (sValue.find("inf") != std::string::npos) return "inf input";
  if (sValue.find("nan") != std::string::npos) return "nan input";
  return nullptr;
}

// The number between the bracket at `uOpen` (npos: from the line's start) and the bracket
// at `uClose`; -1 when there is no closing bracket after the start.
int32_t ReadBracketText(std::string_view sLine, std::size_t uOpen, std::size_t uClose) {
  const std::size_t uStart = uOpen == std::string_view::npos ? 0 : uOpen + 1;
  if (uClose == std::string_view::npos || uClose <= uStart) return -1;
  return ConvertToInt32(std::string(sLine.substr(uStart, uClose - uStart)));
}

// The steps every number reader shares; `sFunction` names the reader in its log lines.
template <typename T>
bool ReadNumber(const std::string& sLine, T& theValue, T (*Convert)(const std::string&), const char* sFunction) {
  const std::string sValue = GetValueText(sLine);
  if (sValue.empty()) return false;
  if (const char* sSpecial = FindSpecialValue(sValue)) {
    LOG_ERROR_IN(sFunction, sSpecial);
    theValue = 0;
    return true;
  }
  theValue = Convert(sValue);
  return true;
}

}  // namespace

std::string GetValueText(const std::string& sLine) {
  const std::size_t uBar = sLine.rfind('|');
  if (uBar == std::string::npos) return {};
  return sLine.substr(uBar + 1);
}

bool GetFloat(const std::string& sLine, float& fValue) { return ReadNumber(sLine, fValue, &ConvertToFloat, __func__); }

bool GetInt32(const std::string& sLine, int32_t& iValue) {
  return ReadNumber(sLine, iValue, &ConvertToInt32, __func__);
}

bool GetUInt32(const std::string& sLine, uint32_t& uValue) {
  return ReadNumber(sLine, uValue, &ConvertToUInt32, __func__);
}

bool GetUInt64(const std::string& sLine, uint64_t& uValue) {
  return ReadNumber(sLine, uValue, &ConvertToUInt64, __func__);
}

int32_t GetIndex(std::string_view sLine) { return ReadBracketText(sLine, sLine.find('['), sLine.find(']')); }

int32_t GetIndex2(std::string_view sLine) { return ReadBracketText(sLine, sLine.rfind('['), sLine.rfind(']')); }

namespace {

std::optional<std::size_t> CheckIndexBelow(int32_t (*GetValue)(std::string_view), std::string_view sLine,
                                           std::size_t uSize) {
  try {
    const int32_t iIndex = GetValue(sLine);
    if (iIndex >= 0 && static_cast<std::size_t>(iIndex) < uSize) return static_cast<std::size_t>(iIndex);
  } catch (const std::exception&) {
    // A bracket text that does not convert names no entry.
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::size_t> FindIndexBelow(std::string_view sLine, std::size_t uSize) {
  return CheckIndexBelow(&GetIndex, sLine, uSize);
}

std::optional<std::size_t> FindIndex2Below(std::string_view sLine, std::size_t uSize) {
  return CheckIndexBelow(&GetIndex2, sLine, uSize);
}

std::string FormatFloat(float fValue) {
  // What "%f" prints, exactly rounded, without the cost of the printf machinery: an export
  // writes tens of thousands of them. The largest float needs 46 characters.
  char sBuffer[64];
  const auto theResult =
      std::to_chars(sBuffer, sBuffer + sizeof(sBuffer), static_cast<double>(fValue), std::chars_format::fixed, 6);
  return std::string(sBuffer, theResult.ptr);
}

}  // namespace zorvane
