#pragma once
// Calling a console command's handler as the game's console does for a text parameter.

#include <string>
#include <vector>

#include "game/Commands.h"

namespace zorvane::test {

inline bool RunCommand(game::CommandExecuteFn Handler, const std::string& sParameter,
                       game::TESObjectREFR* thisObj = nullptr) {
  // The compiled parameter data: the text's length at byte 6, the text from byte 8.
  std::vector<uint8_t> theData(game::kCommandTextOffset + sParameter.size(), 0);
  theData[game::kCommandTextLengthOffset] = static_cast<uint8_t>(sParameter.size());
  std::copy(sParameter.begin(), sParameter.end(), theData.begin() + game::kCommandTextOffset);
  float fResult = 0.0f;
  uint32_t uOffset = 0;
  return Handler(nullptr, theData.data(), thisObj, nullptr, nullptr, nullptr, &fResult, &uOffset);
}

}  // namespace zorvane::test
