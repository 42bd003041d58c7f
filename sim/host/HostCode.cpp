// The simulated game's own code that the piloting patch redirects: a requirement check, and a
// game function that calls it through exactly one 5-byte relative call instruction (written in
// assembly so the compiler cannot choose another form). The call site is the label before it.
#include "HostOperations.h"

extern "C" {

// The piloting skill rank the ship demands of the player; 0 when none. Without the piloting
// perk (its pointer cleared) the game finds no requirement.
__attribute__((used)) uint64_t sim_CheckPilotingRequirement(game::TESObjectREFR* theShip) noexcept {
  sim::World* theWorld = sim::GetCurrentWorld();
  if (theWorld == nullptr || theWorld->thePilotingPerk == nullptr || theShip == nullptr) return 0;
  return theShip->uPilotingRank > theWorld->uPlayerPilotingRank ? theShip->uPilotingRank : 0;
}

uint64_t sim_AskPilotingRequirement(game::TESObjectREFR* theShip);
extern const unsigned char sim_PilotingCallSite[];

}  // extern "C"

// The frame keeps the stack 16-byte aligned and gives the Windows callee its 32 bytes of
// shadow space; the argument register and the result pass through untouched.
asm(R"(
    .text
    .globl sim_AskPilotingRequirement
    .globl sim_PilotingCallSite
    .p2align 4
sim_AskPilotingRequirement:
    subq $40, %rsp
sim_PilotingCallSite:
    call sim_CheckPilotingRequirement
    addq $40, %rsp
    ret
)");

namespace sim {

uint64_t AskPilotingRequirement(game::TESObjectREFR* theShip) { return sim_AskPilotingRequirement(theShip); }

namespace host {

uintptr_t GetPilotingCallSite() { return reinterpret_cast<uintptr_t>(sim_PilotingCallSite); }
uintptr_t GetPilotingCheck() { return reinterpret_cast<uintptr_t>(&sim_CheckPilotingRequirement); }

}  // namespace host
}  // namespace sim
