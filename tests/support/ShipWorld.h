#pragma once
// A small simulated world built in code for the export's tests: the player standing in the
// interior cell of a ship whose base form carries no components yet, the keywords the
// export needs, a workshop, and three plugin files (full, small, medium). Tests add the
// components and decoration items they are about.

#include <string>

#include "World.h"

namespace zorvane::test {

class ShipWorld {
 public:
  ShipWorld();
  ~ShipWorld();
  ShipWorld(const ShipWorld&) = delete;
  ShipWorld& operator=(const ShipWorld&) = delete;

  // A form of `theFile` (null: a form no plugin file defines).
  game::TESForm* AddForm(uint32_t uFormID, uint8_t uFormType, game::TESFile* theFile, const std::string& sName = "",
                         const std::string& sEditorID = "");
  // A runtime-created reference of `theBase` in the interior cell, at the end of its list.
  game::TESObjectREFR* AddDecorItem(uint32_t uFormID, game::TESForm* theBase);
  // Links the reference to the workshop along the workshop link keyword.
  void LinkToWorkshop(game::TESObjectREFR* theRef);
  // Gives the reference the extra data that marks an item a ship module brings along.
  void MakeVanilla(game::TESObjectREFR* theRef);

  sim::World theWorld;
  game::TESFile* theMaster;      // Starfield.esm, compile index 0
  game::TESFile* theSmallFile;   // Small.esm, small file index 0x012
  game::TESFile* theMediumFile;  // Medium.esm, medium file index 0x01
  game::TESForm* theExcludedRefKeyword;
  game::TESForm* theExcludedBaseKeyword;
  game::TESForm* theWorkshopKeyword;
  game::TESForm* theWorkshopLinkKeyword;
  game::TESForm* theShipBase;  // type 65, editor ID "TestShip", full name "Test Ship Base"
  game::TESObjectREFR* theShipRef;
  game::TESObjectCELL* theCell;  // interior
  game::TESObjectREFR* thePlayer;
  game::TESObjectREFR* theWorkshop;
};

}  // namespace zorvane::test
