#pragma once
// Files and folders dropped on the executable: Explorer starts it with their paths as its only
// arguments, in a console window of its own that closes as soon as the program ends.

#include <iosfwd>
#include <string>
#include <vector>

namespace zorvane::shipfile {

// Whether `theArguments` (the program's name left out) are such paths: at least one, each an
// existing file or folder, none starting with '-', and the first no subcommand's name.
bool AreDroppedPaths(const std::vector<std::string>& theArguments, const std::vector<std::string>& theSubcommands);

// How the player closes the window, by how the key is read: a key of a Windows console, or a
// line of anything else (a terminal, a pipe), which ends with Enter.
std::string GetClosePrompt(bool bConsoleKey);

// Opens a page (a report written for dropped files) in the program Windows opens such pages
// with; nothing elsewhere, or when ZORVANE_SHIPFILE_NO_OPEN is set (the tests).
void OpenForPlayer(const std::string& sPath);

// Says the prompt on `theOut` and waits for the key or the line.
void WaitBeforeClosing(std::ostream& theOut);

// While it lives, a Windows console shows the program's text, UTF-8, as such rather than in
// its code page (which it gets back afterwards); elsewhere nothing changes.
class Utf8Console {
 public:
  Utf8Console();
  ~Utf8Console();
  Utf8Console(const Utf8Console&) = delete;
  Utf8Console& operator=(const Utf8Console&) = delete;

 private:
  [[maybe_unused]] unsigned uFormerCodePage = 0;  // 0: none changed (always, but on Windows)
};

}  // namespace zorvane::shipfile
