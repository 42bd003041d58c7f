#pragma once
// Writes one ship to a new ship file: the data of the components of the ship's base form,
// then the decoration items standing in its interior cell. Reads the game only.

#include <string>

#include "core/Settings.h"
#include "game/Types.h"

namespace zorvane {

// Writes the ship of `shipRef` and the decoration of `interiorCell` (none when null) to the new
// file `folder` + `fileName`; true when the whole file was written. `folder` ends in a
// backslash and is made when missing; characters a file name cannot hold are replaced in
// `fileName` first. Nothing that stands under the file's name is ever written to or
// replaced, and a failed export leaves no file. `settings` is the command's copy of the
// settings. Every false comes with an error line that says why.
bool ExportShipRef(game::TESObjectREFR* shipRef, game::TESObjectCELL* interiorCell, std::string folder,
                   std::string fileName, const PluginSettings* settings);

}  // namespace zorvane
