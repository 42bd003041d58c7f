#pragma once
// Lifting the piloting skill requirement through the game's piloting perk pointer.

namespace zorvane {

// true clears the game's piloting perk pointer; false puts the perk back when it is missing.
void DisablePilotingSkill(bool remove);

}  // namespace zorvane
