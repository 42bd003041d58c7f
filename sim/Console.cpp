#include "Console.h"

#include <cctype>

#include "World.h"

namespace sim {
namespace {

std::string ToLower(std::string sText) {
  for (char& ch : sText) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  return sText;
}

std::string Trim(const std::string& sText) {
  std::size_t uStart = sText.find_first_not_of(" \t\r\n");
  if (uStart == std::string::npos) return {};
  std::size_t uEnd = sText.find_last_not_of(" \t\r\n");
  return sText.substr(uStart, uEnd - uStart + 1);
}

}  // namespace

Console::Console() = default;

void Console::AddCommand(const std::string& sName, Command theCommand) {
  theCommands[ToLower(sName)] = std::move(theCommand);
}

void Console::Print(const std::string& sText) {
  World* theWorld = GetCurrentWorld();
  const game::Host& theHost = GetHostTable();
  game::ConsoleLog* theConsole = theHost.GetConsoleLog();
  if (theWorld != nullptr && theConsole != nullptr) theHost.PrintConsoleLine(theConsole, sText.c_str());
}

void Console::RunLine(const std::string& sLine) {
  std::string sTrimmed = Trim(sLine);
  if (sTrimmed.empty() || sTrimmed.front() == '#') return;
  std::size_t uEnd = sTrimmed.find_first_of(" \t");
  std::string sName = sTrimmed.substr(0, uEnd);
  std::string sArguments = uEnd == std::string::npos ? std::string() : Trim(sTrimmed.substr(uEnd));
  auto it = theCommands.find(ToLower(sName));
  if (it != theCommands.end()) {
    it->second(sArguments);
    return;
  }
  Print("Script command \"" + sName + "\" not found.");
}

}  // namespace sim
