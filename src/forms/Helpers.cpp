// Form IDs and addresses as hexadecimal text, and the kind of plugin file a form comes from.
#include "forms/Helpers.h"

#include <cstdio>

#include "game/Game.h"

namespace zorvane {

std::string GetHexFormID(game::TESForm* theForm) {
  if (theForm == nullptr) return {};
  char sBuffer[16] = {};
  std::snprintf(sBuffer, sizeof(sBuffer), "%08X", static_cast<unsigned>(game::GetFormID(theForm)));
  return sBuffer;
}

std::string GetHexValue(uint32_t uValue) {
  if (uValue == 0) return {};
  char sBuffer[16] = {};
  std::snprintf(sBuffer, sizeof(sBuffer), "%08X", static_cast<unsigned>(uValue));
  return sBuffer;
}

std::string GetHexAddress(uint64_t uValue) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string sResult;
  for (; uValue != 0; uValue >>= 4) sResult.insert(sResult.begin(), kDigits[uValue & 0xF]);
  return sResult;
}

uint32_t GetPluginType(game::TESFile* theFile) {
  if (theFile == nullptr) return kPluginTypeNone;
  switch (game::GetFileCompileIndex(theFile)) {
    case 0xFE: return kPluginTypeSmall;
    case 0xFD: return kPluginTypeMedium;
    default: return kPluginTypeFull;
  }
}

std::string GetLocalHexFormID(game::TESForm* theForm, uint32_t uPluginType) {
  if (theForm == nullptr) return {};
  std::size_t uDigits = 0;
  switch (uPluginType) {
    case kPluginTypeFull: uDigits = 6; break;
    case kPluginTypeSmall: uDigits = 3; break;
    case kPluginTypeMedium: uDigits = 4; break;
    default: return {};
  }
  const std::string sHexFormID = GetHexFormID(theForm);
  return sHexFormID.substr(sHexFormID.size() - uDigits);
}

bool IsRuntimeCreatedForm(game::TESForm* theForm) {
  return theForm != nullptr && (game::GetFormID(theForm) >> 24) == 0xFF;
}

bool IsKeyword(game::TESForm* theForm) { return game::GetFormType(theForm) == game::kFormTypeKeyword; }

}  // namespace zorvane
