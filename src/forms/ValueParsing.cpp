#include "forms/ValueParsing.h"

#include <cstdio>

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
int32_t ReadBracketText(const std::string& sLine, std::size_t uOpen, std::size_t uClose) {
  const std::size_t uStart = uOpen == std::string::npos ? 0 : uOpen + 1;
  if (uClose == std::string::npos || uClose <= uStart) return -1;
  return ConvertToInt32(sLine.substr(uStart, uClose - uStart));
}

// The steps every number reader shares; `sFunction` names the reader in its log lines.
template <typename T>
bool ReadNumber(std::string sLine, T& theValue, T (*Convert)(const std::string&), const char* sFunction) {
  const std::string sValue = GetValueText(std::move(sLine));
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

std::string GetValueText(std::string sLine) {
  const std::size_t uBar = sLine.rfind('|');
  if (uBar == std::string::npos) return {};
  return sLine.substr(uBar + 1);
}

bool GetFloat(std::string sLine, float& fValue) {
  return ReadNumber(std::move(sLine), fValue, &ConvertToFloat, __func__);
}

bool GetInt32(std::string sLine, int32_t& iValue) {
  return ReadNumber(std::move(sLine), iValue, &ConvertToInt32, __func__);
}

bool GetUInt32(std::string sLine, uint32_t& uValue) {
  return ReadNumber(std::move(sLine), uValue, &ConvertToUInt32, __func__);
}

bool GetUInt64(std::string sLine, uint64_t& uValue) {
  return ReadNumber(std::move(sLine), uValue, &ConvertToUInt64, __func__);
}

int32_t GetIndex(std::string sLine) { return ReadBracketText(sLine, sLine.find('['), sLine.find(']')); }

int32_t GetIndex2(std::string sLine) { return ReadBracketText(sLine, sLine.rfind('['), sLine.rfind(']')); }

std::string FormatFloat(float fValue) {
  // "%f" of the largest float needs 46 characters; the buffer leaves room to spare.
  char sBuffer[64] = {};
  std::snprintf(sBuffer, sizeof(sBuffer), "%f", static_cast<double>(fValue));
  return sBuffer;
}

}  // namespace zorvane
