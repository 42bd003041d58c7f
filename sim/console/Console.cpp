#include "Console.h"

#include <cctype>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

#include "CommandTables.h"
#include "ParameterData.h"
#include "SettingsEdit.h"
#include "Text.h"
#include "World.h"

namespace sim {
namespace {

std::string FormatHex(uint32_t uValue) {
  char sText[16];
  std::snprintf(sText, sizeof(sText), "%08X", uValue);
  return sText;
}

// A form ID as typed after prid: hexadecimal digits, "0x" allowed before them.
bool ParseTypedFormID(std::string sText, uint32_t& uFormID) {
  if (sText.size() > 2 && sText[0] == '0' && (sText[1] == 'x' || sText[1] == 'X')) sText = sText.substr(2);
  if (sText.empty() || sText.size() > 8) return false;
  uFormID = 0;
  for (char ch : sText) {
    if (!std::isxdigit(static_cast<unsigned char>(ch))) return false;
    uFormID = uFormID * 16 + static_cast<uint32_t>(std::isdigit(static_cast<unsigned char>(ch))
                                                       ? ch - '0'
                                                       : std::tolower(static_cast<unsigned char>(ch)) - 'a' + 10);
  }
  return true;
}

// The cell a coc names: by form ID, else by editor ID ignoring case.
game::TESObjectCELL* FindCell(const World& theWorld, const std::string& sWord) {
  uint32_t uFormID = 0;
  if (ParseTypedFormID(sWord, uFormID)) {
    if (auto* theCell = dynamic_cast<game::TESObjectCELL*>(theWorld.FindForm(uFormID))) return theCell;
  }
  for (const auto& [uID, theForm] : theWorld.theFormsByID) {
    auto* theCell = dynamic_cast<game::TESObjectCELL*>(theForm);
    if (theCell != nullptr && !sWord.empty() && ToLower(theCell->sEditorID) == ToLower(sWord)) return theCell;
  }
  return nullptr;
}

}  // namespace

Console::Console() {
  AddCommand("prid", [this](const std::string& sArguments) { SelectReference(sArguments); });
  AddCommand("coc", [this](const std::string& sArguments) { MovePlayer(sArguments); });
  AddCommand("canpilot", [this](const std::string& sArguments) { AskPiloting(sArguments); });
  AddCommand("editini", [this](const std::string& sArguments) { EditSettings(sArguments); });
  AddCommand("readlines", [](const std::string& sArguments) { ReadLines(sArguments); });
}

void Console::ReadLines(const std::string& sPath) {
  std::ifstream theFile(sPath, std::ios::binary);
  if (!theFile.is_open()) {
    Print("readlines: " + sPath + " cannot be read.");
    return;
  }
  const std::string sBytes((std::istreambuf_iterator<char>(theFile)), std::istreambuf_iterator<char>());
  std::vector<std::string> theLines;
  for (std::size_t uStart = 0; uStart < sBytes.size();) {
    std::size_t uEnd = sBytes.find('\n', uStart);
    if (uEnd == std::string::npos) uEnd = sBytes.size();
    const bool bCarriageReturn = uEnd > uStart && uEnd < sBytes.size() && sBytes[uEnd - 1] == '\r';
    theLines.push_back(sBytes.substr(uStart, uEnd - uStart - (bCarriageReturn ? 1 : 0)));
    uStart = uEnd + 1;
  }
  Print("readlines: " + std::to_string(theLines.size()) + " lines");
}

void Console::AskPiloting(const std::string& sArguments) {
  World* theWorld = GetCurrentWorld();
  const std::string sWord = sArguments.substr(0, sArguments.find_first_of(" \t"));
  uint32_t uFormID = 0;
  if (!ParseTypedFormID(sWord, uFormID)) {
    Print("canpilot: \"" + sWord + "\" is not a form ID.");
    return;
  }
  auto* theShip = theWorld != nullptr ? dynamic_cast<game::TESObjectREFR*>(theWorld->FindForm(uFormID)) : nullptr;
  if (theShip == nullptr || theShip->bRemoved) {
    Print("canpilot: no reference with form ID " + FormatHex(uFormID) + ".");
    return;
  }
  const uint64_t uRequirement = AskPilotingRequirement(theShip);
  const game::TESForm* thePerk = theWorld->thePilotingPerk;
  Print("canpilot: the player " + std::string(uRequirement == 0 ? "may" : "may not") + " pilot " + FormatHex(uFormID) +
        " (requirement " + std::to_string(uRequirement) + ", " +
        (thePerk != nullptr ? "piloting perk " + FormatHex(thePerk->uFormID) : std::string("no piloting perk")) + ").");
}

void Console::EditSettings(const std::string& sArguments) {
  std::istringstream theWords(sArguments);
  std::string sPath, sSection, sKey, sValue;
  theWords >> sPath >> sSection >> sKey;
  std::getline(theWords >> std::ws, sValue);
  if (sKey.empty()) {
    Print("editini: give a file, a section, a key and a value.");
  } else if (!EditSettingsFile(sPath, sSection, sKey, sValue)) {
    Print("editini: " + sPath + " cannot be edited.");
  } else {
    Print("editini: " + sPath + " [" + sSection + "] " + sKey + "=" + sValue);
  }
}

void Console::MovePlayer(const std::string& sArguments) {
  World* theWorld = GetCurrentWorld();
  const std::string sWord = sArguments.substr(0, sArguments.find_first_of(" \t"));
  game::TESObjectCELL* theCell = theWorld != nullptr ? FindCell(*theWorld, sWord) : nullptr;
  if (theCell == nullptr) {
    Print("coc: no cell \"" + sWord + "\".");
    return;
  }
  game::TESObjectREFR* thePlayer = theWorld->thePlayer;
  if (thePlayer == nullptr) {
    Print("coc: there is no player.");
    return;
  }
  if (thePlayer->theParentCell != nullptr) std::erase(thePlayer->theParentCell->theRefs, thePlayer);
  theCell->theRefs.push_back(thePlayer);
  thePlayer->theParentCell = theCell;
  thePlayer->theShipAboard = theCell->theShip;
  theWorld->theCellManager.theCurrentCell = theCell;
  Print("coc: the player is in cell " + FormatHex(theCell->uFormID) +
        (theCell->theShip != nullptr ? ", aboard ship " + FormatHex(theCell->theShip->uFormID) + "." : "."));
}

void Console::AddCommand(const std::string& sName, Command theCommand) {
  theCommands[ToLower(sName)] = std::move(theCommand);
}

void Console::Print(const std::string& sText) {
  if (GetCurrentWorld() == nullptr) return;
  const game::Host& theHost = GetHostTable();
  game::ConsoleLog* theConsole = theHost.GetConsoleLog();
  if (theConsole != nullptr) theHost.PrintConsoleLine(theConsole, sText.c_str());
}

game::TESObjectREFR* Console::GetSelectedReference() const {
  World* theWorld = GetCurrentWorld();
  if (uSelectedFormID == 0 || theWorld == nullptr) return nullptr;
  return dynamic_cast<game::TESObjectREFR*>(theWorld->FindForm(uSelectedFormID));
}

void Console::SelectReference(const std::string& sArguments) {
  std::string sWord = sArguments.substr(0, sArguments.find_first_of(" \t"));
  uint32_t uFormID = 0;
  if (!sWord.empty() && !ParseTypedFormID(sWord, uFormID)) {
    Print("prid: \"" + sWord + "\" is not a form ID.");
    return;
  }
  if (uFormID == 0) {
    uSelectedFormID = 0;
    Print("prid: selection cleared.");
    return;
  }
  World* theWorld = GetCurrentWorld();
  if (theWorld == nullptr || dynamic_cast<game::TESObjectREFR*>(theWorld->FindForm(uFormID)) == nullptr) {
    Print("prid: no reference with form ID " + FormatHex(uFormID) + ".");
    return;
  }
  uSelectedFormID = uFormID;
  Print("prid: selected reference " + FormatHex(uFormID) + ".");
}

void Console::RunLine(const std::string& sLine) {
  std::string sTrimmed = Trim(sLine);
  if (sTrimmed.empty() || sTrimmed.front() == '#') return;
  std::size_t uEnd = sTrimmed.find_first_of(" \t");
  std::string sName = sTrimmed.substr(0, uEnd);
  std::string sRest = uEnd == std::string::npos ? std::string() : sTrimmed.substr(uEnd);
  auto it = theCommands.find(ToLower(sName));
  if (it != theCommands.end()) {
    it->second(Trim(sRest));
    return;
  }
  RunGameCommand(sName, sRest);
}

void Console::RunGameCommand(const std::string& sName, const std::string& sRest) {
  World* theWorld = GetCurrentWorld();
  game::CommandEntry* theEntry = theWorld != nullptr ? FindCommandEntry(*theWorld, sName) : nullptr;
  if (theEntry == nullptr) {
    Print("Script command \"" + sName + "\" not found.");
    return;
  }
  if (theEntry->theExecute == nullptr) {
    Print("Script command \"" + sName + "\" has no handler.");
    return;
  }
  game::TESObjectREFR* thisObj = GetSelectedReference();
  if (theEntry->bNeedsParent != 0 && thisObj == nullptr) {
    Print("Script command \"" + sName + "\" needs a selected reference.");
    return;
  }
  std::vector<uint8_t> theData;
  if (theEntry->uParamCount == 0) {
    theData = CompileNoParameters();
  } else if (theEntry->uParamCount == 1 && theEntry->theParams != nullptr &&
             theEntry->theParams[0].uTypeID == kParamTypeString) {
    std::string sText = ReadTextArgument(sRest);
    if (sText.size() > kMaxParameterTextLength) {
      Print("Script command \"" + sName + "\": the text parameter is longer than 255 characters.");
      return;
    }
    theData = CompileTextParameter(sText);
  } else {
    Print("Script command \"" + sName + "\" has parameters this console cannot compile.");
    return;
  }
  // The game keeps the result as a 32-bit float; a handler that wrote a double there would
  // overwrite what follows it.
  struct {
    float fResult = -1.0f;
    float fAfter = -1.0f;
  } theResult;
  uint32_t uOpcodeOffset = 0;
  theEntry->theExecute(theEntry->theParams, theData.data(), thisObj, nullptr, nullptr, nullptr, &theResult.fResult,
                       &uOpcodeOffset);
  if (theResult.fAfter != -1.0f) theWorld->ReportViolation(sName + " wrote past its 32-bit float result");
  // The game runs on: a lock a command left held would stop it at its next use, and a request
  // it kept is lost memory.
  theWorld->CheckLocksReleased(sName);
  theWorld->CheckRequestsReleased(sName);
}

}  // namespace sim
