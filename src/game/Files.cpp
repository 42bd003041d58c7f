#include "game/Files.h"

#include "game/HostCalls.h"
#include "game/Text.h"

namespace game {

TESDataHandler* GetDataHandler() { return host::GetDataHandler(); }

uint32_t GetFileCount(TESDataHandler* theHandler, FileArrayKind eArray) {
  return theHandler != nullptr ? host::GetFileCount(theHandler, eArray) : 0;
}

TESFile* GetFileAt(TESDataHandler* theHandler, FileArrayKind eArray, uint32_t uIndex) {
  return theHandler != nullptr ? host::GetFileAt(theHandler, eArray, uIndex) : nullptr;
}

std::string GetFileName(TESFile* theFile) { return theFile != nullptr ? ToText(host::GetFileName(theFile)) : ""; }

uint8_t GetFileCompileIndex(TESFile* theFile) { return theFile != nullptr ? host::GetFileCompileIndex(theFile) : 0; }

uint16_t GetFileSmallIndex(TESFile* theFile) { return theFile != nullptr ? host::GetFileSmallIndex(theFile) : 0; }

uint8_t GetFileMediumIndex(TESFile* theFile) { return theFile != nullptr ? host::GetFileMediumIndex(theFile) : 0; }

}  // namespace game
