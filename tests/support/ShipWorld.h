#pragma once
// A small ship scene built in a simulated world: the player standing in the interior cell of
// a ship whose base form carries no components yet, the keywords the export needs, a
// workshop, and three plugin files (full, small, medium), added to a world that may already
// hold Starfield.esm. Tests add the components and
// decoration items they are about.

#include "World.h"

namespace zorvane::test {

struct ShipWorld {
  explicit ShipWorld(sim::World& theWorld);

  // A runtime-created reference of `theBase` at the end of the interior cell's list, with an
  // (empty) extra-data list.
  game::TESObjectREFR* AddDecorItem(uint32_t uFormID, game::TESForm* theBase);
  // Links the reference to the workshop along the workshop link keyword.
  void LinkToWorkshop(game::TESObjectREFR* theRef);
  // Gives the reference the extra data that marks an item a ship module brings along.
  void MakeVanilla(game::TESObjectREFR* theRef);

  sim::World& theWorld;
  game::TESFile* theMaster;      // Starfield.esm
  game::TESFile* theSmallFile;   // Small.esm, small file index 0x012
  game::TESFile* theMediumFile;  // Medium.esm, medium file index 0x01
  game::TESForm* theExcludedRefKeyword;
  game::TESForm* theExcludedBaseKeyword;
  game::TESForm* theShipBase;  // editor ID "TestShip", full name "Test Ship Base"
  game::TESObjectREFR* theShipRef;
  game::TESObjectCELL* theCell;  // interior
  game::TESObjectREFR* thePlayer;
  game::TESObjectREFR* theWorkshop;
};

}  // namespace zorvane::test
