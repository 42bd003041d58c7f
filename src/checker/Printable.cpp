#include "checker/Printable.h"

#include <algorithm>

namespace zorvane::shipfile {
namespace {

// The length of the valid UTF-8 sequence at `sText[uPos]`, 0 when none starts there: no
// overlong form, no surrogate, nothing above U+10FFFF.
std::size_t GetSequenceLength(std::string_view sText, std::size_t uPos) {
  const auto Byte = [&sText](std::size_t uAt) { return static_cast<unsigned char>(sText[uAt]); };
  const unsigned char uLead = Byte(uPos);
  if (uLead < 0x80) return 1;
  std::size_t uLength = 0;
  unsigned char uMin = 0x80;
  unsigned char uMax = 0xBF;
  if (uLead >= 0xC2 && uLead <= 0xDF) {
    uLength = 2;
  } else if (uLead >= 0xE0 && uLead <= 0xEF) {
    uLength = 3;
    if (uLead == 0xE0) uMin = 0xA0;  // overlong below
    if (uLead == 0xED) uMax = 0x9F;  // surrogates above
  } else if (uLead >= 0xF0 && uLead <= 0xF4) {
    uLength = 4;
    if (uLead == 0xF0) uMin = 0x90;
    if (uLead == 0xF4) uMax = 0x8F;
  } else {
    return 0;
  }
  if (uPos + uLength > sText.size()) return 0;
  if (Byte(uPos + 1) < uMin || Byte(uPos + 1) > uMax) return 0;
  for (std::size_t i = 2; i < uLength; ++i) {
    if (Byte(uPos + i) < 0x80 || Byte(uPos + i) > 0xBF) return 0;
  }
  return uLength;
}

void AppendEscaped(std::string& sOut, unsigned char uByte) {
  static const char kHex[] = "0123456789abcdef";
  sOut += "\\x";
  sOut += kHex[uByte >> 4];
  sOut += kHex[uByte & 0xF];
}

// Appends the character at `uPos` as it is shown; the bytes it took.
std::size_t AppendCharacter(std::string& sOut, std::string_view sText, std::size_t uPos) {
  const unsigned char uByte = static_cast<unsigned char>(sText[uPos]);
  const std::size_t uLength = GetSequenceLength(sText, uPos);
  if (uByte == '\t') {
    sOut += "\\t";
  } else if (uLength == 0 || uByte < 0x20 || uByte == 0x7F) {
    AppendEscaped(sOut, uByte);
    return 1;
  } else if (uLength == 2 && uByte == 0xC2 && static_cast<unsigned char>(sText[uPos + 1]) < 0xA0) {
    // U+0080 to U+009F, the C1 control characters: shown byte by byte.
    AppendEscaped(sOut, uByte);
    AppendEscaped(sOut, static_cast<unsigned char>(sText[uPos + 1]));
  } else {
    sOut.append(sText.substr(uPos, uLength));
  }
  return uLength == 0 ? 1 : uLength;
}

}  // namespace

std::string MakePrintable(std::string_view sText) {
  std::string sOut;
  sOut.reserve(sText.size());
  for (std::size_t uPos = 0; uPos < sText.size();) uPos += AppendCharacter(sOut, sText, uPos);
  return sOut;
}

std::string MakePrintableShort(std::string_view sText, std::size_t uMaxBytes) {
  std::string sOut;
  std::size_t uPos = 0;
  while (uPos < sText.size()) {
    const std::size_t uLength = std::max<std::size_t>(GetSequenceLength(sText, uPos), 1);
    if (uPos + uLength > uMaxBytes) break;
    uPos += AppendCharacter(sOut, sText, uPos);
  }
  if (uPos < sText.size()) sOut += " ... (" + std::to_string(sText.size() - uPos) + " more bytes)";
  return sOut;
}

}  // namespace zorvane::shipfile
