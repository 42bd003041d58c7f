// The simulated game's cells and the references placed in them.
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

}  // namespace sim::host
