#include "platform/TextEncoding.h"

#include <cstdint>

namespace platform {
namespace {

void AppendUtf8(std::string& sOut, uint32_t uCode) {
  if (uCode < 0x80) {
    sOut += static_cast<char>(uCode);
  } else if (uCode < 0x800) {
    sOut += static_cast<char>(0xC0 | (uCode >> 6));
    sOut += static_cast<char>(0x80 | (uCode & 0x3F));
  } else {
    sOut += static_cast<char>(0xE0 | (uCode >> 12));
    sOut += static_cast<char>(0x80 | ((uCode >> 6) & 0x3F));
    sOut += static_cast<char>(0x80 | (uCode & 0x3F));
  }
}

// The length of the UTF-8 sequence a lead byte starts (0: no lead byte), with the smallest
// and largest value its second byte may have.
struct Lead {
  int iLength;
  unsigned char uSecondMin;
  unsigned char uSecondMax;
};
Lead ReadLead(unsigned char uByte) {
  if (uByte < 0x80) return {1, 0, 0};
  if (uByte >= 0xC2 && uByte <= 0xDF) return {2, 0x80, 0xBF};
  if (uByte == 0xE0) return {3, 0xA0, 0xBF};
  if (uByte == 0xED) return {3, 0x80, 0x9F};  // no surrogates
  if (uByte >= 0xE1 && uByte <= 0xEF) return {3, 0x80, 0xBF};
  if (uByte == 0xF0) return {4, 0x90, 0xBF};
  if (uByte >= 0xF1 && uByte <= 0xF3) return {4, 0x80, 0xBF};
  if (uByte == 0xF4) return {4, 0x80, 0x8F};
  return {0, 0, 0};
}

// The bytes of the well-formed sequence at `uPos`, or 0; `bCut` tells a sequence that is
// well-formed as far as the text goes but ends with it.
int MeasureSequence(std::string_view sText, std::size_t uPos, bool& bCut) {
  bCut = false;
  const Lead theLead = ReadLead(static_cast<unsigned char>(sText[uPos]));
  if (theLead.iLength <= 1) return theLead.iLength;
  for (int i = 1; i < theLead.iLength; ++i) {
    if (uPos + i >= sText.size()) {
      bCut = true;
      return 0;
    }
    const auto uByte = static_cast<unsigned char>(sText[uPos + i]);
    const unsigned char uMin = i == 1 ? theLead.uSecondMin : 0x80;
    const unsigned char uMax = i == 1 ? theLead.uSecondMax : 0xBF;
    if (uByte < uMin || uByte > uMax) return 0;
  }
  return theLead.iLength;
}

}  // namespace

std::size_t MeasureUtf8Sequence(std::string_view sText, std::size_t uPos) {
  bool bCut = false;
  return static_cast<std::size_t>(MeasureSequence(sText, uPos, bCut));
}

bool IsValidUtf8(std::string_view sText) {
  bool bCut = false;
  for (std::size_t uPos = 0; uPos < sText.size();) {
    const int iLength = MeasureSequence(sText, uPos, bCut);
    if (iLength == 0) return false;
    uPos += static_cast<std::size_t>(iLength);
  }
  return true;
}

std::string DropCutCharacter(std::string sText) {
  bool bCut = false;
  for (std::size_t uPos = 0; uPos < sText.size();) {
    const int iLength = MeasureSequence(sText, uPos, bCut);
    if (bCut) {
      sText.resize(uPos);
      break;
    }
    uPos += iLength == 0 ? 1 : static_cast<std::size_t>(iLength);
  }
  return sText;
}

std::string ConvertWindows1252ToUtf8(std::string_view sText) {
  // 0x80 to 0x9F; the rest of the upper half is Latin-1.
  static constexpr uint16_t kHigh[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                         0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                         0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                         0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
  std::string sOut;
  for (char ch : sText) {
    const auto uByte = static_cast<unsigned char>(ch);
    AppendUtf8(sOut, uByte >= 0x80 && uByte < 0xA0 ? kHigh[uByte - 0x80] : uByte);
  }
  return sOut;
}

}  // namespace platform
