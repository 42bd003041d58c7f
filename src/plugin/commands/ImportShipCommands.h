#pragma once
// The two import commands: ImportShipLayout rebuilds the home ship's base form from a ship
// file; ImportShipInterior places a ship file's decoration items in the ship the player
// stands in.

#include "game/Commands.h"

namespace zorvane {

bool ImportShipLayoutCommand(const game::CommandParam* theParams, const uint8_t* theCompiledData,
                             game::TESObjectREFR* thisObj, game::TESObjectREFR* theContainingObj, void* theScript,
                             void* theLocals, float* theResult, uint32_t* theOpcodeOffset);

bool ImportShipInteriorCommand(const game::CommandParam* theParams, const uint8_t* theCompiledData,
                               game::TESObjectREFR* thisObj, game::TESObjectREFR* theContainingObj, void* theScript,
                               void* theLocals, float* theResult, uint32_t* theOpcodeOffset);

}  // namespace zorvane
