#pragma once
// The game's console and its command tables.

#include <string>

#include "game/Commands.h"

namespace game {

// Null until the game has made its console.
ConsoleLog* GetConsoleLog();
// One line, shown unchanged; nothing without a console.
void PrintConsoleLine(ConsoleLog* theConsole, const std::string& sText);
CommandEntry* GetConsoleCommandTable();
CommandEntry* GetScriptCommandTable();

}  // namespace game
