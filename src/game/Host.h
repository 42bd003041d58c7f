#pragma once
// The one table through which the plugin reaches the game. Every game function and global
// the plugin uses is an entry here: a reader sees in this file every way the plugin touches
// the game. Entries are plain C function pointers so the table means the same bytes on both
// sides of the module boundary, whichever compiler built each side.
//
// The table grows by appending entries; `uSize` tells how many bytes of it the game filled,
// so a plugin sees the entries of a shorter table as absent instead of reading past its end.

#include <cstdint>

#include "game/Commands.h"
#include "game/Types.h"

namespace game {

extern "C" {

// The data handler's plugin file arrays.
enum FileArrayKind : uint32_t { kFullFiles = 0, kSmallFiles = 1, kMediumFiles = 2 };

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

  // Plugin files. Entries of the arrays may be null.
  uint32_t (*GetFileCount)(TESDataHandler* theHandler, uint32_t uArray);                // 30
  TESFile* (*GetFileAt)(TESDataHandler* theHandler, uint32_t uArray, uint32_t uIndex);  // 38
  const char* (*GetFileName)(TESFile* theFile);                                         // 40
  uint8_t (*GetFileCompileIndex)(TESFile* theFile);                                     // 48
  uint16_t (*GetFileSmallIndex)(TESFile* theFile);                                      // 50
  uint8_t (*GetFileMediumIndex)(TESFile* theFile);                                      // 58

  // Form properties. Texts are null when the game has none.
  uint8_t (*GetFormType)(TESForm* theForm);          // 60
  uint32_t (*GetFormID)(TESForm* theForm);           // 68
  uint16_t (*GetFormModIndex)(TESForm* theForm);     // 70
  const char* (*GetFormEditorID)(TESForm* theForm);  // 78
  const char* (*GetFormFullName)(TESForm* theForm);  // 80
  TESFile* (*GetFormFile)(TESForm* theForm);         // 88 the plugin file that defines the form

  // References.
  TESForm* (*GetRefBaseForm)(TESObjectREFR* theRef);             // 90
  ExtraDataList* (*GetRefExtraList)(TESObjectREFR* theRef);      // 98 null: none
  void (*GetRefPosition)(TESObjectREFR* theRef, float* theXYZ);  // A0
  void (*GetRefRotation)(TESObjectREFR* theRef, float* theXYZ);  // A8 radians
  uint16_t (*GetRefScale)(TESObjectREFR* theRef);                // B0 percent

  // Extra data, looked up under the list's read lock.
  void (*LockExtraListRead)(ExtraDataList* theList);                        // B8
  void (*UnlockExtraListRead)(ExtraDataList* theList);                      // C0
  BSExtraData* (*LookupExtraData)(ExtraDataList* theList, uint32_t uKind);  // C8 null: no entry
  const BSFixedString* (*GetExtraDataString)(BSExtraData* theEntry);        // D0 kinds 6 and 150
  uint32_t (*GetExtraDataFormID)(BSExtraData* theEntry);                    // D8 kind 180
  uint32_t (*GetExtraDataListCount)(BSExtraData* theEntry);                 // E0 kind 128

  // Interned strings: the text of a handle, or null for an empty handle or entry.
  const char* (*GetStringText)(const BSFixedString* theString);  // E8

  // The player, ships and cells.
  TESObjectREFR* (*GetPlayer)();                                            // F0
  TESObjectREFR* (*GetShipAboard)(TESObjectREFR* theActor);                 // F8 null: not in a ship
  TESObjectCELL* (*GetRefParentCell)(TESObjectREFR* theRef);                // 100
  bool (*IsCellInterior)(TESObjectCELL* theCell);                           // 108
  uint32_t (*GetCellRefCount)(TESObjectCELL* theCell);                      // 110
  TESObjectREFR* (*GetCellRefAt)(TESObjectCELL* theCell, uint32_t uIndex);  // 118 entries may be null

  // Keywords and links.
  TESForm* (*GetWorkshopKeyword)();                                    // 120 the global slot's keyword, null when empty
  TESForm* (*GetWorkshopLinkKeyword)();                                // 128
  bool (*HasKeyword)(TESForm* theForm, TESForm* theKeyword);           // 130 a reference: its own and its base's
  bool (*KeywordListContains)(TESForm* theForm, TESForm* theKeyword);  // 138 the form's keyword list
  TESObjectREFR* (*GetLinkedRef)(TESObjectREFR* theRef, TESForm* theKeyword);  // 140

  // Base forms and their components.
  TESForm* (*CastToGenericBaseForm)(TESForm* theForm);  // 148 the game's checked cast; null when not one
  void* (*GetComponentByTypeName)(TESForm* theForm, const char* sTypeName, uint32_t uIndex);  // 150 see Components.h

  // Command tables (Commands.h).
  CommandEntry* (*GetConsoleCommandTable)();  // 158
  CommandEntry* (*GetScriptCommandTable)();   // 160
};

}  // extern "C"

inline constexpr uint32_t kHostVersion = 1;

// The name under which the game image exports its table.
inline constexpr const char* kHostExportName = "ZorvaneGameHost";

}  // namespace game
