#pragma once
// Changing a ship's interior cell for the interior import: taking out the decoration a player
// placed, and placing the decoration items of a ship file as new references.

#include <vector>

#include "core/Settings.h"
#include "game/Types.h"
#include "interior/DecorDispatch.h"

namespace zorvane {

// Removes the player-placed items of the cell whose base is a miscellaneous item or a
// consumable (the only kinds considered), each with a warning; vanilla items stay. The cell's
// list is taken as it stands first, since each removal changes it.
void RemovePlacedDecorItems(game::TESObjectCELL* theCell, const PluginSettings& theSettings);

// Places every item the settings let through as a new reference: in the player's worldspace
// when the player has one, else in `theCell`; with its scale and name, and linked to
// `theWorkshop` when it was placed in build mode. An item without base, of a type not
// imported, or not from build mode when only those are wanted, is passed over. False when the
// game cannot make a reference (what was placed before stays).
bool PlaceDecorItems(const std::vector<DecorItem>& theItems, game::TESObjectCELL* theCell,
                     game::TESObjectREFR* theWorkshop, const PluginSettings& theSettings);

}  // namespace zorvane
