#pragma once
// The two import commands. Their entries are installed with ExportShip; until the importers
// exist they check what every ship command checks and then refuse with a console error.

#include "game/Commands.h"

namespace zorvane {

bool ImportShipLayoutCommand(const game::CommandParam* theParams, const uint8_t* theCompiledData,
                             game::TESObjectREFR* thisObj, game::TESObjectREFR* theContainingObj, void* theScript,
                             void* theLocals, double* theResult, uint32_t* theOpcodeOffset);

bool ImportShipInteriorCommand(const game::CommandParam* theParams, const uint8_t* theCompiledData,
                               game::TESObjectREFR* thisObj, game::TESObjectREFR* theContainingObj, void* theScript,
                               void* theLocals, double* theResult, uint32_t* theOpcodeOffset);

}  // namespace zorvane
