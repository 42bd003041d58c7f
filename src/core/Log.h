#pragma once
// The plugin's own log file in Documents\My Games\Starfield\SFSE\Logs\, one line per call:
// "[timestamp] [SFSE] [level] [file:line] [function] message". Outside a LogBatch (below)
// every line reaches the file when WriteLog returns; nothing stays open between lines.

#include <string>

#include "core/SourceLocation.h"

namespace zorvane {

inline constexpr const char* kLogInfo = "] [SFSE] [info] [";
inline constexpr const char* kLogError = "] [SFSE] [error] [";
inline constexpr const char* kLogWarning = "] [SFSE] [warning] [";

// Deletes the previous run's log and starts a new one with the plugin name and version.
// Failures show a box and leave the log unusable for this run; they never stop the plugin.
void OpenLog();

// Appends one finished line (see LogBatch); drops it when the log file is gone.
void WriteLog(std::string sLine);

// While one lives, log lines gather in memory and reach the file together: at once when a
// warning or an error is written (a failure's explanation is on disk before anything else can
// go wrong), when FlushLog is called (before the console shows a line, so the log is never
// behind what the player sees), when 64 KiB have gathered, and when the batch ends. A command
// that logs a line per line of a huge ship file then costs a few writes, not thousands.
class LogBatch {
 public:
  LogBatch();
  ~LogBatch();
  LogBatch(const LogBatch&) = delete;
  LogBatch& operator=(const LogBatch&) = delete;

 private:
  bool bOuter;
};

// Writes the lines a LogBatch gathered so far.
void FlushLog();

// A program that runs the plugin's readers without the game (the ship-file checker) hears
// every line instead of the file; null: the file again.
using LogListener = void (*)(const std::string& sLine);
void SetLogListener(LogListener Listener);

// Local time "YYYY-MM-DD HH:MM:SS.mmmmm" (milliseconds zero-padded to five digits).
std::string GetTimestamp();

// The part of a path after its last backslash or slash.
std::string GetFileNameFromPath(const std::string& sPath);

// The path of the log file; empty until OpenLog has found the Documents folder.
const std::string& GetLogPath();

std::string BuildLogLine(const char* sLevelPrefix, const char* sSourcePath, unsigned uLine, const char* sFunction,
                         const std::string& sMessage);

// A line whose file and line fields are those of `theWhere`, a call site of the caller's,
// and whose function field is `sFunction`: shared code that reports on behalf of the
// operation it serves writes where that operation's own lines come from.
void WriteLogAt(const char* sLevelPrefix, const SourceLocation& theWhere, const char* sFunction,
                const std::string& sMessage);

// The error line of a check that ends the work of `sFunction`, written at the caller's call
// site; false, so that a check reads `return Refuse(kFunction, "why")`.
bool Refuse(const char* sFunction, const std::string& sMessage,
            const SourceLocation& theWhere = SourceLocation::current());

}  // namespace zorvane

// Log lines carry the calling function's own name as their function field.
#define ZV_LOG(prefix, message) \
  ::zorvane::WriteLog(::zorvane::BuildLogLine((prefix), __FILE__, __LINE__, __func__, (message)))
#define LOG_INFO(message) ZV_LOG(::zorvane::kLogInfo, message)
#define LOG_ERROR(message) ZV_LOG(::zorvane::kLogError, message)
#define LOG_WARNING(message) ZV_LOG(::zorvane::kLogWarning, message)

// For lines that a helper writes on behalf of the operation it serves: the function field
// names that operation (`function`, a text), the file and line are the helper's own.
#define ZV_LOG_IN(prefix, function, message) \
  ::zorvane::WriteLog(::zorvane::BuildLogLine((prefix), __FILE__, __LINE__, (function), (message)))
#define LOG_INFO_IN(function, message) ZV_LOG_IN(::zorvane::kLogInfo, function, message)
#define LOG_ERROR_IN(function, message) ZV_LOG_IN(::zorvane::kLogError, function, message)
#define LOG_WARNING_IN(function, message) ZV_LOG_IN(::zorvane::kLogWarning, function, message)
