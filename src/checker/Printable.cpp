#include "checker/Printable.h"

#include <algorithm>

#include "platform/TextEncoding.h"

namespace zorvane::shipfile {
namespace {

void AppendEscaped(std::string& sOut, unsigned char uByte) {
  static const char kHex[] = "0123456789abcdef";
  sOut += "\\x";
  sOut += kHex[uByte >> 4];
  sOut += kHex[uByte & 0xF];
}

// Appends the character at `uPos` as it is shown; the bytes it took.
std::size_t AppendCharacter(std::string& sOut, std::string_view sText, std::size_t uPos) {
  const unsigned char uByte = static_cast<unsigned char>(sText[uPos]);
  const std::size_t uLength = platform::MeasureUtf8Sequence(sText, uPos);
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
    const std::size_t uLength = std::max<std::size_t>(platform::MeasureUtf8Sequence(sText, uPos), 1);
    if (uPos + uLength > uMaxBytes) break;
    uPos += AppendCharacter(sOut, sText, uPos);
  }
  if (uPos < sText.size()) sOut += " ... (" + std::to_string(sText.size() - uPos) + " more bytes)";
  return sOut;
}

}  // namespace zorvane::shipfile
