#include "patch/PilotingSkill.h"

#include "game/Game.h"
#include "plugin/Log.h"

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
  game::TESForm* thePerk = game::LookupFormByID(kPilotingPerkFormID);
  if (thePerk == nullptr) {
    LOG_ERROR("perk nullptr");
    return;
  }
  *thePerkSlot = thePerk;
}

}  // namespace zorvane
