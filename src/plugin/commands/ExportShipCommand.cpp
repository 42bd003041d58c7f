#include "plugin/commands/ExportShipCommand.h"

#include "core/Log.h"
#include "core/Settings.h"
#include "export/ExportShipRef.h"
#include "forms/Helpers.h"
#include "game/Game.h"
#include "plugin/commands/CommandFrame.h"
#include "shipfile/ShipFileName.h"

namespace zorvane {
namespace {

const ShipCommand kExportShip = {
    "ExportShipCommand",
    "ExportShipRef",
    "export finished with errors",
    "ship couldn't be exported. It is recommended to exit the game as crunched ship data may remain in the memory "
    "after the process. Please check the .log for details.",
    "export finished",
    "ship exported. It is recommended to exit the game as crunched ship data may remain in the memory after the "
    "process.",
    "ship couldn't be exported. Please check the .log for details.",
};

CommandOutcome ExportShipSteps(const uint8_t* theCompiledData) {
  game::TESObjectREFR* thePlayer = game::GetPlayer();
  game::TESObjectREFR* theShipRef = game::GetShipAboard(thePlayer);
  if (theShipRef == nullptr) {
    RefuseShipCommand(kExportShip, "Player is not in the ship.", "ShipRef is nullptr");
    return CommandOutcome::kRefused;
  }
  game::TESForm* theShipBase = game::GetRefBaseForm(theShipRef);
  if (theShipBase == nullptr) {
    RefuseShipCommand(kExportShip, "ShipBase is nullptr.", "ShipBase is nullptr");
    return CommandOutcome::kRefused;
  }
  uint8_t uFormType = game::GetFormType(theShipBase);
  if (uFormType != game::kFormTypeGenericBaseForm) {
    std::string sMessage = "ShipBase is not BGSGenericBaseForm | FormType: " + std::to_string(uFormType);
    RefuseShipCommand(kExportShip, sMessage, sMessage);
    return CommandOutcome::kRefused;
  }
  game::TESObjectCELL* theCell = game::GetRefParentCell(thePlayer);
  if (theCell == nullptr) {
    RefuseShipCommand(kExportShip, "ParentCell is nullptr", "ParentCell is nullptr");
    return CommandOutcome::kRefused;
  }
  std::optional<ShipFilePath> thePath = ReadShipFilePath(kExportShip, theCompiledData);
  if (!thePath) {
    return CommandOutcome::kRefused;
  }
  // The name of the file the export writes: names that differ only in characters a file
  // name cannot hold ("a?b", "a;b") meet the same file, which is never overwritten.
  thePath->sFileName = ReplaceForbiddenCharacters(thePath->sFileName);
  if (IsReservedDeviceName(thePath->sFileName)) {
    RefuseShipCommand(
        kExportShip,
        "[" + thePath->sFileName + "] is a name Windows reserves for a device. Please choose another name.",
        "reserved device name | [sFileName: " + thePath->sFileName + "]");
    return CommandOutcome::kRefused;
  }
  // Whatever stands under the name, a folder or a link that leads anywhere, is never replaced.
  if (DoesFileExistEx(thePath->sFolder, thePath->sFileName) || IsAnyEntryAt(thePath->GetFullPath())) {
    RefuseShipCommand(kExportShip, "file already exists at [" + thePath->GetFullPath() + "].",
                      "DoesFileExistEx returned true | [sFilePath: " + thePath->sFolder +
                          "] [sFileName: " + thePath->sFileName + "]");
    return CommandOutcome::kRefused;
  }
  LOG_INFO_IN(kExportShip.sFunction, "attempting to export ShipRef " + GetReferenceDescription(theShipRef) +
                                         " and Cell " +
                                         GetFormDescription(game::AsForm(theCell), true, true, true, true) +
                                         " to file [" + thePath->GetFullPath() + "]");
  PluginSettings theSettings = GetSettings();
  return ExportShipRef(theShipRef, theCell, thePath->sFolder, thePath->sFileName, &theSettings)
             ? CommandOutcome::kDone
             : CommandOutcome::kFailed;
}

}  // namespace

bool ExportShipCommand(const game::CommandParam*, const uint8_t* theCompiledData, game::TESObjectREFR* thisObj,
                       game::TESObjectREFR*, void*, void*, float*, uint32_t*) {
  return RunShipCommand(kExportShip, thisObj, [theCompiledData] { return ExportShipSteps(theCompiledData); });
}

}  // namespace zorvane
