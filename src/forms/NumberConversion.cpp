#include "forms/NumberConversion.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "core/Text.h"

namespace zorvane {
namespace {

// The magnitude and sign of the number at the start of a text, as strtoul reads them.
struct ParsedInteger {
  bool bAnyDigit = false;
  bool bNegative = false;
  bool bOverflow = false;  // the magnitude does not fit in 64 bits
  uint64_t uMagnitude = 0;
};

// The value of a digit in `uBase` (10 or 16), or -1 when the character is none.
int GetDigitValue(char ch, unsigned uBase) {
  int iValue = -1;
  if (ch >= '0' && ch <= '9') {
    iValue = ch - '0';
  } else if (ch >= 'a' && ch <= 'f') {
    iValue = ch - 'a' + 10;
  } else if (ch >= 'A' && ch <= 'F') {
    iValue = ch - 'A' + 10;
  }
  return iValue >= 0 && static_cast<unsigned>(iValue) < uBase ? iValue : -1;
}

ParsedInteger ParseInteger(const std::string& sText, unsigned uBase) {
  ParsedInteger theResult;
  std::size_t uPos = 0;
  while (uPos < sText.size() && IsBlank(sText[uPos])) ++uPos;
  if (uPos < sText.size() && (sText[uPos] == '+' || sText[uPos] == '-')) {
    theResult.bNegative = sText[uPos] == '-';
    ++uPos;
  }
  // "0x" counts as a prefix only when a hexadecimal digit follows; otherwise the "0" alone
  // is the number.
  if (uBase == 16 && uPos + 2 < sText.size() && sText[uPos] == '0' &&
      (sText[uPos + 1] == 'x' || sText[uPos + 1] == 'X') && GetDigitValue(sText[uPos + 2], 16) >= 0) {
    uPos += 2;
  }
  constexpr uint64_t kMax = std::numeric_limits<uint64_t>::max();
  for (; uPos < sText.size(); ++uPos) {
    int iDigit = GetDigitValue(sText[uPos], uBase);
    if (iDigit < 0) break;
    theResult.bAnyDigit = true;
    if (theResult.uMagnitude > (kMax - static_cast<uint64_t>(iDigit)) / uBase) {
      theResult.bOverflow = true;
    } else {
      theResult.uMagnitude = theResult.uMagnitude * uBase + static_cast<uint64_t>(iDigit);
    }
  }
  return theResult;
}

// The magnitude of a text that must fit in `uLimit`, or the matching error of `sName`.
ParsedInteger ParseLimited(const std::string& sText, unsigned uBase, uint64_t uLimit, const std::string& sName) {
  ParsedInteger theParsed = ParseInteger(sText, uBase);
  if (!theParsed.bAnyDigit) throw std::invalid_argument("invalid " + sName + " argument");
  if (theParsed.bOverflow || theParsed.uMagnitude > uLimit) throw std::out_of_range(sName + " argument out of range");
  return theParsed;
}

uint32_t ConvertToUnsigned32(const std::string& sText, unsigned uBase) {
  ParsedInteger theParsed = ParseLimited(sText, uBase, std::numeric_limits<uint32_t>::max(), "stoul");
  uint32_t uValue = static_cast<uint32_t>(theParsed.uMagnitude);
  return theParsed.bNegative ? 0u - uValue : uValue;
}

}  // namespace

float ConvertToFloat(const std::string& sText) {
  // strtof's rules, but always with the point as the decimal point: strtof itself follows the
  // locale, which the game or another plugin may set to one with a comma.
  const char* sNext = sText.c_str();
  const char* sEnd = sNext + sText.size();
  while (sNext < sEnd && IsBlank(*sNext)) ++sNext;
  const bool bNegative = sNext < sEnd && *sNext == '-';
  if (sNext < sEnd && (*sNext == '-' || *sNext == '+')) ++sNext;
  float fValue = 0.0f;
  std::from_chars_result theResult = {sNext, std::errc::invalid_argument};
  // "0x" starts a hexadecimal number only when one follows; otherwise the "0" is the number.
  if (sEnd - sNext > 2 && sNext[0] == '0' && (sNext[1] == 'x' || sNext[1] == 'X') && sNext[2] != '-') {
    theResult = std::from_chars(sNext + 2, sEnd, fValue, std::chars_format::hex);
  }
  // from_chars takes a sign of its own, which strtof does not after the one it read.
  if (theResult.ec == std::errc::invalid_argument && sNext < sEnd && *sNext != '-') {
    theResult = std::from_chars(sNext, sEnd, fValue);
  }
  if (theResult.ec == std::errc::invalid_argument) throw std::invalid_argument("invalid stof argument");
  // As the runtimes report them: overflow, underflow to zero and denormal results.
  if (theResult.ec == std::errc::result_out_of_range ||
      (fValue != 0.0f && std::fabs(fValue) < std::numeric_limits<float>::min())) {
    throw std::out_of_range("stof argument out of range");
  }
  return bNegative ? -fValue : fValue;
}

int32_t ConvertToInt32(const std::string& sText) {
  ParsedInteger theParsed = ParseInteger(sText, 10);
  if (!theParsed.bAnyDigit) throw std::invalid_argument("invalid stoi argument");
  const uint64_t uLimit = theParsed.bNegative ? uint64_t{1} << 31 : (uint64_t{1} << 31) - 1;
  if (theParsed.bOverflow || theParsed.uMagnitude > uLimit) throw std::out_of_range("stoi argument out of range");
  const int64_t iMagnitude = static_cast<int64_t>(theParsed.uMagnitude);
  return static_cast<int32_t>(theParsed.bNegative ? -iMagnitude : iMagnitude);
}

uint32_t ConvertToUInt32(const std::string& sText) { return ConvertToUnsigned32(sText, 10); }

uint64_t ConvertToUInt64(const std::string& sText) {
  ParsedInteger theParsed = ParseLimited(sText, 10, std::numeric_limits<uint64_t>::max(), "stoull");
  return theParsed.bNegative ? uint64_t{0} - theParsed.uMagnitude : theParsed.uMagnitude;
}

uint32_t ConvertHexToUInt32(const std::string& sText) { return ConvertToUnsigned32(sText, 16); }

uint32_t TruncateToUInt32(float fValue) {
  // cvttss2si into 64 bits: [-2^63, 2^63) converts, anything else is 0x8000000000000000.
  const bool bInRange = fValue >= -9223372036854775808.0f && fValue < 9223372036854775808.0f;
  const int64_t iTruncated = bInRange ? static_cast<int64_t>(fValue) : std::numeric_limits<int64_t>::min();
  return static_cast<uint32_t>(static_cast<uint64_t>(iTruncated));
}

uint8_t TruncateToUInt8(float fValue) {
  // cvttss2si into 32 bits: [-2^31, 2^31) converts, anything else is 0x80000000.
  const bool bInRange = fValue >= -2147483648.0f && fValue < 2147483648.0f;
  const int32_t iTruncated = bInRange ? static_cast<int32_t>(fValue) : std::numeric_limits<int32_t>::min();
  return static_cast<uint8_t>(static_cast<uint32_t>(iTruncated));
}

}  // namespace zorvane
