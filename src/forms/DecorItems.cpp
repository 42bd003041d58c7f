#include "forms/DecorItems.h"

#include "game/Codes.h"
#include "game/Game.h"

namespace zorvane {

bool IsDecorTypeKept(uint8_t uFormType, const DecorSkipSettings& theSkips) {
  switch (uFormType) {
    case game::kFormTypeARMO: return !theSkips.bSkipARMO;
    case game::kFormTypeBOOK: return !theSkips.bSkipBOOK;
    case game::kFormTypeCONT: return !theSkips.bSkipCONT;
    case game::kFormTypeMISC: return !theSkips.bSkipMISC;
    case game::kFormTypeMSTT: return !theSkips.bSkipMSTT;
    case game::kFormTypeFURN: return !theSkips.bSkipFURN;
    case game::kFormTypeWEAP: return !theSkips.bSkipWEAP;
    case game::kFormTypeAlwaysDecoration: return true;
    case game::kFormTypeKEYM: return !theSkips.bSkipKEYM;
    case game::kFormTypeALCH: return !theSkips.bSkipALCH;
    case game::kFormTypeTERM: return !theSkips.bSkipTERM;
    default: return false;
  }
}

bool IsWorkshopItem(game::TESObjectREFR* theRef) {
  game::TESObjectREFR* theWorkshop = game::GetLinkedRef(theRef, game::GetWorkshopLinkKeyword());
  return theWorkshop != nullptr && game::HasKeyword(game::AsForm(theWorkshop), game::GetWorkshopKeyword());
}

}  // namespace zorvane
