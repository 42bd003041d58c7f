#include "core/Log.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <string_view>

#include "core/MessageBox.h"
#include "core/PluginName.h"
#include "platform/FileFaults.h"
#include "platform/Platform.h"

namespace zorvane {
namespace {

std::string gLogPath;
LogListener gListener = nullptr;
// A batch belongs to the thread that opened it (a console command's); the game may call the
// piloting check on any other, whose lines go to the file at once.
thread_local bool bBatching = false;  // a LogBatch lives on this thread
thread_local std::string gBatch;      // the lines it gathered, as the file stores them
constexpr std::size_t kBatchLimit = 64 * 1024;
// One append at a time, so the lines of two threads never interleave in the file.
std::mutex gAppendMutex;

void ShowLogBox(const std::string& sText) { ShowMessageBox(sText, false); }

// True when the log path names an existing regular file whose size can be read.
bool IsLogFileUsable(const std::filesystem::path& thePath) {
  std::error_code theError;
  (void)std::filesystem::file_size(thePath, theError);
  return !theError && std::filesystem::is_regular_file(thePath, theError) && !theError;
}

}  // namespace

const std::string& GetLogPath() { return gLogPath; }

std::string GetTimestamp() {
  const platform::LocalTime theNow = platform::GetLocalNow();
  char sText[64] = {};
  std::snprintf(sText, sizeof(sText), "%04d-%02d-%02d %02d:%02d:%02d.%05d", theNow.iYear, theNow.iMonth, theNow.iDay,
                theNow.iHour, theNow.iMinute, theNow.iSecond, theNow.iMilliseconds);
  return sText;
}

std::string GetFileNameFromPath(const std::string& sPath) {
  std::size_t uLast = sPath.find_last_of("\\/");
  return uLast == std::string::npos ? sPath : sPath.substr(uLast + 1);
}

std::string BuildLogLine(const char* sLevelPrefix, const char* sSourcePath, unsigned uLine, const char* sFunction,
                         const std::string& sMessage) {
  return "[" + GetTimestamp() + sLevelPrefix + GetFileNameFromPath(sSourcePath) + ":" + std::to_string(uLine) + "] [" +
         sFunction + "] " + sMessage;
}

void WriteLogAt(const char* sLevelPrefix, const SourceLocation& theWhere, const char* sFunction,
                const std::string& sMessage) {
  WriteLog(
      BuildLogLine(sLevelPrefix, theWhere.file_name(), static_cast<unsigned>(theWhere.line()), sFunction, sMessage));
}

bool Refuse(const char* sFunction, const std::string& sMessage, const SourceLocation& theWhere) {
  WriteLogAt(kLogError, theWhere, sFunction, sMessage);
  return false;
}

void OpenLog() {
  // A log opened earlier in this process is given up, so a Documents failure leaves no path
  // (its box names the empty one) and every later line is dropped.
  gLogPath.clear();
  std::string sDocuments;
  if (!platform::GetDocumentsFolder(sDocuments)) {
    ShowLogBox("OpenLog: log couldn't be opened (" + gLogPath + ")");
    return;
  }
  gLogPath = sDocuments + "\\My Games\\Starfield\\SFSE\\Logs\\" + GetPluginName() + ".log";
  auto thePath = platform::ToFileSystemPath(gLogPath);

  std::error_code theError;
  if (std::filesystem::exists(thePath, theError)) {
    if (!std::filesystem::is_regular_file(thePath, theError)) {
      ShowLogBox("OpenLog: is_regular_file error (" + gLogPath + ")");
      return;
    }
    // A log that cannot be deleted (read-only, or held by a viewer) is continued instead.
    std::filesystem::remove(thePath, theError);
  }

  std::ofstream theLog(thePath, std::ios::out | std::ios::app);
  if (!theLog.is_open()) {
    ShowLogBox("OpenLog: is_open error (" + gLogPath + ")");
    return;
  }
  if (theLog.fail()) {
    ShowLogBox("OpenLog: fail error (" + gLogPath + ")");
    return;
  }
  LOG_INFO(GetPluginNameAndVersion());
  theLog.close();
}

void SetLogListener(LogListener Listener) { gListener = Listener; }

LogBatch::LogBatch() : bOuter(!bBatching) { bBatching = true; }

LogBatch::~LogBatch() {
  if (!bOuter) return;
  FlushLog();
  bBatching = false;
}

namespace {

// Appends bytes to the log file as one write; drops them when the file is gone. The box of a
// failed append shows once the next thread may append.
void AppendToLogFile(const std::string& sBytes) {
  const char* sFailure = nullptr;
  {
    const std::lock_guard<std::mutex> theLock(gAppendMutex);
    auto thePath = platform::ToFileSystemPath(gLogPath);
    if (gLogPath.empty() || !IsLogFileUsable(thePath)) {
      return;
    }
    std::ofstream theLog;
    if (!platform::ShouldFileOperationFail(platform::FileOperation::kOpen, thePath)) {
      theLog.open(thePath, std::ios::out | std::ios::app);
    }
    if (!theLog.is_open()) {
      sFailure = "Log: is_open error";
    } else if (theLog.fail()) {
      sFailure = "Log: fail error";
    } else {
      theLog << sBytes;
    }
  }
  if (sFailure != nullptr) ShowLogBox(sFailure);
}

// The level follows the timestamp's closing bracket, the line's first.
bool IsWarningOrError(const std::string& sLine) {
  const std::string_view sLevel = std::string_view(sLine).substr(std::min(sLine.find(']'), sLine.size()));
  return sLevel.starts_with(kLogError) || sLevel.starts_with(kLogWarning);
}

}  // namespace

void FlushLog() {
  if (gBatch.empty()) return;
  std::string sBytes;
  sBytes.swap(gBatch);
  AppendToLogFile(sBytes);
}

void WriteLog(std::string sLine) {
  if (gListener != nullptr) {
    gListener(sLine);
    return;
  }
  if (gLogPath.empty()) return;
  if (!bBatching) {
    AppendToLogFile(platform::ToTextFileBytes(sLine + '\n'));
    return;
  }
  gBatch += platform::ToTextFileBytes(sLine + '\n');
  if (gBatch.size() >= kBatchLimit || IsWarningOrError(sLine)) FlushLog();
}

}  // namespace zorvane
