#include "patch/PilotingSkill.h"

#include "core/Log.h"
#include "game/Game.h"

namespace zorvane {

void DisablePilotingSkill(bool remove) {
  game::TESForm** thePerkSlot = game::GetPilotingPerkSlot();
  if (thePerkSlot == nullptr) {
    return;
  }
  if (remove) {
    *thePerkSlot = nullptr;
    return;
  }
  if (*thePerkSlot != nullptr) {
    return;
  }
  game::TESForm* thePerk = game::LookupFormByID(game::kPilotingPerkFormID);
  if (thePerk == nullptr) {
    LOG_ERROR("perk nullptr");
    return;
  }
  *thePerkSlot = thePerk;
}

}  // namespace zorvane
