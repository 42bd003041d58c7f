#pragma once
// Writes one ship to a new ship file: the data of the components of the ship's base form,
// then the decoration items standing in its interior cell. Reads the game only.

#include <string>

#include "game/Types.h"
#include "plugin/Settings.h"

namespace zorvane {

// True when the whole file was written. `sFolder` ends in a backslash; characters a file
// name cannot hold are replaced in `sFileName`. `theSettings` is the command's copy.
bool ExportShipRef(game::TESObjectREFR* shipRef, game::TESObjectCELL* interiorCell, std::string folder,
                   std::string fileName, const PluginSettings* settings);

}  // namespace zorvane
