#pragma once
// What the three ship commands share: the settings reload, the refusal to run on a
// reference, the ship name parameter, the ship file path and its existence test, and the
// console output. Each command reports a failed check on the console first and in the log
// second; a worker's outcome goes to the log first and the console second.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/Types.h"

namespace zorvane {

// Ship files live here, relative to the game's folder.
inline constexpr const char* kShipFolder = ".\\Data\\SFSE\\Plugins\\Spaceships\\";
// The longest parameter text a command takes; longer texts are cut.
inline constexpr std::size_t kParameterBufferSize = 150;

struct ShipCommand {
  const char* sFunction;  // the function field of the command's log lines
  const char* sPrefix;    // the start of its console texts ("ExportShipRef")
};

struct ShipFilePath {
  std::string sFolder;    // kShipFolder
  std::string sFileName;  // the ship name and ".txt"
  std::string GetFullPath() const { return sFolder + sFileName; }
};

// The text parameter of a command call: a length byte at offset 6, the characters from
// offset 8, at most kParameterBufferSize of them.
std::string ReadParameterText(const uint8_t* theCompiledData);
// Words separated by blanks, tabs or line breaks; no empty words.
std::vector<std::string> SplitParameters(const std::string& sText);
// The words joined by single blanks.
std::string JoinParameters(const std::vector<std::string>& theWords);

// One line on the game's console, shown unchanged; nothing when there is no console yet.
void PrintToConsole(std::string sText);

// True when both texts are non-empty, the folder exists and folder + name is a regular file.
bool DoesFileExistEx(std::string sFolder, std::string sFileName);

// The first steps of every ship command: reload the settings when asked to, and refuse to
// run on a reference. False when the command was refused.
bool StartShipCommand(const ShipCommand& theCommand, game::TESObjectREFR* thisObj);

// The ship file named by the command's parameter; nothing (after the refusal was reported)
// when the parameter holds no name.
std::optional<ShipFilePath> ReadShipFilePath(const ShipCommand& theCommand, const uint8_t* theCompiledData);

// Reports a failed check: the console text, then the error line.
void RefuseShipCommand(const ShipCommand& theCommand, const std::string& sConsoleText, const std::string& sLogMessage);

}  // namespace zorvane
