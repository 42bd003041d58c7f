#include "game/Console.h"

#include "game/HostCalls.h"

namespace game {

ConsoleLog* GetConsoleLog() { return host::GetConsoleLog(); }
void PrintConsoleLine(ConsoleLog* theConsole, const std::string& sText) {
  if (theConsole != nullptr) host::PrintConsoleLine(theConsole, sText.c_str());
}
CommandEntry* GetConsoleCommandTable() { return host::GetConsoleCommandTable(); }
CommandEntry* GetScriptCommandTable() { return host::GetScriptCommandTable(); }

}  // namespace game
