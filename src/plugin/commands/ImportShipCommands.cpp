#include "plugin/commands/ImportShipCommands.h"

#include "plugin/commands/CommandFrame.h"

namespace zorvane {
namespace {

bool RefuseUnavailableImport(const ShipCommand& theCommand, game::TESObjectREFR* thisObj) {
  if (StartShipCommand(theCommand, thisObj)) {
    RefuseShipCommand(theCommand, std::string(theCommand.sPrefix) + ": ERROR: this command is not available yet.",
                      "not available yet");
  }
  return false;
}

}  // namespace

bool ImportShipLayoutCommand(const game::CommandParam*, const uint8_t*, game::TESObjectREFR* thisObj,
                             game::TESObjectREFR*, void*, void*, double*, uint32_t*) {
  return RefuseUnavailableImport({"ImportShipLayoutCommand", "ImportShipLayout"}, thisObj);
}

bool ImportShipInteriorCommand(const game::CommandParam*, const uint8_t*, game::TESObjectREFR* thisObj,
                               game::TESObjectREFR*, void*, void*, double*, uint32_t*) {
  return RefuseUnavailableImport({"ImportShipInteriorCommand", "ImportShipInterior"}, thisObj);
}

}  // namespace zorvane
