#include "plugin/commands/ImportShipCommands.h"

#include "plugin/commands/CommandFrame.h"

namespace zorvane {
namespace {

const ShipCommand kImportShipLayout = {
    "ImportShipLayoutCommand",
    "ImportShipLayout",
    "",
    "",
    "",
    "",
    "ship couldn't be imported. Please check the .log for details.",
};
const ShipCommand kImportShipInterior = {
    "ImportShipInteriorCommand",
    "ImportShipInterior",
    "",
    "",
    "",
    "",
    "ship couldn't be imported. Please check the .log for details.",
};

// Until the importers exist the commands check what every ship command checks, then refuse.
CommandOutcome RefuseUnavailableImport(const ShipCommand& theCommand) {
  RefuseShipCommand(theCommand, "this command is not available yet.", "not available yet");
  return CommandOutcome::kRefused;
}

}  // namespace

bool ImportShipLayoutCommand(const game::CommandParam*, const uint8_t*, game::TESObjectREFR* thisObj,
                             game::TESObjectREFR*, void*, void*, double*, uint32_t*) {
  return RunShipCommand(kImportShipLayout, thisObj, [] { return RefuseUnavailableImport(kImportShipLayout); });
}

bool ImportShipInteriorCommand(const game::CommandParam*, const uint8_t*, game::TESObjectREFR* thisObj,
                               game::TESObjectREFR*, void*, void*, double*, uint32_t*) {
  return RunShipCommand(kImportShipInterior, thisObj, [] { return RefuseUnavailableImport(kImportShipInterior); });
}

}  // namespace zorvane
