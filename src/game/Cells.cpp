#include "game/Cells.h"

#include <algorithm>

#include "game/Codes.h"
#include "game/Forms.h"
#include "game/HostCalls.h"

namespace game {

bool IsCellInterior(TESObjectCELL* theCell) { return theCell != nullptr && host::IsCellInterior(theCell); }
uint32_t GetCellRefCount(TESObjectCELL* theCell) { return theCell != nullptr ? host::GetCellRefCount(theCell) : 0; }
TESObjectREFR* GetCellRefAt(TESObjectCELL* theCell, uint32_t uIndex) {
  return theCell != nullptr ? host::GetCellRefAt(theCell, uIndex) : nullptr;
}

std::vector<TESObjectREFR*> GetCellRefs(TESObjectCELL* theCell) {
  std::vector<TESObjectREFR*> theRefs(GetCellRefCount(theCell));
  for (uint32_t i = 0; i < theRefs.size(); ++i) theRefs[i] = host::GetCellRefAt(theCell, i);
  return theRefs;
}

TESObjectCELL* AsCell(TESForm* theForm) {
  // A cell is a form at the same address.
  return GetFormType(theForm) == kFormTypeCell ? reinterpret_cast<TESObjectCELL*>(theForm) : nullptr;
}

TESObjectCELL* GetPersistentCell(TESWorldSpace* theWorldspace) {
  return theWorldspace != nullptr ? host::GetPersistentCell(theWorldspace) : nullptr;
}
bool IsCellAdmitted(TESObjectCELL* theCell) { return theCell != nullptr && host::IsCellAdmitted(theCell, 0); }

std::vector<uint32_t> GetRefCellListIDs(TESObjectREFR* theRef) {
  CellIDList* theList = theRef != nullptr ? host::GetRefCellList(theRef) : nullptr;
  std::vector<uint32_t> theIDs(theList != nullptr ? host::GetCellIDCount(theList) : 0);
  for (uint32_t i = 0; i < theIDs.size(); ++i) theIDs[i] = host::GetCellIDAt(theList, i);
  return theIDs;
}

CellManager* GetCellManager() { return host::GetCellManager(); }
TESObjectCELL* GetCurrentCell(CellManager* theManager) {
  return theManager != nullptr ? host::GetCurrentCell(theManager) : nullptr;
}
std::vector<TESObjectCELL*> GetCellEntries(CellManager* theManager, uint32_t uLimit) {
  std::vector<TESObjectCELL*> theCells;
  if (theManager == nullptr) return theCells;
  const uint32_t uCount = std::min(host::GetCellEntryCount(theManager), uLimit);
  for (uint32_t i = 0; i < uCount; ++i) theCells.push_back(host::GetCellEntryAt(theManager, i));
  return theCells;
}

}  // namespace game
