#include "forms/VanillaDecor.h"

#include "core/Log.h"
#include "forms/Helpers.h"
#include "game/Game.h"

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
  // The kinds the game gives the items a ship module brings along, asked in this order.
  for (uint32_t uKind : game::kExtraModuleItemKinds) {
    if (!HasExtraData(theExtra, uKind)) {
      return false;
    }
  }
  // A player's item placed on such a spot carries a non-empty list of kind 128.
  return ReadExtraDataListCount(theExtra, game::kExtraCountedList) == 0;
}

}  // namespace zorvane
