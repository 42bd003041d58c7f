#include "interior/WorkshopSearch.h"

#include <algorithm>
#include <functional>
#include <new>

#include "game/Game.h"

namespace zorvane {
namespace {

// The cell manager's entries looked at, counted whether they name a cell or not.
constexpr uint32_t kCellEntryLimit = 50;

void CollectCells(game::TESObjectREFR* theRef, std::vector<game::TESObjectCELL*>& theCells) {
  if (game::TESObjectCELL* theParent = game::GetRefParentCell(theRef)) theCells.push_back(theParent);
  game::TESObjectCELL* thePersistent = game::GetPersistentCell(game::GetRefWorldspace(theRef));
  if (thePersistent != nullptr && game::IsCellAdmitted(thePersistent)) theCells.push_back(thePersistent);
  for (uint32_t uFormID : game::GetRefCellListIDs(theRef)) {
    game::TESObjectCELL* theCell = game::AsCell(game::LookupFormByID(uFormID));
    if (theCell != nullptr && game::IsCellAdmitted(theCell)) theCells.push_back(theCell);
  }
  game::CellManager* theManager = game::GetCellManager();
  if (game::TESObjectCELL* theCurrent = game::GetCurrentCell(theManager)) theCells.push_back(theCurrent);
  for (game::TESObjectCELL* theCell : game::GetCellEntries(theManager, kCellEntryLimit)) {
    if (theCell != nullptr) theCells.push_back(theCell);
  }
}

}  // namespace

std::vector<game::TESObjectCELL*> GetCandidateCells(game::TESObjectREFR* theRef) {
  if (theRef == nullptr) theRef = game::GetPlayer();
  std::vector<game::TESObjectCELL*> theCells;
  try {
    CollectCells(theRef, theCells);
  } catch (const std::bad_alloc&) {
    // Out of memory: the cells gathered so far.
  }
  std::sort(theCells.begin(), theCells.end(), std::less<>());
  theCells.erase(std::unique(theCells.begin(), theCells.end()), theCells.end());
  return theCells;
}

game::TESObjectREFR* GetClosestWorkshopRef(game::TESForm* theKeyword) {
  game::TESObjectREFR* thePlayer = game::GetPlayer();
  const std::vector<game::TESObjectCELL*> theCells = GetCandidateCells(thePlayer);
  if (theCells.empty()) return nullptr;
  if (theKeyword == nullptr) theKeyword = game::GetWorkshopKeyword();
  if (theKeyword == nullptr) return nullptr;
  game::TESObjectREFR* theBest = nullptr;
  for (game::TESObjectCELL* theCell : theCells) {
    for (game::TESObjectREFR* theRef : game::GetCellRefs(theCell)) {
      if (theRef == nullptr || !game::HasKeyword(game::AsForm(theRef), theKeyword)) continue;
      if (theBest == nullptr || game::GetRefDistance(theBest, thePlayer) > game::GetRefDistance(theRef, thePlayer)) {
        theBest = theRef;
      }
    }
  }
  return theBest;
}

}  // namespace zorvane
