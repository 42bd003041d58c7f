#pragma once
// The plugin's view of the game: the bound operation table and thin wrappers around it.
// Every wrapper tolerates an absent entry, an unbound table and a null object, and then
// answers as if the game had nothing to give (null, empty text, 0, false), so callers
// handle a single kind of "missing".

#include <array>
#include <cstdint>
#include <string>

#include "game/Commands.h"
#include "game/Host.h"
#include "game/Types.h"

namespace game {

// Looks up the table that the game image exports; returns false (and binds nothing) when
// the image offers none or one of another layout version.
bool BindHostFromImage(uintptr_t uImageBase);

// Binds a table directly (tests). Null unbinds.
void BindHost(const Host* theHost);

// Globals.
TESDataHandler* GetDataHandler();
ConsoleLog* GetConsoleLog();
TESForm** GetPilotingPerkSlot();
TESObjectREFR* GetPlayer();
TESForm* GetWorkshopKeyword();
TESForm* GetWorkshopLinkKeyword();
CommandEntry* GetConsoleCommandTable();
CommandEntry* GetScriptCommandTable();

void PrintConsoleLine(ConsoleLog* theConsole, const std::string& sText);

// Plugin files.
uint32_t GetFileCount(TESDataHandler* theHandler, FileArrayKind eArray);
TESFile* GetFileAt(TESDataHandler* theHandler, FileArrayKind eArray, uint32_t uIndex);
std::string GetFileName(TESFile* theFile);
uint8_t GetFileCompileIndex(TESFile* theFile);
uint16_t GetFileSmallIndex(TESFile* theFile);
uint8_t GetFileMediumIndex(TESFile* theFile);

// Forms.
TESForm* LookupFormByID(uint32_t uFormID);
uint8_t GetFormType(TESForm* theForm);
uint32_t GetFormID(TESForm* theForm);
uint16_t GetFormModIndex(TESForm* theForm);
std::string GetFormEditorID(TESForm* theForm);
std::string GetFormFullName(TESForm* theForm);
TESFile* GetFormFile(TESForm* theForm);
TESForm* CastToGenericBaseForm(TESForm* theForm);
bool HasKeyword(TESForm* theForm, TESForm* theKeyword);
bool KeywordListContains(TESForm* theForm, TESForm* theKeyword);
void* GetComponentByTypeName(TESForm* theForm, const char* sTypeName, uint32_t uIndex = 0);

template <typename T>
T* GetComponent(TESForm* theForm, const char* sTypeName) {
  return static_cast<T*>(GetComponentByTypeName(theForm, sTypeName, 0));
}

// References and cells.
TESForm* GetRefBaseForm(TESObjectREFR* theRef);
ExtraDataList* GetRefExtraList(TESObjectREFR* theRef);
std::array<float, 3> GetRefPosition(TESObjectREFR* theRef);
std::array<float, 3> GetRefRotation(TESObjectREFR* theRef);
uint16_t GetRefScale(TESObjectREFR* theRef);
TESObjectREFR* GetShipAboard(TESObjectREFR* theActor);
TESObjectCELL* GetRefParentCell(TESObjectREFR* theRef);
TESObjectREFR* GetLinkedRef(TESObjectREFR* theRef, TESForm* theKeyword);
bool IsCellInterior(TESObjectCELL* theCell);
uint32_t GetCellRefCount(TESObjectCELL* theCell);
TESObjectREFR* GetCellRefAt(TESObjectCELL* theCell, uint32_t uIndex);

// Extra data. Lookups belong between LockExtraListRead and UnlockExtraListRead.
void LockExtraListRead(ExtraDataList* theList);
void UnlockExtraListRead(ExtraDataList* theList);
BSExtraData* LookupExtraData(ExtraDataList* theList, uint32_t uKind);
const BSFixedString* GetExtraDataString(BSExtraData* theEntry);
uint32_t GetExtraDataFormID(BSExtraData* theEntry);
uint32_t GetExtraDataListCount(BSExtraData* theEntry);

// The text of an interned string; empty for an empty handle or pool entry.
std::string GetStringText(const BSFixedString* theString);

}  // namespace game
