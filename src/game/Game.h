#pragma once
// The plugin's view of the game: the bound operation table and thin wrappers around it.
// Every wrapper tolerates an absent entry or an unbound table and then answers as if the
// game had nothing to give (null, empty, false), so callers handle one kind of "missing".

#include <cstdint>
#include <string>

#include "game/Host.h"

namespace game {

// Looks up the table that the game image exports; returns false (and binds nothing) when
// the image offers none or one of an incompatible layout.
bool BindHostFromImage(uintptr_t uImageBase);

// Binds a table directly (the simulated game in-process, and tests). Null unbinds.
void BindHost(const Host* theHost);

const Host* GetHost();

TESDataHandler* GetDataHandler();
TESForm* LookupFormByID(uint32_t uFormID);
TESForm** GetPilotingPerkSlot();
ConsoleLog* GetConsoleLog();
void PrintConsoleLine(ConsoleLog* theConsole, const std::string& sText);

}  // namespace game
