#include "checker/HtmlText.h"

#include <cmath>
#include <cstdint>

namespace zorvane::shipfile {
namespace {

constexpr const char* kReplacement = "\xEF\xBF\xBD";  // U+FFFD

// The length of the well-formed UTF-8 sequence at `uPos`; 0 when there is none.
std::size_t MeasureUtf8(std::string_view sText, std::size_t uPos) {
  const auto Byte = [&](std::size_t u) { return static_cast<uint8_t>(sText[u]); };
  const uint8_t uLead = Byte(uPos);
  if (uLead < 0x80) return 1;
  std::size_t uLength = 0;
  uint8_t uLow = 0x80, uHigh = 0xBF;  // the range of the second byte
  if (uLead >= 0xC2 && uLead <= 0xDF) {
    uLength = 2;
  } else if (uLead >= 0xE0 && uLead <= 0xEF) {
    uLength = 3;
    if (uLead == 0xE0) uLow = 0xA0;   // no overlong forms
    if (uLead == 0xED) uHigh = 0x9F;  // no surrogates
  } else if (uLead >= 0xF0 && uLead <= 0xF4) {
    uLength = 4;
    if (uLead == 0xF0) uLow = 0x90;
    if (uLead == 0xF4) uHigh = 0x8F;  // nothing above U+10FFFF
  } else {
    return 0;
  }
  if (uPos + uLength > sText.size()) return 0;
  if (Byte(uPos + 1) < uLow || Byte(uPos + 1) > uHigh) return 0;
  for (std::size_t u = 2; u < uLength; ++u) {
    if (Byte(uPos + u) < 0x80 || Byte(uPos + u) > 0xBF) return 0;
  }
  return uLength;
}

}  // namespace

std::string EscapeHtml(std::string_view sText) {
  std::string sHtml;
  sHtml.reserve(sText.size());
  for (std::size_t uPos = 0; uPos < sText.size();) {
    const std::size_t uLength = MeasureUtf8(sText, uPos);
    if (uLength == 0) {
      sHtml += kReplacement;
      ++uPos;
      continue;
    }
    const char chLetter = sText[uPos];
    if (uLength > 1) {
      sHtml.append(sText.substr(uPos, uLength));
    } else if (chLetter == '&') {
      sHtml += "&amp;";
    } else if (chLetter == '<') {
      sHtml += "&lt;";
    } else if (chLetter == '>') {
      sHtml += "&gt;";
    } else if (chLetter == '"') {
      sHtml += "&quot;";
    } else if (chLetter == '\'') {
      sHtml += "&#39;";
    } else if ((chLetter >= 0 && chLetter < 0x20 && chLetter != '\t' && chLetter != '\n' && chLetter != '\r') ||
               chLetter == 0x7F) {
      sHtml += kReplacement;
    } else {
      sHtml += chLetter;
    }
    uPos += uLength;
  }
  return sHtml;
}

std::string FormatDecimal(double fValue) {
  const long long iTenths = std::llround(fValue * 10.0);
  const long long iWhole = (iTenths < 0 ? -iTenths : iTenths);
  return std::string(iTenths < 0 ? "-" : "") + std::to_string(iWhole / 10) + "." + std::to_string(iWhole % 10);
}

}  // namespace zorvane::shipfile
