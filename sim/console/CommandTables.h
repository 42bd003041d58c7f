#pragma once
// The game's two command tables: the console table (opcodes from 0x100, its scan ends at the
// first opcode at or above 0x345) and the script table (opcodes from 0x1000, bound 0x13C0).
// The game's own entries run handlers of the game that print a recognisable console line,
// so a session shows that an entry the plugin did not take over still works.

#include <string>
#include <vector>

#include "game/Commands.h"

namespace sim {

class World;

enum class CommandTable { kConsole, kScript };

// The parameter type of a text parameter, as the game's "CloseFile" describes its one parameter.
inline constexpr uint32_t kParamTypeString = 0;

// The bound opcode of a table.
uint32_t GetCommandTableBound(CommandTable eTable);

// The game's own entries of a table, in order, ending with the entry at the table's bound.
// Names and parameter descriptors live as long as `theWorld`.
std::vector<game::CommandEntry> MakeDefaultCommandTable(World& theWorld, CommandTable eTable);

// One of the game's own entries (of either table) by its exact long name, with parameter
// descriptors of its own; false when the game has no such entry.
bool MakeDefaultCommandEntry(World& theWorld, const std::string& sLongName, game::CommandEntry& theEntry);

// The entry the console runs for a typed name: the first entry of the console table, then of
// the script table, whose long name, or short name when that is not empty, equals the name
// ignoring case. Each scan stops at the table's bound. Null when none matches.
game::CommandEntry* FindCommandEntry(World& theWorld, const std::string& sName);

}  // namespace sim
