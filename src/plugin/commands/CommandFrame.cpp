#include "plugin/commands/CommandFrame.h"

#include <filesystem>

#include "core/Guard.h"
#include "core/Log.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "game/Commands.h"
#include "game/Console.h"
#include "platform/Platform.h"
#include "platform/TextEncoding.h"
#include "plugin/Settings.h"
#include "shipfile/ShipFileName.h"
#include "shipfile/ShipFolder.h"

namespace zorvane {
namespace {

std::string MakeConsoleText(const ShipCommand& theCommand, const char* sLevel, const std::string& sText) {
  return std::string(theCommand.sPrefix) + ": " + sLevel + ": " + sText;
}

// The first steps of every ship command: reload the settings when asked to, and refuse to
// run on a reference. False when the command was refused.
bool StartShipCommand(const ShipCommand& theCommand, game::TESObjectREFR* thisObj) {
  if (GetSettings().Misc.bAlwaysReloadSettingsOnCommand) {
    LOG_INFO_IN(theCommand.sFunction, "reloading settings...");
    LoadSettings(false);
  }
  if (thisObj != nullptr) {
    RefuseShipCommand(theCommand,
                      "this command doesn't work while a reference is selected (Prid) or if called on a reference.",
                      "thisObj is not nullptr");
    return false;
  }
  return true;
}

}  // namespace

bool RunShipCommand(const ShipCommand& theCommand, game::TESObjectREFR* thisObj,
                    const std::function<CommandOutcome()>& theSteps, const std::function<void()>& AfterDone,
                    const SourceLocation& theWhere) {
  // A command may log a line per line of a ship file: its lines reach the file in batches.
  LogBatch theLogBatch;
  CommandOutcome eOutcome = CommandOutcome::kRefused;
  const bool bCompleted = RunGuarded(
      theCommand.sFunction,
      [](const char* sReason) {
        return sReason != nullptr ? std::string("exception: ") + sReason : "unknown exception";
      },
      [&] {
        if (!StartShipCommand(theCommand, thisObj)) return;
        eOutcome = theSteps();
        if (eOutcome == CommandOutcome::kFailed) {
          WriteLogAt(kLogError, theWhere, theCommand.sFunction, theCommand.sFailedLog);
          PrintToConsole(MakeConsoleText(theCommand, "ERROR", theCommand.sFailedConsole));
        } else if (eOutcome == CommandOutcome::kDone) {
          WriteLogAt(kLogInfo, theWhere, theCommand.sFunction, theCommand.sDoneLog);
          PrintToConsole(MakeConsoleText(theCommand, "INFO", theCommand.sDoneConsole));
          if (AfterDone) AfterDone();
        }
      },
      theWhere);
  if (!bCompleted) {
    RunGuarded(theCommand.sFunction, FixedMessage("the console could not be told"),
               [&] { PrintToConsole(MakeConsoleText(theCommand, "ERROR", theCommand.sRaisedConsole)); });
    return false;
  }
  return eOutcome == CommandOutcome::kDone;
}

std::string ReadParameterText(const uint8_t* theCompiledData) {
  if (theCompiledData == nullptr) {
    return {};
  }
  std::size_t uLength = theCompiledData[game::kCommandTextLengthOffset];
  const bool bCut = uLength > kParameterBufferSize;
  if (bCut) {
    uLength = kParameterBufferSize;
  }
  const char* sCharacters = reinterpret_cast<const char*>(theCompiledData + game::kCommandTextOffset);
  // The game's texts end at a zero byte, whatever the length byte says.
  const std::string sText(sCharacters, uLength);
  const std::size_t uZero = sText.find('\0');
  // A text cut to the buffer keeps no part of a character.
  return bCut && uZero == std::string::npos ? platform::DropCutCharacter(sText) : sText.substr(0, uZero);
}

std::vector<std::string> SplitParameters(const std::string& sText) {
  std::vector<std::string> theWords;
  std::string sWord;
  for (char ch : sText) {
    if (IsBlank(ch)) {
      if (!sWord.empty()) theWords.push_back(std::move(sWord));
      sWord.clear();
    } else {
      sWord += ch;
    }
  }
  if (!sWord.empty()) theWords.push_back(std::move(sWord));
  return theWords;
}

std::string JoinParameters(const std::vector<std::string>& theWords) {
  std::string sJoined;
  for (const std::string& sWord : theWords) {
    if (!sJoined.empty()) sJoined += ' ';
    sJoined += sWord;
  }
  return sJoined;
}

void PrintToConsole(std::string sText) {
  FlushLog();  // the log is never behind what the player reads
  game::PrintConsoleLine(game::GetConsoleLog(), sText);
}

void RefuseShipCommand(const ShipCommand& theCommand, const std::string& sConsoleText, const std::string& sLogMessage,
                       const char* sLevel) {
  PrintToConsole(MakeConsoleText(theCommand, sLevel, sConsoleText));
  LOG_ERROR_IN(theCommand.sFunction, sLogMessage);
}

std::optional<ShipFilePath> ReadExistingShipFilePath(const ShipCommand& theCommand, const uint8_t* theCompiledData) {
  std::optional<ShipFilePath> thePath = ReadShipFilePath(theCommand, theCompiledData);
  if (thePath && !DoesFileExistEx(thePath->sFolder, thePath->sFileName)) {
    RefuseShipCommand(theCommand, "no file exists at [" + thePath->GetFullPath() + "]",
                      "DoesFileExistEx returned false | [sFilePath: " + thePath->sFolder +
                          "] [sFileName: " + thePath->sFileName + "]");
    return std::nullopt;
  }
  return thePath;
}

std::optional<ShipFilePath> ReadShipFilePath(const ShipCommand& theCommand, const uint8_t* theCompiledData) {
  // The player's text is UTF-8 when it reads as such; otherwise it is in the system's code page.
  std::vector<std::string> theParameters =
      SplitParameters(platform::ToUtf8FromSystemText(ReadParameterText(theCompiledData)));
  if (theParameters.size() < 1) {
    RefuseShipCommand(theCommand, "no filename specified.", "Paramaters.size() < 1");
    return std::nullopt;
  }
  std::string sParameter = JoinParameters(theParameters);
  if (sParameter.empty()) {
    RefuseShipCommand(theCommand, "no filename specified.", "sParameter is empty");
    return std::nullopt;
  }
  return ShipFilePath{kShipFolder, sParameter + ".txt"};
}

}  // namespace zorvane
