#pragma once
// The game's console and script command tables: arrays of command entries, each ending at
// the first entry whose opcode reaches the table's bound.

#include "game/Types.h"

namespace game {

// One parameter descriptor of a command.
struct CommandParam {
  const char* sTypeName;
  uint32_t uTypeID;
  uint32_t bOptional;
};
static_assert(sizeof(CommandParam) == 0x10);
static_assert(offsetof(CommandParam, sTypeName) == 0x00);
static_assert(offsetof(CommandParam, uTypeID) == 0x08);
static_assert(offsetof(CommandParam, bOptional) == 0x0C);

// The compiled parameters of one command call: the single text parameter of the plugin's
// commands is a length byte at offset 6 followed by its characters from offset 8.
inline constexpr std::size_t kCommandTextLengthOffset = 6;
inline constexpr std::size_t kCommandTextOffset = 8;

// The result points to the game's 32-bit float; the plugin's handlers never write it.
using CommandExecuteFn = bool (*)(const CommandParam* theParams, const uint8_t* theCompiledData, TESObjectREFR* thisObj,
                                  TESObjectREFR* theContainingObj, void* theScript, void* theLocals, float* theResult,
                                  uint32_t* theOpcodeOffset);

struct CommandEntry {
  const char* sLongName;
  const char* sShortName;
  uint32_t uOpcode;
  const char* sHelpText;
  uint8_t bNeedsParent;
  uint16_t uParamCount;
  CommandParam* theParams;
  CommandExecuteFn theExecute;
  void* theParse;       // the game's own parse function
  void* theEvaluate;    // the game's own condition function
  uint32_t uFlags;      // the first of the flag bytes, which run to 0x51
  uint8_t unk4C[0x0C];  // the other flag bytes, then padding
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
static_assert(offsetof(CommandEntry, unk4C) == 0x4C);

// A table's scan ends at the first entry whose opcode is at or above its bound.
inline constexpr uint32_t kConsoleCommandBound = 0x345;
inline constexpr uint32_t kScriptCommandBound = 0x13C0;

}  // namespace game
