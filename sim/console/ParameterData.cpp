#include "ParameterData.h"

#include <cstring>
#include <stdexcept>

#include "game/Commands.h"

namespace sim {

std::string ReadTextArgument(const std::string& sRest) {
  std::size_t uStart = sRest.find_first_not_of(" \t");
  if (uStart == std::string::npos) return {};
  if (sRest[uStart] == '"') {
    std::size_t uClose = sRest.find('"', uStart + 1);
    std::size_t uEnd = uClose == std::string::npos ? sRest.size() : uClose;
    return sRest.substr(uStart + 1, uEnd - uStart - 1);
  }
  std::size_t uEnd = sRest.find_first_of(" \t", uStart);
  return sRest.substr(uStart, uEnd == std::string::npos ? std::string::npos : uEnd - uStart);
}

std::vector<uint8_t> CompileNoParameters() { return std::vector<uint8_t>(game::kCommandTextOffset, 0); }

std::vector<uint8_t> CompileTextParameter(const std::string& sText) {
  if (sText.size() > kMaxParameterTextLength) throw std::length_error("a text parameter holds at most 255 characters");
  std::vector<uint8_t> theData(game::kCommandTextOffset + sText.size(), 0);
  theData[0] = 1;
  theData[game::kCommandTextLengthOffset] = static_cast<uint8_t>(sText.size());
  if (!sText.empty()) std::memcpy(theData.data() + game::kCommandTextOffset, sText.data(), sText.size());
  return theData;
}

}  // namespace sim
