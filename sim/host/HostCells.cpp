// The simulated game's cells, the references placed in them, and the cells around a
// reference: worldspaces, the cell-list query and the cell manager.
#include "HostOperations.h"

namespace sim::host {
namespace {

game::TESObjectCELL* CheckCell(game::TESObjectCELL* theCell, const char* sOperation) {
  return Check(theCell, {ObjectKind::kCell}, sOperation);
}

}  // namespace

bool IsCellInterior(game::TESObjectCELL* theCell) {
  auto* theChecked = CheckCell(theCell, __func__);
  return theChecked != nullptr && theChecked->bInterior;
}

uint32_t GetCellRefCount(game::TESObjectCELL* theCell) {
  auto* theChecked = CheckCell(theCell, __func__);
  return theChecked != nullptr ? static_cast<uint32_t>(theChecked->theRefs.size()) : 0;
}

game::TESObjectREFR* GetCellRefAt(game::TESObjectCELL* theCell, uint32_t uIndex) {
  auto* theChecked = CheckCell(theCell, __func__);
  if (theChecked == nullptr) return nullptr;
  if (uIndex >= theChecked->theRefs.size()) {
    GetWorld().ReportViolation(std::string(__func__) + " read past the end of a cell's reference list");
    return nullptr;
  }
  return theChecked->theRefs[uIndex];
}

game::TESObjectCELL* GetPersistentCell(game::TESWorldSpace* theWorldspace) {
  auto* theChecked = Check(theWorldspace, {ObjectKind::kWorldspace}, __func__);
  return theChecked != nullptr ? theChecked->thePersistentCell : nullptr;
}

bool IsCellAdmitted(game::TESObjectCELL* theCell, uint32_t) {
  auto* theChecked = CheckCell(theCell, __func__);
  return theChecked != nullptr && theChecked->bAdmitted;
}

game::CellIDList* GetRefCellList(game::TESObjectREFR* theRef) {
  auto* theChecked = CheckRef(theRef, __func__);
  return theChecked != nullptr ? theChecked->theCellList.get() : nullptr;
}

uint32_t GetCellIDCount(game::CellIDList* theList) {
  auto* theChecked = Check(theList, {ObjectKind::kCellIDList}, __func__);
  return theChecked != nullptr ? static_cast<uint32_t>(theChecked->theIDs.size()) : 0;
}

uint32_t GetCellIDAt(game::CellIDList* theList, uint32_t uIndex) {
  auto* theChecked = Check(theList, {ObjectKind::kCellIDList}, __func__);
  if (theChecked == nullptr) return 0;
  if (uIndex >= theChecked->theIDs.size()) {
    GetWorld().ReportViolation(std::string(__func__) + " read past the end of a cell-list object");
    return 0;
  }
  return theChecked->theIDs[uIndex];
}

game::CellManager* GetCellManager() {
  World& theWorld = GetWorld();
  return theWorld.bHasCellManager ? &theWorld.theCellManager : nullptr;
}

game::TESObjectCELL* GetCurrentCell(game::CellManager* theManager) {
  auto* theChecked = Check(theManager, {ObjectKind::kCellManager}, __func__);
  return theChecked != nullptr ? theChecked->theCurrentCell : nullptr;
}

uint32_t GetCellEntryCount(game::CellManager* theManager) {
  auto* theChecked = Check(theManager, {ObjectKind::kCellManager}, __func__);
  return theChecked != nullptr ? static_cast<uint32_t>(theChecked->theEntries.size()) : 0;
}

game::TESObjectCELL* GetCellEntryAt(game::CellManager* theManager, uint32_t uIndex) {
  auto* theChecked = Check(theManager, {ObjectKind::kCellManager}, __func__);
  if (theChecked == nullptr) return nullptr;
  if (uIndex >= theChecked->theEntries.size()) {
    GetWorld().ReportViolation(std::string(__func__) + " read past the end of the cell manager's entries");
    return nullptr;
  }
  const game::CellManager::Entry& theEntry = theChecked->theEntries[uIndex];
  return theEntry.eKind == game::CellManager::Entry::kCell ? theEntry.theCell : nullptr;
}

}  // namespace sim::host
