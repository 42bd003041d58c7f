#pragma once
// The plugin's one exception guard. Every boundary where the plugin's code is entered from
// outside (the loader's entry points, the console command handlers) and every unit of work
// that must not stop the next one (a component group of the export, say) runs inside it, so
// no exception ever leaves the plugin into the game's or the loader's code.
//
// What it catches: every C++ exception, std::exception or not. What it does not catch:
// hardware faults (an access violation, a division by zero). The Windows build is made with
// mingw-w64, whose C++ code has no structured exception handling: a `catch (...)` there sees
// only C++ exceptions, and the guard does not pretend otherwise by installing a fault handler.
// A hardware fault inside a guard therefore reaches the game's own crash handling, exactly
// as it would without the plugin's guard.

#include <exception>
#include <string>
#include <utility>

#include "core/Log.h"
#include "core/SourceLocation.h"

namespace zorvane {

// Fuzz targets watch what the guard catches: a parse is written to raise only the value
// readers' conversion errors, and anything else it raises is a fault the guard would hide.
// Null in the plugin.
using CaughtObserver = void (*)(const std::exception* theError);
inline CaughtObserver gCaughtObserver = nullptr;

namespace guard_detail {

// Writes the error line of a caught failure; never throws, even when the line cannot be
// built.
template <typename Message>
void ReportCaught(const SourceLocation& theWhere, const char* sFunction, Message& BuildMessage,
                  const char* sReason) noexcept {
  try {
    WriteLogAt(kLogError, theWhere, sFunction, BuildMessage(sReason));
  } catch (...) {
    // Not even the error line could be written; the failure is still contained.
  }
}

}  // namespace guard_detail

// Runs `theWork`. When it raises anything, writes one error line built by `BuildMessage`
// (given the raised std::exception's text, or null for anything else), with `sFunction` as
// its function field and the caller's file and line, and returns false. True when the work
// ran to its end.
template <typename Message, typename Work>
bool RunGuarded(const char* sFunction, Message&& BuildMessage, Work&& theWork,
                const SourceLocation& theWhere = SourceLocation::current()) noexcept {
  try {
    std::forward<Work>(theWork)();
    return true;
  } catch (const std::exception& theError) {
    if (gCaughtObserver != nullptr) gCaughtObserver(&theError);
    guard_detail::ReportCaught(theWhere, sFunction, BuildMessage, theError.what());
  } catch (...) {
    if (gCaughtObserver != nullptr) gCaughtObserver(nullptr);
    guard_detail::ReportCaught(theWhere, sFunction, BuildMessage, nullptr);
  }
  return false;
}

// A message that is always `sText`, whatever was raised.
inline auto FixedMessage(std::string sText) {
  return [sText = std::move(sText)](const char*) { return sText; };
}

// `sText`, then ": " and the raised exception's text when it has one.
inline auto MessageWithReason(std::string sText) {
  return
      [sText = std::move(sText)](const char* sReason) { return sReason != nullptr ? sText + ": " + sReason : sText; };
}

}  // namespace zorvane
