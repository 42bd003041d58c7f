#pragma once
// Takes over three command entries the game does not need in ordinary play and rewrites them
// in place into ExportShip, ImportShipLayout and ImportShipInterior, each with the one text
// parameter of "CloseFile".

#include <cstdint>

#include "game/Commands.h"

namespace zorvane {

// The first entry of `theTable` named exactly `sLongName`, scanning up to the first entry whose
// opcode reaches `uBound`; null when there is none.
game::CommandEntry* FindCommandEntry(game::CommandEntry* theTable, uint32_t uBound, const char* sLongName);

// True when all three entries were rewritten.
bool InstallCommands();

}  // namespace zorvane
