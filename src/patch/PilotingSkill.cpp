#include "patch/PilotingSkill.h"

#include "core/Guard.h"
#include "core/Log.h"
#include "core/MessageBox.h"
#include "core/Settings.h"
#include "forms/Helpers.h"
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

void InstallNoPilotingSkillRequirement(BranchTrampoline& theTrampoline) {
  LOG_INFO("installing...");
  if (!theTrampoline.CreatePool()) {
    LOG_ERROR("alloc error");
    ShowMessageBox("INSTALLATION ERROR", true);
    return;
  }
  if (!theTrampoline.WriteCallToThunk(game::GetPilotingCallSite(), reinterpret_cast<uintptr_t>(&Func))) {
    LOG_ERROR("write error");
    ShowMessageBox("INSTALLATION ERROR", true);
    return;
  }
  DisablePilotingSkill(true);
  LOG_INFO("complete");
}

uint64_t Func(game::TESObjectREFR* theRef) noexcept {
  // The game calls this on any of its threads, while the main thread may load the settings.
  const PilotingHookSettings theSettings = GetPilotingHookSettings();
  if (theSettings.bVerboseLogging) {
    // Nothing may leave this function for the game's code, which has no way to handle it.
    RunGuarded(__func__, FixedMessage("the call could not be logged"), [&] {
      LOG_INFO_IN("Func", "called | theRef " + GetHexAddress(reinterpret_cast<uintptr_t>(theRef)) +
                              " | bNoPilotingSkillRequirement [" +
                              (theSettings.bNoPilotingSkillRequirement ? "1" : "0") + "]");
    });
  }
  if (theSettings.bNoPilotingSkillRequirement) return 0;
  return game::GetPilotingCheck()(theRef);
}

}  // namespace zorvane
