#include "plugin/commands/ExportShipCommand.h"

#include <exception>

#include "forms/Helpers.h"
#include "game/Game.h"
#include "plugin/Log.h"
#include "plugin/Settings.h"
#include "plugin/commands/CommandFrame.h"
#include "ship/ExportShipRef.h"

namespace zorvane {
namespace {

const ShipCommand kExportShip = {"ExportShipCommand", "ExportShipRef"};

bool ExportShipCommandChecked(const uint8_t* theCompiledData, game::TESObjectREFR* thisObj) {
  if (!StartShipCommand(kExportShip, thisObj)) {
    return false;
  }
  game::TESObjectREFR* thePlayer = game::GetPlayer();
  game::TESObjectREFR* theShipRef = game::GetShipAboard(thePlayer);
  if (theShipRef == nullptr) {
    RefuseShipCommand(kExportShip, "ExportShipRef: ERROR: Player is not in the ship.", "ShipRef is nullptr");
    return false;
  }
  game::TESForm* theShipBase = game::GetRefBaseForm(theShipRef);
  if (theShipBase == nullptr) {
    RefuseShipCommand(kExportShip, "ExportShipRef: ERROR: ShipBase is nullptr.", "ShipBase is nullptr");
    return false;
  }
  uint8_t uFormType = game::GetFormType(theShipBase);
  if (uFormType != game::kFormTypeGenericBaseForm) {
    std::string sMessage = "ShipBase is not BGSGenericBaseForm | FormType: " + std::to_string(uFormType);
    RefuseShipCommand(kExportShip, "ExportShipRef: ERROR: " + sMessage, sMessage);
    return false;
  }
  game::TESObjectCELL* theCell = game::GetRefParentCell(thePlayer);
  if (theCell == nullptr) {
    RefuseShipCommand(kExportShip, "ExportShipRef: ERROR: ParentCell is nullptr", "ParentCell is nullptr");
    return false;
  }
  std::optional<ShipFilePath> thePath = ReadShipFilePath(kExportShip, theCompiledData);
  if (!thePath) {
    return false;
  }
  // The name of the file the export writes: names that differ only in characters a file
  // name cannot hold ("a?b", "a;b") meet the same file, which is never overwritten.
  thePath->sFileName = ReplaceForbiddenCharacters(thePath->sFileName);
  if (DoesFileExistEx(thePath->sFolder, thePath->sFileName)) {
    // An existing ship file is never overwritten.
    RefuseShipCommand(kExportShip, "ExportShipRef: ERROR: file already exists at [" + thePath->GetFullPath() + "].",
                      "DoesFileExistEx returned true | [sFilePath: " + thePath->sFolder +
                          "] [sFileName: " + thePath->sFileName + "]");
    return false;
  }
  LOG_INFO_IN(kExportShip.sFunction, "attempting to export ShipRef " + GetReferenceDescription(theShipRef) +
                                         " and Cell " +
                                         GetFormDescription(game::AsForm(theCell), true, true, true, true) +
                                         " to file [" + thePath->GetFullPath() + "]");
  PluginSettings theSettings = gSettings;
  if (!ExportShipRef(theShipRef, theCell, thePath->sFolder, thePath->sFileName, &theSettings)) {
    LOG_ERROR_IN(kExportShip.sFunction, "export finished with errors");
    PrintToConsole(
        "ExportShipRef: ERROR: ship couldn't be exported. It is recommended to exit the game as crunched ship data may "
        "remain in the memory after the process. Please check the .log for details.");
    return false;
  }
  LOG_INFO_IN(kExportShip.sFunction, "export finished");
  PrintToConsole(
      "ExportShipRef: INFO: ship exported. It is recommended to exit the game as crunched ship data may remain in the "
      "memory after the process.");
  return true;
}

}  // namespace

bool ExportShipCommand(const game::CommandParam*, const uint8_t* theCompiledData, game::TESObjectREFR* thisObj,
                       game::TESObjectREFR*, void*, void*, double*, uint32_t*) {
  // Nothing may escape into the game's console code.
  try {
    return ExportShipCommandChecked(theCompiledData, thisObj);
  } catch (const std::exception& theError) {
    LOG_ERROR(std::string("exception: ") + theError.what());
  } catch (...) {
    LOG_ERROR("unknown exception");
  }
  PrintToConsole("ExportShipRef: ERROR: ship couldn't be exported. Please check the .log for details.");
  return false;
}

}  // namespace zorvane
