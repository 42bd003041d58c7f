#include "checker/Dropped.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#if defined(_WIN32)
#include <conio.h>
#include <windows.h>
// after windows.h
#include <shellapi.h>
#endif

#include "platform/Platform.h"

namespace zorvane::shipfile {
namespace {

// A Windows console is there to read a single key from; NUL and pipes are not one.
bool HasConsoleInput() {
#if defined(_WIN32)
  DWORD uMode = 0;
  return GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &uMode) != 0;
#else
  return false;
#endif
}

}  // namespace

bool AreDroppedPaths(const std::vector<std::string>& theArguments, const std::vector<std::string>& theSubcommands) {
  if (theArguments.empty()) return false;
  if (std::find(theSubcommands.begin(), theSubcommands.end(), theArguments.front()) != theSubcommands.end()) {
    return false;
  }
  return std::all_of(theArguments.begin(), theArguments.end(), [](const std::string& sArgument) {
    std::error_code theError;
    return !sArgument.empty() && sArgument.front() != '-' &&
           std::filesystem::exists(platform::ToFileSystemPath(sArgument), theError);
  });
}

std::string GetClosePrompt(bool bConsoleKey) {
  return bConsoleKey ? "Press any key to close." : "Press Enter to close.";
}

Utf8Console::Utf8Console() {
#if defined(_WIN32)
  DWORD uMode = 0;
  if (GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &uMode) != 0) {
    uFormerCodePage = GetConsoleOutputCP();
    SetConsoleOutputCP(CP_UTF8);
  }
#endif
}

Utf8Console::~Utf8Console() {
#if defined(_WIN32)
  if (uFormerCodePage != 0) SetConsoleOutputCP(uFormerCodePage);
#endif
}

void OpenForPlayer([[maybe_unused]] const std::string& sPath) {
#if defined(_WIN32)
  if (std::getenv("ZORVANE_SHIPFILE_NO_OPEN") != nullptr) return;
  ShellExecuteW(nullptr, L"open", platform::ToFileSystemPath(sPath).wstring().c_str(), nullptr, nullptr, SW_SHOWNORMAL);
#endif
}

void WaitBeforeClosing(std::ostream& theOut) {
  const bool bConsoleKey = HasConsoleInput();
  theOut << GetClosePrompt(bConsoleKey) << std::endl;
#if defined(_WIN32)
  if (bConsoleKey) {
    _getch();
    return;
  }
#endif
  std::string sLine;
  std::getline(std::cin, sLine);
}

}  // namespace zorvane::shipfile
