#pragma once
// The game's own code that the plugin redirects: the piloting requirement check and the call
// instruction that calls it.

#include <cstdint>

#include "game/Types.h"

namespace game {

// The check: the piloting skill a reference demands of the player; 0 when none.
using PilotingCheck = uint64_t (*)(TESObjectREFR* theRef);

// The address of the 5-byte relative call instruction (0xE8 and a 32-bit displacement) that
// calls the check.
uintptr_t GetPilotingCallSite();
PilotingCheck GetPilotingCheck();

}  // namespace game
