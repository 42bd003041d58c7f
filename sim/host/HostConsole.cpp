// The simulated game's console and its command tables.
#include "HostOperations.h"

namespace sim::host {

game::ConsoleLog* GetConsoleLog() {
  World& theWorld = GetWorld();
  return theWorld.bHasConsole ? &theWorld.theConsole : nullptr;
}

void PrintConsoleLine(game::ConsoleLog* theConsole, const char* sText) {
  if (Check(theConsole, {ObjectKind::kConsole}, __func__) == nullptr) return;
  if (sText == nullptr) {
    GetWorld().ReportViolation(std::string(__func__) + " called without a text");
    return;
  }
  PrintToConsoleSink(sText);
}

game::CommandEntry* GetConsoleCommandTable() {
  World& theWorld = GetWorld();
  return theWorld.theConsoleCommands.empty() ? nullptr : theWorld.theConsoleCommands.data();
}

game::CommandEntry* GetScriptCommandTable() {
  World& theWorld = GetWorld();
  return theWorld.theScriptCommands.empty() ? nullptr : theWorld.theScriptCommands.data();
}

}  // namespace sim::host
