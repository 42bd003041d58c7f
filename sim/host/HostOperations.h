#pragma once
// The simulated game's side of every operation of the table (src/game/HostOperations.h),
// by area. Each works on the current world and checks every object the plugin names against
// the world's registry first; a misuse is reported and answered like "nothing". The table
// itself is made from the operation list (HostTable.cpp), so an operation missing here fails
// to compile there.

#include <cstdint>

#include "World.h"

namespace sim::host {

// Files (HostFiles.cpp).
game::TESDataHandler* GetDataHandler();
uint32_t GetFileCount(game::TESDataHandler* theHandler, uint32_t uArray);
game::TESFile* GetFileAt(game::TESDataHandler* theHandler, uint32_t uArray, uint32_t uIndex);
const char* GetFileName(game::TESFile* theFile);
uint8_t GetFileCompileIndex(game::TESFile* theFile);
uint16_t GetFileSmallIndex(game::TESFile* theFile);
uint8_t GetFileMediumIndex(game::TESFile* theFile);

// Forms (HostForms.cpp).
game::TESForm* LookupFormByID(uint32_t uFormID);
uint8_t GetFormType(game::TESForm* theForm);
uint32_t GetFormID(game::TESForm* theForm);
uint16_t GetFormModIndex(game::TESForm* theForm);
const char* GetFormEditorID(game::TESForm* theForm);
const char* GetFormFullName(game::TESForm* theForm);
game::TESFile* GetFormFile(game::TESForm* theForm);
game::TESForm* CastToGenericBaseForm(game::TESForm* theForm);
game::TESForm* CastToBoundObject(game::TESForm* theForm);
void* GetComponentByTypeName(game::TESForm* theForm, const char* sTypeName, uint32_t uIndex);
bool HasKeyword(game::TESForm* theForm, game::TESForm* theKeyword);
bool KeywordListContains(game::TESForm* theForm, game::TESForm* theKeyword);
game::TESForm* GetWorkshopKeyword();
game::TESForm* GetWorkshopLinkKeyword();
game::TESForm** GetPilotingPerkSlot();

// References and their extra data (HostReferences.cpp).
game::TESObjectREFR* GetPlayer();
game::TESObjectREFR* GetShipAboard(game::TESObjectREFR* theActor);
game::TESObjectREFR* GetPlayerHomeShip();
game::TESForm* GetRefBaseForm(game::TESObjectREFR* theRef);
game::TESObjectCELL* GetRefParentCell(game::TESObjectREFR* theRef);
void GetRefPosition(game::TESObjectREFR* theRef, float* theXYZ);
void GetRefRotation(game::TESObjectREFR* theRef, float* theXYZ);
uint16_t GetRefScale(game::TESObjectREFR* theRef);
game::TESObjectREFR* GetLinkedRef(game::TESObjectREFR* theRef, game::TESForm* theKeyword);
void SetRefDisplayName(game::TESObjectREFR* theRef, const char* sName);
game::ExtraDataList* GetRefExtraList(game::TESObjectREFR* theRef);
void LockExtraListRead(game::ExtraDataList* theList);
void UnlockExtraListRead(game::ExtraDataList* theList);
void LockExtraListWrite(game::ExtraDataList* theList);
void UnlockExtraListWrite(game::ExtraDataList* theList);
game::BSExtraData* LookupExtraData(game::ExtraDataList* theList, uint32_t uKind);
const game::BSFixedString* GetExtraDataString(game::BSExtraData* theEntry);
uint32_t GetExtraDataFormID(game::BSExtraData* theEntry);
uint32_t GetExtraDataListCount(game::BSExtraData* theEntry);

// Cells (HostCells.cpp).
bool IsCellInterior(game::TESObjectCELL* theCell);
uint32_t GetCellRefCount(game::TESObjectCELL* theCell);
game::TESObjectREFR* GetCellRefAt(game::TESObjectCELL* theCell, uint32_t uIndex);

game::TESObjectCELL* GetPersistentCell(game::TESWorldSpace* theWorldspace);
bool IsCellAdmitted(game::TESObjectCELL* theCell, uint32_t uFlags);
game::CellIDList* GetRefCellList(game::TESObjectREFR* theRef);
uint32_t GetCellIDCount(game::CellIDList* theList);
uint32_t GetCellIDAt(game::CellIDList* theList, uint32_t uIndex);
game::CellManager* GetCellManager();
game::TESObjectCELL* GetCurrentCell(game::CellManager* theManager);
uint32_t GetCellEntryCount(game::CellManager* theManager);
game::TESObjectCELL* GetCellEntryAt(game::CellManager* theManager, uint32_t uIndex);

// Writes to references and new references (HostPlacement.cpp).
void SetRefScale(game::TESObjectREFR* theRef, float fScale);
void LinkRef(game::TESObjectREFR* theRef, game::TESForm* theKeyword, game::TESObjectREFR* theTarget, bool bFinal);
bool RemoveRef(game::TESObjectREFR* theRef);
float GetRefDistance(game::TESObjectREFR* theRef, game::TESObjectREFR* theOther);
game::TESWorldSpace* GetRefWorldspace(game::TESObjectREFR* theRef);
game::NewRefRequest* MakeNewRefRequest();
void FillNewRefRequest(game::NewRefRequest* theRequest, game::TESForm* theBase, const float* thePosition,
                       const float* theRotation, game::TESObjectCELL* theCell, game::TESWorldSpace* theWorldspace);
uint32_t CreateRefFromRequest(game::TESDataHandler* theHandler, game::NewRefRequest* theRequest);
void ReleaseNewRefRequest(game::NewRefRequest* theRequest);
game::TESObjectREFR* LookupRefByHandle(uint32_t uHandle);

// Game code (HostCode.cpp).
uintptr_t GetPilotingCallSite();
uintptr_t GetPilotingCheck();

// Interned strings (HostStrings.cpp).
const char* GetStringText(const game::BSFixedString* theString);
void MakeString(game::BSFixedString* theTarget, const char* sText);
void CopyString(game::BSFixedString* theTarget, const game::BSFixedString* theSource);
void AssignString(game::BSFixedString* theTarget, const game::BSFixedString* theSource);
void ReleaseString(game::BSFixedString* theString);

// The game heap (HostMemory.cpp).
void* HeapAllocate(uint64_t uSize);
void HeapFree(void* theBlock);

// Console and command tables (HostConsole.cpp).
game::ConsoleLog* GetConsoleLog();
void PrintConsoleLine(game::ConsoleLog* theConsole, const char* sText);
game::CommandEntry* GetConsoleCommandTable();
game::CommandEntry* GetScriptCommandTable();

// Hands a console line to the console sink (SetConsoleSink).
void PrintToConsoleSink(const std::string& sText);

// Whether the game's checked cast takes a form for a bound object (TESBoundObject): every
// base form but those of the types the game keeps apart (keywords, actor values, voice
// types, traversals, and the untyped 0); never a reference or a cell.
bool IsBoundObject(const game::TESForm& theForm);

// The world every operation works on: the current one. Using the table with no world made
// current is a fault of the test or runner, not of the plugin, and raises.
World& GetWorld();

// The object `theObject` when the world knows it as a live object of one of `theKinds`;
// null, after a report naming `sOperation`, otherwise.
template <typename T>
T* Check(T* theObject, std::initializer_list<ObjectKind> theKinds, const char* sOperation) {
  return static_cast<T*>(GetWorld().FindObject(theObject, theKinds, sOperation));
}
inline game::TESForm* CheckForm(game::TESForm* theForm, const char* sOperation) {
  return Check(theForm, {ObjectKind::kForm, ObjectKind::kReference, ObjectKind::kCell, ObjectKind::kWorldspace},
               sOperation);
}
inline game::TESObjectREFR* CheckRef(game::TESObjectREFR* theRef, const char* sOperation) {
  return Check(theRef, {ObjectKind::kReference}, sOperation);
}

}  // namespace sim::host
