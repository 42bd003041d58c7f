#pragma once
// The game's console as far as a session script needs it. A typed line's first word names
// the command: the console's own commands (prid, coc, canpilot, editini) first, then the game's command tables
// (CommandTables.h). A game command's text parameter is compiled (ParameterData.h) and its
// handler is called with the selected reference. What the game prints goes to the console
// sink.

#include <cstdint>
#include <functional>
#include <map>
#include <string>

#include "game/Types.h"

namespace sim {

class Console {
 public:
  using Command = std::function<void(const std::string& sArguments)>;

  Console();

  // Runs one typed line; blank lines and lines starting with '#' are passed over.
  void RunLine(const std::string& sLine);

  // The console's own commands, found before the game's command tables.
  void AddCommand(const std::string& sName, Command theCommand);

  // The reference selected with prid, or null (also when it has left the world).
  game::TESObjectREFR* GetSelectedReference() const;

  static void Print(const std::string& sText);

 private:
  void SelectReference(const std::string& sArguments);
  // coc <cell>: moves the player into the cell given by form ID or editor ID, aboard the
  // cell's ship or none, as the game's own coc does.
  void MovePlayer(const std::string& sArguments);
  // canpilot <ship>: asks the game's piloting requirement check about a ship, through the
  // game's own call of it, and prints the answer and the piloting perk pointer.
  void AskPiloting(const std::string& sArguments);
  // editini <file> <section> <key> <value>: edits a settings file as a player would.
  void EditSettings(const std::string& sArguments);
  // readlines <file>: reads a file and splits it into lines by the same rule as the imports
  // (one CR before each LF dropped), each line copied into a string: the plain way to read a
  // ship file, the floor an operation's time is measured against (--time).
  static void ReadLines(const std::string& sPath);
  void RunGameCommand(const std::string& sName, const std::string& sRest);

  std::map<std::string, Command> theCommands;  // keys lower case: the console ignores case
  uint32_t uSelectedFormID = 0;                // 0: nothing selected
};

}  // namespace sim
