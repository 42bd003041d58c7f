#include "checker/HtmlText.h"

#include <cmath>

#include "platform/TextEncoding.h"

namespace zorvane::shipfile {
namespace {

constexpr const char* kReplacement = "\xEF\xBF\xBD";  // U+FFFD

}  // namespace

std::string EscapeHtml(std::string_view sText) {
  std::string sHtml;
  sHtml.reserve(sText.size());
  for (std::size_t uPos = 0; uPos < sText.size();) {
    const std::size_t uLength = platform::MeasureUtf8Sequence(sText, uPos);
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
