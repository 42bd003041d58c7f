// The simulated game's operation table: every entry works on the current world.
#include <cstdio>

#include "World.h"

namespace sim {
namespace {

World* gWorld = nullptr;
void (*gConsoleSink)(const std::string&) = nullptr;

game::TESDataHandler* GetDataHandler() {
  return gWorld != nullptr && gWorld->bHasDataHandler ? &gWorld->theDataHandler : nullptr;
}

game::ConsoleLog* GetConsoleLog() { return gWorld != nullptr && gWorld->bHasConsole ? &gWorld->theConsole : nullptr; }

game::TESForm** GetPilotingPerkSlot() { return gWorld != nullptr ? &gWorld->thePilotingPerk : nullptr; }

game::TESForm* LookupFormByID(uint32_t uFormID) { return gWorld != nullptr ? gWorld->FindForm(uFormID) : nullptr; }

void PrintConsoleLine(game::ConsoleLog*, const char* sText) {
  if (gConsoleSink != nullptr && sText != nullptr) gConsoleSink(sText);
}

}  // namespace

World* GetCurrentWorld() { return gWorld; }
void SetCurrentWorld(World* theWorld) { gWorld = theWorld; }
void SetConsoleSink(void (*OnLine)(const std::string& sLine)) { gConsoleSink = OnLine; }

}  // namespace sim

// The game image exports its table under this name; the plugin binds to it at load.
#if defined(_WIN32)
#define SIM_EXPORT __declspec(dllexport)
#else
#define SIM_EXPORT __attribute__((visibility("default")))
#endif

extern "C" {
SIM_EXPORT extern const game::Host ZorvaneGameHost;
const game::Host ZorvaneGameHost = {
    game::kHostVersion,
    sizeof(game::Host),
    &sim::GetDataHandler,
    &sim::GetConsoleLog,
    &sim::GetPilotingPerkSlot,
    &sim::LookupFormByID,
    &sim::PrintConsoleLine,
};
}

const game::Host& sim::GetHostTable() { return ZorvaneGameHost; }
