#pragma once
// The game's console and script command tables: arrays of command entries, each ending at
// the first entry whose opcode reaches the table's bound.

#include "game/Types.h"

namespace game {

// One parameter descriptor of a command.
struct CommandParam {
  const char* sTypeName;  // 00
  uint32_t uTypeID;       // 08
  uint32_t bOptional;     // 0C
};
static_assert(sizeof(CommandParam) == 0x10);

// The compiled parameters of one command call: the single text parameter of the plugin's
// commands is a length byte at offset 6 followed by its characters from offset 8.
inline constexpr std::size_t kCommandTextLengthOffset = 6;
inline constexpr std::size_t kCommandTextOffset = 8;

using CommandExecuteFn = bool (*)(const CommandParam* theParams, const uint8_t* theCompiledData, TESObjectREFR* thisObj,
                                  TESObjectREFR* theContainingObj, void* theScript, void* theLocals, double* theResult,
                                  uint32_t* theOpcodeOffset);

struct CommandEntry {
  const char* sLongName;        // 00
  const char* sShortName;       // 08
  uint32_t uOpcode;             // 10
  const char* sHelpText;        // 18
  uint8_t bNeedsParent;         // 20
  uint16_t uParamCount;         // 22
  CommandParam* theParams;      // 28
  CommandExecuteFn theExecute;  // 30
  void* theParse;               // 38 the game's own parse function
  void* theEvaluate;            // 40 the game's own condition function
  uint32_t uFlags;              // 48
};
static_assert(offsetof(CommandEntry, uParamCount) == 0x22);
static_assert(offsetof(CommandEntry, theExecute) == 0x30);
static_assert(sizeof(CommandEntry) == 0x50);

// A table's scan ends at the first entry whose opcode is at or above its bound.
inline constexpr uint32_t kConsoleCommandBound = 0x345;
inline constexpr uint32_t kScriptCommandBound = 0x13C0;

}  // namespace game
