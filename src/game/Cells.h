#pragma once
// Cells, the references placed in them and the cells around a reference. A null object gives
// the neutral answer.

#include <cstdint>
#include <vector>

#include "game/Types.h"

namespace game {

bool IsCellInterior(TESObjectCELL* theCell);
uint32_t GetCellRefCount(TESObjectCELL* theCell);
// Entries of the cell's reference list may be null.
TESObjectREFR* GetCellRefAt(TESObjectCELL* theCell, uint32_t uIndex);
// The cell's reference list as it is now, null entries included.
std::vector<TESObjectREFR*> GetCellRefs(TESObjectCELL* theCell);

// The form as a cell when its type code says it is one; null otherwise.
TESObjectCELL* AsCell(TESForm* theForm);

// The cells the game names around a reference.
TESObjectCELL* GetPersistentCell(TESWorldSpace* theWorldspace);
// The game's cell admission test, with flags 0.
bool IsCellAdmitted(TESObjectCELL* theCell);
// The form IDs of the reference's cell-list object; empty when it has none.
std::vector<uint32_t> GetRefCellListIDs(TESObjectREFR* theRef);
// The cell manager and its current cell; the cells of its plausible entries among the first
// `uLimit` (null for an entry that is null or implausible).
CellManager* GetCellManager();
TESObjectCELL* GetCurrentCell(CellManager* theManager);
std::vector<TESObjectCELL*> GetCellEntries(CellManager* theManager, uint32_t uLimit);

}  // namespace game
