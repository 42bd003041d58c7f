#pragma once
// What the three ship commands share: the guard around the whole command, the settings
// reload, the refusal to run on a reference, the ship name parameter, the ship file path and
// its existence test, the console output and the outcome lines. Each command reports a failed
// check on the console first and in the log second; a worker's outcome goes to the log first
// and the console second.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/SourceLocation.h"
#include "game/Types.h"

namespace zorvane {

// The longest parameter text a command takes; longer texts are cut.
inline constexpr std::size_t kParameterBufferSize = 150;

// A command's names and the texts of its outcomes. Console texts are built from the prefix:
// prefix + ": ERROR: " + text, or prefix + ": INFO: " + text.
struct ShipCommand {
  const char* sFunction;       // the function field of the command's log lines
  const char* sPrefix;         // the start of its console texts ("ExportShipRef")
  const char* sFailedLog;      // the worker returned false
  const char* sFailedConsole;  //   (an ERROR text)
  const char* sDoneLog;        // the worker succeeded
  const char* sDoneConsole;    //   (an INFO text)
  const char* sRaisedConsole;  // the command raised an error (an ERROR text)
};

// How a command's own steps ended.
enum class CommandOutcome {
  kRefused,  // a check failed; it has been reported
  kFailed,   // the worker returned false
  kDone,     // the worker succeeded
};

struct ShipFilePath {
  std::string sFolder;    // the ship folder
  std::string sFileName;  // the ship name and ".txt"
  std::string GetFullPath() const { return sFolder + sFileName; }
};

// Runs a ship command: reloads the settings when they say so, refuses to run on a reference,
// then runs the command's own steps and reports their outcome (the log line, then the console
// text). All of it runs inside the guard: an error raised anywhere is logged and reported
// with the command's sRaisedConsole text. The outcome lines carry the caller's file and line.
// `AfterDone` runs after the outcome of a successful worker, inside the guard. True only after
// a successful worker.
bool RunShipCommand(const ShipCommand& theCommand, game::TESObjectREFR* thisObj,
                    const std::function<CommandOutcome()>& theSteps, const std::function<void()>& AfterDone = {},
                    const SourceLocation& theWhere = SourceLocation::current());

// The text parameter of a command call: a length byte at offset 6, the characters from
// offset 8, at most kParameterBufferSize of them (without the part of a UTF-8 character the
// cut leaves), up to a zero byte among them.
std::string ReadParameterText(const uint8_t* theCompiledData);
// Words separated by blanks, tabs or line breaks; no empty words.
std::vector<std::string> SplitParameters(const std::string& sText);
// The words joined by single blanks.
std::string JoinParameters(const std::vector<std::string>& theWords);

// One line on the game's console, shown unchanged; nothing when there is no console yet.
void PrintToConsole(std::string sText);

// The ship file named by the command's parameter; nothing (after the refusal was reported)
// when the parameter holds no name.
std::optional<ShipFilePath> ReadShipFilePath(const ShipCommand& theCommand, const uint8_t* theCompiledData);
// The same for a ship file that must exist, as an import's does; nothing (after the refusal
// was reported) when no file stands there.
std::optional<ShipFilePath> ReadExistingShipFilePath(const ShipCommand& theCommand, const uint8_t* theCompiledData);

// Reports a failed check: the console text prefix + ": " + `sLevel` + ": " + `sConsoleText`,
// then the error line `sLogMessage`.
void RefuseShipCommand(const ShipCommand& theCommand, const std::string& sConsoleText, const std::string& sLogMessage,
                       const char* sLevel = "ERROR");

}  // namespace zorvane
