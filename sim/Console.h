#pragma once
// The game's console as far as a session script needs it: typed lines are run one after
// the other, and what the game prints goes to the console sink.

#include <functional>
#include <map>
#include <string>

namespace sim {

class Console {
 public:
  using Command = std::function<void(const std::string& sArguments)>;

  Console();

  // Runs one typed line; blank lines and lines starting with '#' are passed over.
  void RunLine(const std::string& sLine);

  // The console's own commands, found before the game's command tables.
  void AddCommand(const std::string& sName, Command theCommand);

  static void Print(const std::string& sText);

 private:
  std::map<std::string, Command> theCommands;  // keys lower case: the console ignores case
};

}  // namespace sim
