#include "CommandTables.h"

#include <cctype>
#include <cstdio>

#include "Console.h"
#include "World.h"

namespace sim {
namespace {

constexpr uint32_t kConsoleFirstOpcode = 0x100;
constexpr uint32_t kScriptFirstOpcode = 0x1000;

// The game's compiled text parameter: a length byte, then the characters.
std::string ReadTextParameter(const uint8_t* theData) {
  if (theData == nullptr) return {};
  return std::string(reinterpret_cast<const char*>(theData + game::kCommandTextOffset),
                     theData[game::kCommandTextLengthOffset]);
}

#define ZV_GAME_COMMAND(name)                                                   \
  bool name(const game::CommandParam*, [[maybe_unused]] const uint8_t* theData, \
            [[maybe_unused]] game::TESObjectREFR* thisObj, game::TESObjectREFR*, void*, void*, float*, uint32_t*)

// The game's own handlers. Each prints one line that names its command.
ZV_GAME_COMMAND(RunToggleGodMode) {
  Console::Print("ToggleGodMode: god mode toggled.");
  return true;
}
ZV_GAME_COMMAND(RunToggleCollision) {
  Console::Print("ToggleCollision: collision toggled.");
  return true;
}
ZV_GAME_COMMAND(RunCloseFile) {
  Console::Print("CloseFile: no file \"" + ReadTextParameter(theData) + "\" is open.");
  return true;
}
ZV_GAME_COMMAND(RunPlaceFurnitureTester) {
  Console::Print("PlaceFurnitureTester: furniture tester placed.");
  return true;
}
ZV_GAME_COMMAND(RunToggleMenus) {
  Console::Print("ToggleMenus: menus toggled.");
  return true;
}
ZV_GAME_COMMAND(RunEndOfConsoleCommands) {
  Console::Print("EndOfConsoleCommands: ran.");
  return true;
}
ZV_GAME_COMMAND(RunGetScale) {
  // The console runs this entry only with a reference (it needs a parent).
  char sText[64];
  std::snprintf(sText, sizeof(sText), "GetScale >> %.2f", thisObj != nullptr ? thisObj->uScale / 100.0 : 0.0);
  Console::Print(sText);
  return true;
}
ZV_GAME_COMMAND(RunPipboyRadio) {
  Console::Print("PipboyRadio: radio on.");
  return true;
}
ZV_GAME_COMMAND(RunPipBoyRadioOff) {
  Console::Print("PipBoyRadioOff: radio off.");
  return true;
}
ZV_GAME_COMMAND(RunEnablePlayerControls) {
  Console::Print("EnablePlayerControls: player controls enabled.");
  return true;
}
ZV_GAME_COMMAND(RunEndOfScriptCommands) {
  Console::Print("EndOfScriptCommands: ran.");
  return true;
}

#undef ZV_GAME_COMMAND

struct GameCommand {
  CommandTable eTable;
  const char* sLongName;
  const char* sShortName;
  uint32_t uOpcode;
  const char* sHelpText;
  bool bNeedsParent;
  bool bTextParameter;
  game::CommandExecuteFn theExecute;
};

// The game's entries, in table order; each table's last entry carries its bound.
const GameCommand kGameCommands[] = {
    {CommandTable::kConsole, "ToggleGodMode", "TGM", kConsoleFirstOpcode + 0, "Toggles god mode", false, false,
     &RunToggleGodMode},
    {CommandTable::kConsole, "ToggleCollision", "TCL", kConsoleFirstOpcode + 1, "Toggles collision", false, false,
     &RunToggleCollision},
    {CommandTable::kConsole, "CloseFile", "", kConsoleFirstOpcode + 2, "Closes a file", false, true, &RunCloseFile},
    {CommandTable::kConsole, "PlaceFurnitureTester", "", kConsoleFirstOpcode + 3, "Places a furniture tester", false,
     false, &RunPlaceFurnitureTester},
    {CommandTable::kConsole, "ToggleMenus", "TM", kConsoleFirstOpcode + 4, "Toggles the menus", false, false,
     &RunToggleMenus},
    {CommandTable::kConsole, "EndOfConsoleCommands", "", game::kConsoleCommandBound, "", false, false,
     &RunEndOfConsoleCommands},
    {CommandTable::kScript, "GetScale", "", kScriptFirstOpcode + 0, "Gets the scale of a reference", true, false,
     &RunGetScale},
    {CommandTable::kScript, "PipboyRadio", "PRadio", kScriptFirstOpcode + 1, "Turns the radio on", false, false,
     &RunPipboyRadio},
    {CommandTable::kScript, "PipBoyRadioOff", "PRadioOff", kScriptFirstOpcode + 2, "Turns the radio off", false, false,
     &RunPipBoyRadioOff},
    {CommandTable::kScript, "EnablePlayerControls", "EPC", kScriptFirstOpcode + 3, "Enables the player's controls",
     false, false, &RunEnablePlayerControls},
    {CommandTable::kScript, "EndOfScriptCommands", "", game::kScriptCommandBound, "", false, false,
     &RunEndOfScriptCommands},
};

game::CommandEntry MakeEntry(World& theWorld, const GameCommand& theCommand) {
  game::CommandEntry theEntry{};
  theEntry.sLongName = theCommand.sLongName;
  theEntry.sShortName = theCommand.sShortName;
  theEntry.uOpcode = theCommand.uOpcode;
  theEntry.sHelpText = theCommand.sHelpText;
  theEntry.bNeedsParent = theCommand.bNeedsParent ? 1 : 0;
  if (theCommand.bTextParameter) {
    theEntry.uParamCount = 1;
    theEntry.theParams = theWorld.KeepCommandParams({{"String", kParamTypeString, 0}});
  }
  theEntry.theExecute = theCommand.theExecute;
  return theEntry;
}

bool NameMatches(const char* sEntryName, const std::string& sTyped) {
  if (sEntryName == nullptr) return false;
  std::size_t i = 0;
  for (; sEntryName[i] != '\0'; ++i) {
    if (i >= sTyped.size() || std::tolower(static_cast<unsigned char>(sEntryName[i])) !=
                                  std::tolower(static_cast<unsigned char>(sTyped[i]))) {
      return false;
    }
  }
  return i == sTyped.size();
}

game::CommandEntry* ScanTable(std::vector<game::CommandEntry>& theTable, uint32_t uBound, const std::string& sName) {
  for (game::CommandEntry& theEntry : theTable) {
    if (theEntry.uOpcode >= uBound) return nullptr;
    bool bShortName = theEntry.sShortName != nullptr && theEntry.sShortName[0] != '\0';
    if (NameMatches(theEntry.sLongName, sName) || (bShortName && NameMatches(theEntry.sShortName, sName))) {
      return &theEntry;
    }
  }
  return nullptr;
}

}  // namespace

uint32_t GetCommandTableBound(CommandTable eTable) {
  return eTable == CommandTable::kConsole ? game::kConsoleCommandBound : game::kScriptCommandBound;
}

std::vector<game::CommandEntry> MakeDefaultCommandTable(World& theWorld, CommandTable eTable) {
  std::vector<game::CommandEntry> theTable;
  for (const GameCommand& theCommand : kGameCommands) {
    if (theCommand.eTable == eTable) theTable.push_back(MakeEntry(theWorld, theCommand));
  }
  return theTable;
}

bool MakeDefaultCommandEntry(World& theWorld, const std::string& sLongName, game::CommandEntry& theEntry) {
  for (const GameCommand& theCommand : kGameCommands) {
    if (sLongName == theCommand.sLongName) {
      theEntry = MakeEntry(theWorld, theCommand);
      return true;
    }
  }
  return false;
}

game::CommandEntry* FindCommandEntry(World& theWorld, const std::string& sName) {
  if (sName.empty()) return nullptr;
  game::CommandEntry* theEntry = ScanTable(theWorld.theConsoleCommands, game::kConsoleCommandBound, sName);
  return theEntry != nullptr ? theEntry : ScanTable(theWorld.theScriptCommands, game::kScriptCommandBound, sName);
}

}  // namespace sim
