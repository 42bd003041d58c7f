#include "core/Log.h"
#include "core/Settings.h"
#include "export/ShipBackup.h"
#include "forms/Helpers.h"
#include "game/Game.h"
#include "layout/ImportShipLayout.h"
#include "plugin/commands/CommandFrame.h"
#include "plugin/commands/ImportShipCommands.h"

namespace zorvane {
namespace {

const ShipCommand kImportShipLayout = {
    "ImportShipLayoutCommand",
    "ImportShipLayout",
    "import finished with errors",
    "ship layout couldn't be imported. It is recommended to exit the game and reload as partial ship data changes may "
    "have been made. Please check the .log for details.",
    "import finished",
    "ship layout successfully imported. Please create a (manual) save game, exit, then reload this save. Once ingame, "
    "modify the ship at a Ship Services Technician before flying it (any kind of modification will do). Fly it "
    "manually first (i.e. not with Fast Travel).",
    "ship layout couldn't be imported. Please check the .log for details.",
};

game::TESForm* FindKeyword(uint32_t uFormID) {
  game::TESForm* theForm = game::LookupFormByID(uFormID);
  return game::GetFormType(theForm) == game::kFormTypeKeyword ? theForm : nullptr;
}

CommandOutcome RefuseCommand(const std::string& sConsoleText, const std::string& sLogMessage,
                             const char* sLevel = "ERROR") {
  RefuseShipCommand(kImportShipLayout, sConsoleText, sLogMessage, sLevel);
  return CommandOutcome::kRefused;
}

// The home ship may be rewritten: modifiable, not a Starborn ship, built on a runtime-created
// generic base form, and not the ship the player stands in. Before the import changes it, it
// is saved as a backup (`theBackup`); an import whose backup cannot be written is refused.
CommandOutcome ImportShipLayoutSteps(const uint8_t* theCompiledData, std::optional<ShipBackup>& theBackup) {
  game::TESObjectREFR* theHomeShip = game::GetPlayerHomeShip();
  if (theHomeShip == nullptr) return RefuseCommand("Homeship ref is nullptr.", "Homeship is nullptr");
  game::TESForm* theUnmodifiable = FindKeyword(game::kCannotBeModifiedShipKeywordID);
  if (theUnmodifiable == nullptr)
    return RefuseCommand("01.", "CannotBeModifiedShipKeyword is nullptr", "INTERNAL ERROR");
  game::TESForm* theStarborn = FindKeyword(game::kShipTypeStarbornKeywordID);
  if (theStarborn == nullptr) return RefuseCommand("02.", "ShipTypeStarborn is nullptr", "INTERNAL ERROR");
  if (game::HasKeyword(game::AsForm(theHomeShip), theUnmodifiable)) {
    return RefuseCommand("Homeship is not modifiable. Please select another ship as homeship.",
                         "has CannotBeModifiedShipKeyword");
  }
  if (game::HasKeyword(game::AsForm(theHomeShip), theStarborn)) {
    return RefuseCommand("Homeship is a Starborn ship. Please select another ship as homeship.",
                         "has ShipTypeStarborn");
  }
  game::TESForm* theBase = game::GetRefBaseForm(theHomeShip);
  if (theBase == nullptr) return RefuseCommand("Homeship base is nullptr.", "ShipBase is nullptr");
  const uint8_t uFormType = game::GetFormType(theBase);
  if (uFormType != game::kFormTypeGenericBaseForm) {
    return RefuseCommand("Homeship base is not BGSGenericBaseForm. | FormType: " + std::to_string(uFormType),
                         "ShipBase is not BGSGenericBaseForm | FormType: " + std::to_string(uFormType));
  }
  if (!IsRuntimeCreatedForm(theBase)) {
    return RefuseCommand(
        "Homeship base is not runtime created. Modify the Homeship at a Ship Services Technician first to allow "
        "importing a ship layout to it (any kind of modification will do).",
        "ShipBase is not runtime created");
  }
  game::TESObjectREFR* theShipAboard = game::GetShipAboard(game::GetPlayer());
  if (theShipAboard != nullptr &&
      game::GetFormID(game::AsForm(theShipAboard)) == game::GetFormID(game::AsForm(theHomeShip))) {
    return RefuseCommand("Player is currently in the Homeship.", "ShipRef == Homeship");
  }
  std::optional<ShipFilePath> thePath = ReadExistingShipFilePath(kImportShipLayout, theCompiledData);
  if (!thePath) return CommandOutcome::kRefused;
  LOG_INFO_IN(kImportShipLayout.sFunction, "attempting to import ship layout from [sFilePath: " + thePath->sFolder +
                                               "] [sFileName: " + thePath->sFileName + "] to ShipBase " +
                                               GetFormDescription(theBase, true, true, true, true) + " of Homeship " +
                                               GetReferenceDescription(theHomeShip));
  PluginSettings theSettings = GetSettings();
  bool bBackupFailed = false;
  const bool bImported =
      ImportShipLayoutToBaseOfRef(theHomeShip, thePath->sFolder, thePath->sFileName, &theSettings, [&] {
        theBackup = BackUpShipLayout(theHomeShip, theSettings);
        bBackupFailed = !theBackup;
        return !bBackupFailed;
      });
  if (bBackupFailed) {
    LOG_ERROR_IN(kImportShipLayout.sFunction, "the home ship could not be saved before the import");
    PrintToConsole(
        "ImportShipLayout: ERROR: the home ship could not be saved before the import, so nothing was changed. Please "
        "check the .log for details.");
    return CommandOutcome::kRefused;
  }
  if (!bImported) return CommandOutcome::kFailed;
  if (theBackup) DeleteOldBackups(*theBackup, kImportShipLayout.sFunction);
  return CommandOutcome::kDone;
}

// After the outcome, where the home ship as it was now stands and how to bring it back.
void TellBackup(const std::string& sBackup) {
  const std::string sText =
      "your home ship as it was is saved as \"" + sBackup + "\": ImportShipLayout \"" + sBackup + "\" brings it back.";
  LOG_INFO_IN(kImportShipLayout.sFunction, sText);
  PrintToConsole(std::string(kImportShipLayout.sPrefix) + ": INFO: " + sText);
}

}  // namespace

bool ImportShipLayoutCommand(const game::CommandParam*, const uint8_t* theCompiledData, game::TESObjectREFR* thisObj,
                             game::TESObjectREFR*, void*, void*, float*, uint32_t*) {
  std::optional<ShipBackup> theBackup;
  return RunShipCommand(
      kImportShipLayout, thisObj, [&] { return ImportShipLayoutSteps(theCompiledData, theBackup); },
      [&] {
        if (theBackup) TellBackup(theBackup->sName);
      });
}

}  // namespace zorvane
