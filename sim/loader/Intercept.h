#pragma once
// The simulated game owns its process as the real game does, so it sees what a plugin does
// to the process: message boxes (which never block here), the Documents folder the plugin is
// given, the local time it reads, and the plugin ending the process. On Windows the plugin
// module's imports of USER32!MessageBoxA, SHELL32!SHGetFolderPathA, KERNEL32!GetLocalTime and
// msvcrt!exit are redirected; natively the executable exports stand-ins under those Windows
// names, which the POSIX platform looks up.

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace sim {

struct Interceptors {
  // Called for every box, instead of showing it.
  std::function<void(const std::string& sCaption, const std::string& sText)> OnMessageBox;
  // Called when the plugin ends the process, just before it ends.
  std::function<void(int iCode)> OnExit;
  // The folder handed out as the user's Documents folder; none: the system's own. An empty
  // folder is no folder: its lookup fails.
  std::optional<std::string> sDocumentsFolder;
  // Makes the Documents folder lookup fail.
  bool bDocumentsUnavailable = false;
  // The local time the plugin is given, standing still, in SYSTEMTIME's layout (year, month,
  // day of the week, day, hour, minute, second, millisecond); none: the system's own.
  std::optional<std::array<uint16_t, 8>> theFixedClock;
};

// "YYYY-MM-DD HH:MM:SS" as a fixed clock; nothing for any other text.
std::optional<std::array<uint16_t, 8>> ParseFixedClock(const std::string& sText);

// The longest path a Windows program can be handed in a MAX_PATH buffer, its zero included.
inline constexpr std::size_t kMaxHandedOutPath = 260;

// The user's own Documents folder, as the system gives it; empty when it gives none.
std::string GetSystemDocumentsFolder();

// Routes the boxes, Documents lookups and exits of `theModule` (a loaded module handle, or
// null for the executable itself) to `theInterceptors`, which must outlive the module.
bool InterceptModule(void* theModule, Interceptors* theInterceptors);

// Forgets the interceptors: from now on boxes vanish and exits are not reported (the
// simulated game's own normal end).
void StopIntercepting();

}  // namespace sim
