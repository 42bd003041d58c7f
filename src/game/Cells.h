#pragma once
// Cells and the references placed in them. A null cell gives the neutral answer.

#include <cstdint>

#include "game/Types.h"

namespace game {

bool IsCellInterior(TESObjectCELL* theCell);
uint32_t GetCellRefCount(TESObjectCELL* theCell);
// Entries of the cell's reference list may be null.
TESObjectREFR* GetCellRefAt(TESObjectCELL* theCell, uint32_t uIndex);

}  // namespace game
