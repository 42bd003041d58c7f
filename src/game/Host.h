#pragma once
// The one table through which the plugin reaches the game. Every game function and global
// the plugin uses is an entry here: a reader sees in this file every way the plugin touches
// the game. Entries are plain C function pointers so the table means the same bytes on both
// sides of the DLL boundary, whichever compiler built each side.
//
// The table grows by appending entries; `uSize` tells how many bytes of it the game filled,
// so a newer plugin in an older game sees missing entries as absent instead of reading past
// the end.

#include <cstdint>

namespace game {

// Opaque game objects: the plugin never reads their memory directly, only through the
// operations below.
struct TESForm;
struct TESObjectREFR;
struct TESObjectCELL;
struct TESFile;
struct TESDataHandler;
struct ConsoleLog;

extern "C" {

struct Host {
  uint32_t uVersion;  // 00 table layout version, kHostVersion
  uint32_t uSize;     // 04 sizeof(Host) as the game built it

  // Globals (null means absent).
  TESDataHandler* (*GetDataHandler)();  // 08
  ConsoleLog* (*GetConsoleLog)();       // 10
  TESForm** (*GetPilotingPerkSlot)();   // 18 the address of the piloting perk pointer global

  // Forms.
  TESForm* (*LookupFormByID)(uint32_t uFormID);  // 20 null when no such form is loaded

  // Console.
  void (*PrintConsoleLine)(ConsoleLog* theConsole, const char* sText);  // 28 shown unchanged
};

}  // extern "C"

inline constexpr uint32_t kHostVersion = 1;

// The name under which the game image exports its table.
inline constexpr const char* kHostExportName = "ZorvaneGameHost";

}  // namespace game
