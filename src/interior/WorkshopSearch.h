#pragma once
// Finding a ship's workshop reference again: the reference with the workshop keyword nearest
// to the player, among the cells the game names around the player. Reads only.

#include <vector>

#include "game/Types.h"

namespace zorvane {

// The cells around `theRef` (null: the player): its parent cell, its worldspace's persistent
// cell, the cells of its cell-list object, the cell manager's current cell and the cells of
// its first 50 entries, as far as the game admits them; ordered by address, each once.
std::vector<game::TESObjectCELL*> GetCandidateCells(game::TESObjectREFR* theRef);

// The reference of the candidate cells around the player that has `theKeyword` (null: the
// game's workshop keyword) and stands nearest to the player; of two at the same distance the
// earlier. Null when there is none.
game::TESObjectREFR* GetClosestWorkshopRef(game::TESForm* theKeyword);

}  // namespace zorvane
