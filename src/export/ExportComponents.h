#pragma once
// The component lines of a ship's base form, group by group in file order.

#include <string>

#include "game/Types.h"
#include "shipfile/ShipFileWriter.h"

namespace zorvane {

// Writes the component groups of `theBase` in file order, the "DisplayName |" line with
// `sShipName` among them. Each group runs in a failure scope of its own: an error raised
// inside it is logged as "exception while exporting " + the group's name and the next group
// follows. False when a group stopped the export (a form without plugin file, a missing
// property list ...); the lines written before stay in the file.
bool ExportComponentGroups(ShipFileWriter& theWriter, game::TESForm* theBase, const std::string& sShipName);

}  // namespace zorvane
