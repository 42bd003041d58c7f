#pragma once
// Lifting the piloting skill requirement, two ways: the game's piloting perk pointer is
// cleared (and put back) at every settings load, and a patch of the game's code sends its
// requirement check through Func, which answers "none" while the setting is on.

#include <cstdint>

#include "game/Types.h"
#include "patch/BranchTrampoline.h"

namespace zorvane {

// true clears the game's piloting perk pointer; false puts the perk back when it is missing.
void DisablePilotingSkill(bool remove);

// Redirects the game's call of its piloting requirement check to Func; once per process, at
// start-up. Without a pool or when the call cannot be written, the game is ended through the
// "INSTALLATION ERROR" box: it never runs with half a patch.
void InstallNoPilotingSkillRequirement(BranchTrampoline& theTrampoline = GetBranchTrampoline());

// The check as the patched game calls it: 0 (no requirement) while the live setting is on,
// otherwise the game's own check's answer.
uint64_t Func(game::TESObjectREFR* theRef) noexcept;

}  // namespace zorvane
