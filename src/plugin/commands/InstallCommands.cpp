#include "plugin/commands/InstallCommands.h"

#include <cstring>

#include "core/Log.h"
#include "core/PluginInfo.h"
#include "game/Console.h"
#include "plugin/commands/ExportShipCommand.h"
#include "plugin/commands/ImportShipCommands.h"

namespace zorvane {
namespace {

// The names and help texts live as long as the process.
struct TakenOverCommand {
  const char* sOldName;
  const char* sNewName;
  const char* sHelpText;
  game::CommandExecuteFn theHandler;
  const char* sRegistered;
};

#define ZV_IMPLEMENTED_BY " (implemented by " ZORVANE_PLUGIN_NAME ")"
const TakenOverCommand kExportShip = {"PipboyRadio", "ExportShip", "Exports a Spaceship" ZV_IMPLEMENTED_BY,
                                      &ExportShipCommand, "ExportShip command registered"};
const TakenOverCommand kImportShipLayout = {"PipBoyRadioOff", "ImportShipLayout",
                                            "Imports Spaceship layout" ZV_IMPLEMENTED_BY, &ImportShipLayoutCommand,
                                            "ImportShipLayout command registered"};
const TakenOverCommand kImportShipInterior = {"PlaceFurnitureTester", "ImportShipInterior",
                                              "Imports Spaceship interior decoration items" ZV_IMPLEMENTED_BY,
                                              &ImportShipInteriorCommand, "ImportShipInterior command registered"};
#undef ZV_IMPLEMENTED_BY

void RewriteEntry(game::CommandEntry* theEntry, const TakenOverCommand& theCommand, game::CommandParam* theParams) {
  theEntry->sLongName = theCommand.sNewName;
  theEntry->sShortName = "";
  theEntry->sHelpText = theCommand.sHelpText;
  theEntry->bNeedsParent = 0;
  theEntry->uParamCount = 1;
  theEntry->theExecute = theCommand.theHandler;
  theEntry->theParams = theParams;
}

}  // namespace

game::CommandEntry* FindCommandEntry(game::CommandEntry* theTable, uint32_t uBound, const char* sLongName) {
  if (theTable == nullptr) {
    return nullptr;
  }
  for (game::CommandEntry* theEntry = theTable; theEntry->uOpcode < uBound; ++theEntry) {
    if (theEntry->sLongName != nullptr && std::strcmp(theEntry->sLongName, sLongName) == 0) {
      return theEntry;
    }
  }
  return nullptr;
}

bool InstallCommands() {
  game::CommandEntry* theConsoleTable = game::GetConsoleCommandTable();
  game::CommandEntry* theScriptTable = game::GetScriptCommandTable();

  game::CommandEntry* theCloseFile = FindCommandEntry(theConsoleTable, game::kConsoleCommandBound, "CloseFile");
  if (theCloseFile == nullptr || theCloseFile->theParams == nullptr) {
    LOG_ERROR("command params couldn't be found");
    return false;
  }
  game::CommandParam* theParams = theCloseFile->theParams;

  const struct {
    game::CommandEntry* theTable;
    uint32_t uBound;
    const char* sTableName;
    const TakenOverCommand& theCommand;
  } kTakeOvers[] = {
      {theScriptTable, game::kScriptCommandBound, "script", kExportShip},
      {theScriptTable, game::kScriptCommandBound, "script", kImportShipLayout},
      {theConsoleTable, game::kConsoleCommandBound, "console", kImportShipInterior},
  };
  for (const auto& theTakeOver : kTakeOvers) {
    game::CommandEntry* theEntry =
        FindCommandEntry(theTakeOver.theTable, theTakeOver.uBound, theTakeOver.theCommand.sOldName);
    if (theEntry == nullptr) {
      // A second copy of the plugin (mod managers leave "Zorvane (1).dll" behind) finds the
      // entries already taken over.
      LOG_ERROR(std::string(theTakeOver.theCommand.sOldName) + " not found in the " + theTakeOver.sTableName +
                " command table: is the plugin installed twice, or has another plugin taken it?");
      return false;
    }
    RewriteEntry(theEntry, theTakeOver.theCommand, theParams);
    LOG_INFO(theTakeOver.theCommand.sRegistered);
  }
  return true;
}

}  // namespace zorvane
