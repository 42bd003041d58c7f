#pragma once
// The layout import: rebuilds the components of a ship's base form from a ship file.

#include <functional>
#include <string>

#include "core/Settings.h"
#include "game/Types.h"

namespace zorvane {

// Reads the whole file `sFilePath` + `sFileName` into a layout record set, line by line, and
// only when every line passed its checks and the records make a whole ship (at least one
// module, every entry with all its lines) writes it into the base form of `theShipRef` and
// gives the reference its display name. True when the record set was applied; false, with an
// error line naming why, when the import ended before anything in the game changed.
// `settings` is the command's copy of the settings (only Logging.bVerboseLogging is read).
// `BeforeChanging`, when given, runs once the file has passed every check, just before the
// ship is changed; its false ends the import there, with nothing changed.
bool ImportShipLayoutToBaseOfRef(game::TESObjectREFR* theShipRef, std::string sFilePath, std::string sFileName,
                                 const PluginSettings* settings,
                                 const std::function<bool()>& BeforeChanging = std::function<bool()>());

}  // namespace zorvane
