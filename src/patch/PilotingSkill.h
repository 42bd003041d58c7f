#pragma once
// Lifting the piloting skill requirement through the game's piloting perk pointer.

#include <cstdint>

namespace zorvane {

// The piloting skill's perk, a form of Starfield.esm.
inline constexpr uint32_t kPilotingPerkFormID = 0x002CFCAC;

// true clears the game's piloting perk pointer; false puts the perk back when it is missing.
void DisablePilotingSkill(bool remove);

}  // namespace zorvane
