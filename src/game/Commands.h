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

// The result points to the game's 32-bit float; the plugin's handlers never write it.
using CommandExecuteFn = bool (*)(const CommandParam* theParams, const uint8_t* theCompiledData, TESObjectREFR* thisObj,
                                  TESObjectREFR* theContainingObj, void* theScript, void* theLocals, float* theResult,
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
  uint32_t uFlags;              // 48 the first of the flag bytes, which run to 0x51
  uint8_t unk4C[0x0C];          // 4C the other flag bytes, then padding
};
static_assert(sizeof(CommandEntry) == 0x58);
static_assert(offsetof(CommandEntry, sLongName) == 0x00);
static_assert(offsetof(CommandEntry, sShortName) == 0x08);
static_assert(offsetof(CommandEntry, uOpcode) == 0x10);
static_assert(offsetof(CommandEntry, sHelpText) == 0x18);
static_assert(offsetof(CommandEntry, bNeedsParent) == 0x20);
static_assert(offsetof(CommandEntry, uParamCount) == 0x22);
static_assert(offsetof(CommandEntry, theParams) == 0x28);
static_assert(offsetof(CommandEntry, theExecute) == 0x30);
static_assert(offsetof(CommandEntry, theParse) == 0x38);
static_assert(offsetof(CommandEntry, theEvaluate) == 0x40);
static_assert(offsetof(CommandEntry, uFlags) == 0x48);

// A table's scan ends at the first entry whose opcode is at or above its bound.
inline constexpr uint32_t kConsoleCommandBound = 0x345;
inline constexpr uint32_t kScriptCommandBound = 0x13C0;

}  // namespace game
