#include "plugin/commands/ImportShipCommands.h"

#include "plugin/commands/CommandFrame.h"

namespace zorvane {
namespace {

const ShipCommand kImportShipInterior = {
    "ImportShipInteriorCommand",
    "ImportShipInterior",
    "",
    "",
    "",
    "",
    "ship couldn't be imported. Please check the .log for details.",
};

// Until its importer exists the command checks what every ship command checks, then refuses.
CommandOutcome RefuseUnavailableImport(const ShipCommand& theCommand) {
  RefuseShipCommand(theCommand, "this command is not available yet.", "not available yet");
  return CommandOutcome::kRefused;
}

}  // namespace

bool ImportShipInteriorCommand(const game::CommandParam*, const uint8_t*, game::TESObjectREFR* thisObj,
                               game::TESObjectREFR*, void*, void*, double*, uint32_t*) {
  return RunShipCommand(kImportShipInterior, thisObj, [] { return RefuseUnavailableImport(kImportShipInterior); });
}

}  // namespace zorvane
