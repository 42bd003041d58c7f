#include "core/Log.h"
#include "core/Settings.h"
#include "forms/Helpers.h"
#include "game/Game.h"
#include "interior/ImportShipInterior.h"
#include "plugin/commands/CommandFrame.h"
#include "plugin/commands/ImportShipCommands.h"

namespace zorvane {
namespace {

const ShipCommand kImportShipInterior = {
    "ImportShipInteriorCommand",
    "ImportShipInterior",
    "import finished with errors",
    "ship interior couldn't be imported. Please check the .log for details.",
    "import finished",
    "ship interior successfully imported.",
    "ship interior couldn't be imported. Please check the .log for details.",
};

CommandOutcome RefuseCommand(const std::string& sConsoleText, const std::string& sLogMessage) {
  RefuseShipCommand(kImportShipInterior, sConsoleText, sLogMessage);
  return CommandOutcome::kRefused;
}

// Any ship the player stands in takes decoration; the items go into the player's cell.
CommandOutcome ImportShipInteriorSteps(const uint8_t* theCompiledData) {
  game::TESObjectREFR* thePlayer = game::GetPlayer();
  game::TESObjectREFR* theShipRef = game::GetShipAboard(thePlayer);
  if (theShipRef == nullptr) return RefuseCommand("Player is not in the ship.", "ShipRef is nullptr");
  game::TESObjectCELL* theCell = game::GetRefParentCell(thePlayer);
  if (theCell == nullptr) return RefuseCommand("ParentCell is nullptr", "ParentCell is nullptr");
  std::optional<ShipFilePath> thePath = ReadExistingShipFilePath(kImportShipInterior, theCompiledData);
  if (!thePath) return CommandOutcome::kRefused;
  LOG_INFO_IN(kImportShipInterior.sFunction, "attempting to import ship interior from [sFilePath: " + thePath->sFolder +
                                                 "] [sFileName: " + thePath->sFileName + "] to ShipInterior " +
                                                 GetFormDescription(game::AsForm(theCell), true, true, true, true) +
                                                 " of ShipRef " + GetReferenceDescription(theShipRef));
  return ImportShipInteriorToCell(theCell, thePath->sFolder, thePath->sFileName, GetSettings())
             ? CommandOutcome::kDone
             : CommandOutcome::kFailed;
}

}  // namespace

bool ImportShipInteriorCommand(const game::CommandParam*, const uint8_t* theCompiledData, game::TESObjectREFR* thisObj,
                               game::TESObjectREFR*, void*, void*, float*, uint32_t*) {
  return RunShipCommand(kImportShipInterior, thisObj,
                        [theCompiledData] { return ImportShipInteriorSteps(theCompiledData); });
}

}  // namespace zorvane
