#pragma once
// Binding the plugin to the game's operation table. The table is taken whole or not at all:
// one of another version, or one that leaves any entry empty, is refused, so no feature can
// run half-connected to the game.

#include <cstdint>

#include "game/Host.h"

namespace game {

// Binds the table that the game image at `uImageBase` exports; false (binding nothing) when
// the image offers none or the table is refused.
bool BindHostFromImage(uintptr_t uImageBase);

// Binds `theHost` directly (tests and the simulated game); false, binding nothing, when the
// table is refused. Null unbinds.
bool BindHost(const Host* theHost);

// Whether every operation of the list has an entry in `theHost`.
bool IsCompleteHost(const Host& theHost);

}  // namespace game
