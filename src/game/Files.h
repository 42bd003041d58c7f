#pragma once
// The game's loaded plugin files, as the data handler keeps them.

#include <cstdint>
#include <string>

#include "game/Codes.h"
#include "game/Types.h"

namespace game {

TESDataHandler* GetDataHandler();
uint32_t GetFileCount(TESDataHandler* theHandler, FileArrayKind eArray);
// Entries may be null.
TESFile* GetFileAt(TESDataHandler* theHandler, FileArrayKind eArray, uint32_t uIndex);
std::string GetFileName(TESFile* theFile);
uint8_t GetFileCompileIndex(TESFile* theFile);
uint16_t GetFileSmallIndex(TESFile* theFile);
uint8_t GetFileMediumIndex(TESFile* theFile);

}  // namespace game
