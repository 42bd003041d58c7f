#pragma once
// The one list of the game's operations the plugin uses: every game function and global the
// plugin reaches is an entry here, so a reader sees in this file every way the plugin touches
// the game. From this list are made the table's struct with an offset check per entry
// (Host.h), the plugin's calls through the bound table (HostCalls.h) and the simulated
// game's table (sim/host/HostTable.cpp): an operation the simulated game does not provide is
// a compile error there, and a table that leaves an entry empty is refused at binding.
//
// An entry: X(offset in the table, result, name, (parameters), (arguments)).
// Reads of objects answer "nothing" (null, no text, 0) for what the game does not have;
// the plugin never passes a null object to the game (the wrappers answer for it).

#include <cstdint>

#include "game/Commands.h"
#include "game/Types.h"

// clang-format off
#define ZV_HOST_OPERATIONS(X)                                                                                     \
  /* Files: the data handler's full (0), small (1) and medium (2) file arrays; entries may be null. */            \
  X(0x008, TESDataHandler*, GetDataHandler, (), ())                                                               \
  X(0x010, uint32_t, GetFileCount, (TESDataHandler* theHandler, uint32_t uArray), (theHandler, uArray))           \
  X(0x018, TESFile*, GetFileAt, (TESDataHandler* theHandler, uint32_t uArray, uint32_t uIndex),                   \
    (theHandler, uArray, uIndex))                                                                                 \
  X(0x020, const char*, GetFileName, (TESFile* theFile), (theFile))                                               \
  X(0x028, uint8_t, GetFileCompileIndex, (TESFile* theFile), (theFile))                                           \
  X(0x030, uint16_t, GetFileSmallIndex, (TESFile* theFile), (theFile))                                            \
  X(0x038, uint8_t, GetFileMediumIndex, (TESFile* theFile), (theFile))                                            \
  /* Forms. Texts are null when the game has none. */                                                             \
  X(0x040, TESForm*, LookupFormByID, (uint32_t uFormID), (uFormID))                                               \
  X(0x048, uint8_t, GetFormType, (TESForm* theForm), (theForm))                                                   \
  X(0x050, uint32_t, GetFormID, (TESForm* theForm), (theForm))                                                    \
  X(0x058, uint16_t, GetFormModIndex, (TESForm* theForm), (theForm))                                              \
  X(0x060, const char*, GetFormEditorID, (TESForm* theForm), (theForm))                                           \
  X(0x068, const char*, GetFormFullName, (TESForm* theForm), (theForm))                                           \
  X(0x070, TESFile*, GetFormFile, (TESForm* theForm), (theForm))                                                  \
  X(0x078, TESForm*, CastToGenericBaseForm, (TESForm* theForm), (theForm))                                        \
  X(0x080, TESForm*, CastToBoundObject, (TESForm* theForm), (theForm))                                            \
  X(0x088, void*, GetComponentByTypeName, (TESForm* theForm, const char* sTypeName, uint32_t uIndex),             \
    (theForm, sTypeName, uIndex))                                                                                 \
  X(0x090, bool, HasKeyword, (TESForm* theForm, TESForm* theKeyword), (theForm, theKeyword))                      \
  X(0x098, bool, KeywordListContains, (TESForm* theForm, TESForm* theKeyword), (theForm, theKeyword))             \
  X(0x0A0, TESForm*, GetWorkshopKeyword, (), ())                                                                  \
  X(0x0A8, TESForm*, GetWorkshopLinkKeyword, (), ())                                                              \
  X(0x0B0, TESForm**, GetPilotingPerkSlot, (), ())                                                                \
  /* References. Rotation in radians, scale in percent. */                                                        \
  X(0x0B8, TESObjectREFR*, GetPlayer, (), ())                                                                     \
  X(0x0C0, TESObjectREFR*, GetShipAboard, (TESObjectREFR* theActor), (theActor))                                  \
  X(0x0C8, TESObjectREFR*, GetPlayerHomeShip, (), ())                                                             \
  X(0x0D0, TESForm*, GetRefBaseForm, (TESObjectREFR* theRef), (theRef))                                           \
  X(0x0D8, TESObjectCELL*, GetRefParentCell, (TESObjectREFR* theRef), (theRef))                                   \
  X(0x0E0, void, GetRefPosition, (TESObjectREFR* theRef, float* theXYZ), (theRef, theXYZ))                        \
  X(0x0E8, void, GetRefRotation, (TESObjectREFR* theRef, float* theXYZ), (theRef, theXYZ))                        \
  X(0x0F0, uint16_t, GetRefScale, (TESObjectREFR* theRef), (theRef))                                              \
  X(0x0F8, TESObjectREFR*, GetLinkedRef, (TESObjectREFR* theRef, TESForm* theKeyword), (theRef, theKeyword))      \
  /* Sets the display-name override; the game takes the extra-data list's write lock itself. Nothing               \
     for a reference without an extra-data list. */                                                               \
  X(0x100, void, SetRefDisplayName, (TESObjectREFR* theRef, const char* sName), (theRef, sName))                  \
  /* A reference's extra data: entries are read under the list's read lock, written under its write lock. */      \
  X(0x108, ExtraDataList*, GetRefExtraList, (TESObjectREFR* theRef), (theRef))                                    \
  X(0x110, void, LockExtraListRead, (ExtraDataList* theList), (theList))                                          \
  X(0x118, void, UnlockExtraListRead, (ExtraDataList* theList), (theList))                                        \
  X(0x120, void, LockExtraListWrite, (ExtraDataList* theList), (theList))                                         \
  X(0x128, void, UnlockExtraListWrite, (ExtraDataList* theList), (theList))                                       \
  X(0x130, BSExtraData*, LookupExtraData, (ExtraDataList* theList, uint32_t uKind), (theList, uKind))             \
  X(0x138, const BSFixedString*, GetExtraDataString, (BSExtraData* theEntry), (theEntry))                         \
  X(0x140, uint32_t, GetExtraDataFormID, (BSExtraData* theEntry), (theEntry))                                     \
  X(0x148, uint32_t, GetExtraDataListCount, (BSExtraData* theEntry), (theEntry))                                  \
  /* Cells. */                                                                                                    \
  X(0x150, bool, IsCellInterior, (TESObjectCELL* theCell), (theCell))                                             \
  X(0x158, uint32_t, GetCellRefCount, (TESObjectCELL* theCell), (theCell))                                        \
  X(0x160, TESObjectREFR*, GetCellRefAt, (TESObjectCELL* theCell, uint32_t uIndex), (theCell, uIndex))            \
  /* Interned strings. Make: a new handle holding one reference. Copy: the empty handle                         \
     `theTarget` takes a reference to the source's entry. Assign: the target takes a reference to               \
     the source's entry and releases the one it held. Release: gives the handle's reference back                \
     and empties it. Text: null for an empty handle or entry. */                                                  \
  X(0x168, const char*, GetStringText, (const BSFixedString* theString), (theString))                             \
  X(0x170, void, MakeString, (BSFixedString* theTarget, const char* sText), (theTarget, sText))                   \
  X(0x178, void, CopyString, (BSFixedString* theTarget, const BSFixedString* theSource), (theTarget, theSource))  \
  X(0x180, void, AssignString, (BSFixedString* theTarget, const BSFixedString* theSource),                        \
    (theTarget, theSource))                                                                                       \
  X(0x188, void, ReleaseString, (BSFixedString* theString), (theString))                                          \
  /* The game heap: storage of game arrays and other game memory. Allocate gives null when the                  \
     heap is exhausted; its memory is not cleared. */                                                             \
  X(0x190, void*, HeapAllocate, (uint64_t uSize), (uSize))                                                        \
  X(0x198, void, HeapFree, (void* theBlock), (theBlock))                                                          \
  /* Console and command tables (Commands.h). A console line is shown unchanged. */                               \
  X(0x1A0, ConsoleLog*, GetConsoleLog, (), ())                                                                    \
  X(0x1A8, void, PrintConsoleLine, (ConsoleLog* theConsole, const char* sText), (theConsole, sText))              \
  X(0x1B0, CommandEntry*, GetConsoleCommandTable, (), ())                                                         \
  X(0x1B8, CommandEntry*, GetScriptCommandTable, (), ())                                                         \
  /* Changing references. Scale as a factor (1.0: as the base is); a link under a keyword replaces               \
     the reference's link under that keyword; a removed reference leaves its cell's list. */                      \
  X(0x1C0, void, SetRefScale, (TESObjectREFR* theRef, float fScale), (theRef, fScale))                            \
  X(0x1C8, void, LinkRef, (TESObjectREFR* theRef, TESForm* theKeyword, TESObjectREFR* theTarget, bool bFinal),    \
    (theRef, theKeyword, theTarget, bFinal))                                                                      \
  X(0x1D0, bool, RemoveRef, (TESObjectREFR* theRef), (theRef))                                                    \
  X(0x1D8, float, GetRefDistance, (TESObjectREFR* theRef, TESObjectREFR* theOther), (theRef, theOther))           \
  X(0x1E0, TESWorldSpace*, GetRefWorldspace, (TESObjectREFR* theRef), (theRef))                                   \
  /* New references: a request record made by the game (null when it cannot be), filled with the                \
     base, position, rotation (radians) and either a cell or a worldspace; the data handler creates             \
     the reference from it and answers its handle (0 on failure); the request is then released. */               \
  X(0x1E8, NewRefRequest*, MakeNewRefRequest, (), ())                                                             \
  X(0x1F0, void, FillNewRefRequest,                                                                               \
    (NewRefRequest* theRequest, TESForm* theBase, const float* thePosition, const float* theRotation,            \
     TESObjectCELL* theCell, TESWorldSpace* theWorldspace),                                                       \
    (theRequest, theBase, thePosition, theRotation, theCell, theWorldspace))                                      \
  X(0x1F8, uint32_t, CreateRefFromRequest, (TESDataHandler* theHandler, NewRefRequest* theRequest),              \
    (theHandler, theRequest))                                                                                     \
  X(0x200, void, ReleaseNewRefRequest, (NewRefRequest* theRequest), (theRequest))                                 \
  X(0x208, TESObjectREFR*, LookupRefByHandle, (uint32_t uHandle), (uHandle))                                      \
  /* The cells around a reference: its worldspace's persistent cell, the cell admission test (flags               \
     0), the cells of the reference's cell-list object (form IDs), and the cell manager's current cell            \
     and entries. An entry answers its cell only when the entry is plausible (the binding checks its             \
     addresses against the game's memory layout); null or implausible entries answer null. */                    \
  X(0x210, TESObjectCELL*, GetPersistentCell, (TESWorldSpace* theWorldspace), (theWorldspace))                    \
  X(0x218, bool, IsCellAdmitted, (TESObjectCELL* theCell, uint32_t uFlags), (theCell, uFlags))                    \
  X(0x220, CellIDList*, GetRefCellList, (TESObjectREFR* theRef), (theRef))                                        \
  X(0x228, uint32_t, GetCellIDCount, (CellIDList* theList), (theList))                                            \
  X(0x230, uint32_t, GetCellIDAt, (CellIDList* theList, uint32_t uIndex), (theList, uIndex))                      \
  X(0x238, CellManager*, GetCellManager, (), ())                                                                  \
  X(0x240, TESObjectCELL*, GetCurrentCell, (CellManager* theManager), (theManager))                               \
  X(0x248, uint32_t, GetCellEntryCount, (CellManager* theManager), (theManager))                                  \
  X(0x250, TESObjectCELL*, GetCellEntryAt, (CellManager* theManager, uint32_t uIndex), (theManager, uIndex))   \
  /* Game code: the address of the 5-byte relative call to the piloting requirement check, and of the             \
     check itself, which takes a reference and answers 0 when no piloting skill is required. */                   \
  X(0x258, uintptr_t, GetPilotingCallSite, (), ())                                                                \
  X(0x260, uintptr_t, GetPilotingCheck, (), ())
// clang-format on
