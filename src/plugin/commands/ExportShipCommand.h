#pragma once
// The ExportShip console command: writes the ship the player stands in to a new ship file.

#include "game/Commands.h"

namespace zorvane {

bool ExportShipCommand(const game::CommandParam* theParams, const uint8_t* theCompiledData,
                       game::TESObjectREFR* thisObj, game::TESObjectREFR* theContainingObj, void* theScript,
                       void* theLocals, float* theResult, uint32_t* theOpcodeOffset);

}  // namespace zorvane
