#pragma once
// Tells the decoration that comes with a ship's modules (vanilla items, which every copy of
// the module brings along) from the items a player placed.

#include "game/Types.h"

namespace zorvane {

// True when the reference's extra data carries the kinds 221, 218 and 212 and no non-empty
// list of kind 128.
bool IsVanillaShipDecorItem(game::TESObjectREFR* theRef);

}  // namespace zorvane
