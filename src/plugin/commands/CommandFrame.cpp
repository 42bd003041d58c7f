#include "plugin/commands/CommandFrame.h"

#include <filesystem>

#include "game/Commands.h"
#include "game/Game.h"
#include "platform/Platform.h"
#include "plugin/Log.h"
#include "plugin/Settings.h"

namespace zorvane {

std::string ReadParameterText(const uint8_t* theCompiledData) {
  if (theCompiledData == nullptr) {
    return {};
  }
  std::size_t uLength = theCompiledData[game::kCommandTextLengthOffset];
  if (uLength > kParameterBufferSize) {
    uLength = kParameterBufferSize;
  }
  const char* sCharacters = reinterpret_cast<const char*>(theCompiledData + game::kCommandTextOffset);
  return std::string(sCharacters, uLength);
}

std::vector<std::string> SplitParameters(const std::string& sText) {
  std::vector<std::string> theWords;
  std::string sWord;
  for (char ch : sText) {
    if (ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r' || ch == '\v' || ch == '\f') {
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

void PrintToConsole(std::string sText) { game::PrintConsoleLine(game::GetConsoleLog(), sText); }

bool DoesFileExistEx(std::string sFolder, std::string sFileName) {
  if (sFolder.empty() || sFileName.empty()) {
    return false;
  }
  std::error_code theError;
  if (!std::filesystem::exists(platform::ToFileSystemPath(sFolder), theError)) {
    return false;
  }
  return std::filesystem::is_regular_file(platform::ToFileSystemPath(sFolder + sFileName), theError);
}

void RefuseShipCommand(const ShipCommand& theCommand, const std::string& sConsoleText, const std::string& sLogMessage) {
  PrintToConsole(sConsoleText);
  LOG_ERROR_IN(theCommand.sFunction, sLogMessage);
}

bool StartShipCommand(const ShipCommand& theCommand, game::TESObjectREFR* thisObj) {
  if (gSettings.Misc.bAlwaysReloadSettingsOnCommand) {
    LOG_INFO_IN(theCommand.sFunction, "reloading settings...");
    LoadSettings(false);
  }
  if (thisObj != nullptr) {
    RefuseShipCommand(theCommand,
                      std::string(theCommand.sPrefix) +
                          ": ERROR: this command doesn't work while a reference is selected (Prid) or if called on a "
                          "reference.",
                      "thisObj is not nullptr");
    return false;
  }
  return true;
}

std::optional<ShipFilePath> ReadShipFilePath(const ShipCommand& theCommand, const uint8_t* theCompiledData) {
  const std::string sNoFileName = std::string(theCommand.sPrefix) + ": ERROR: no filename specified.";
  std::vector<std::string> theParameters = SplitParameters(ReadParameterText(theCompiledData));
  if (theParameters.size() < 1) {
    RefuseShipCommand(theCommand, sNoFileName, "Paramaters.size() < 1");
    return std::nullopt;
  }
  std::string sParameter = JoinParameters(theParameters);
  if (sParameter.empty()) {
    RefuseShipCommand(theCommand, sNoFileName, "sParameter is empty");
    return std::nullopt;
  }
  return ShipFilePath{kShipFolder, sParameter + ".txt"};
}

}  // namespace zorvane
