#include "game/Cells.h"

#include "game/HostCalls.h"

namespace game {

bool IsCellInterior(TESObjectCELL* theCell) { return theCell != nullptr && host::IsCellInterior(theCell); }
uint32_t GetCellRefCount(TESObjectCELL* theCell) { return theCell != nullptr ? host::GetCellRefCount(theCell) : 0; }
TESObjectREFR* GetCellRefAt(TESObjectCELL* theCell, uint32_t uIndex) {
  return theCell != nullptr ? host::GetCellRefAt(theCell, uIndex) : nullptr;
}

}  // namespace game
