#include "ship/VanillaDecor.h"

#include "forms/Helpers.h"
#include "game/Game.h"
#include "plugin/Log.h"

namespace zorvane {

bool IsVanillaShipDecorItem(game::TESObjectREFR* theRef) {
  if (theRef == nullptr) {
    return false;
  }
  game::ExtraDataList* theExtra = game::GetRefExtraList(theRef);
  if (theExtra == nullptr) {
    LOG_INFO("      -->   has no extra");
    return false;
  }
  for (uint32_t uKind : {221u, 218u, 212u}) {
    if (ExtraDataLookup(theExtra, uKind) == nullptr) {
      return false;
    }
  }
  game::BSExtraData* theList = ExtraDataLookup(theExtra, game::kExtraCountedList);
  return theList == nullptr || game::GetExtraDataListCount(theList) == 0;
}

}  // namespace zorvane
