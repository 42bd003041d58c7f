#pragma once
// The interior import: places the decoration items of a ship file in the interior cell of
// the ship the player stands in.

#include <string>

#include "core/Settings.h"
#include "game/Types.h"

namespace zorvane {

// Checks the cell, the workshop keywords, the ship's workshop reference and the file; parses
// every decoration line of `sFilePath` + `sFileName`; only when that gave at least one whole
// item, and when the settings ask for it, removes the decoration a player placed in the cell, and places the file's
// items. True when every item was handled (single items may have been passed over with a message); false, with an error
// line naming why, when the import stopped: a stop before the placement changes nothing, a stop during it keeps what
// was placed.
bool ImportShipInteriorToCell(game::TESObjectCELL* theInteriorCell, std::string sFilePath, std::string sFileName,
                              PluginSettings settings);

}  // namespace zorvane
