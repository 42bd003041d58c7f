// The simulated game's operation table: every entry works on the current world.
#include <cstring>

#include "World.h"

namespace sim {
namespace {

World* gWorld = nullptr;
void (*gConsoleSink)(const std::string&) = nullptr;

game::TESObjectREFR* AsRef(game::TESForm* theForm) { return dynamic_cast<game::TESObjectREFR*>(theForm); }

// A pointer the plugin passes as a reference or cell is checked to be one: the real game
// would crash on anything else, the simulated one reports it and answers as for nothing.
template <typename T, typename P>
T* Checked(P* thePointer, const char* sOperation) {
  T* theObject = dynamic_cast<T*>(reinterpret_cast<game::TESForm*>(thePointer));
  if (theObject == nullptr && gWorld != nullptr) {
    gWorld->ReportViolation(std::string(sOperation) + " called with an object of another kind");
  }
  return theObject;
}
#define ZV_REF(p) Checked<game::TESObjectREFR>(p, __func__)
#define ZV_CELL(p) Checked<game::TESObjectCELL>(p, __func__)

const char* TextOrNull(const std::string& sText) { return sText.empty() ? nullptr : sText.c_str(); }

game::TESDataHandler* GetDataHandler() {
  return gWorld != nullptr && gWorld->bHasDataHandler ? &gWorld->theDataHandler : nullptr;
}
game::ConsoleLog* GetConsoleLog() { return gWorld != nullptr && gWorld->bHasConsole ? &gWorld->theConsole : nullptr; }
game::TESForm** GetPilotingPerkSlot() { return gWorld != nullptr ? &gWorld->thePilotingPerk : nullptr; }
game::TESForm* LookupFormByID(uint32_t uFormID) { return gWorld != nullptr ? gWorld->FindForm(uFormID) : nullptr; }

void PrintConsoleLine(game::ConsoleLog*, const char* sText) {
  if (gConsoleSink != nullptr && sText != nullptr) gConsoleSink(sText);
}

std::vector<game::TESFile*>* FileArray(game::TESDataHandler* theHandler, uint32_t uArray) {
  switch (uArray) {
    case game::kFullFiles: return &theHandler->theFiles;
    case game::kSmallFiles: return &theHandler->theSmallFiles;
    case game::kMediumFiles: return &theHandler->theMediumFiles;
    default: return nullptr;
  }
}
uint32_t GetFileCount(game::TESDataHandler* theHandler, uint32_t uArray) {
  auto* theArray = FileArray(theHandler, uArray);
  return theArray != nullptr ? static_cast<uint32_t>(theArray->size()) : 0;
}
game::TESFile* GetFileAt(game::TESDataHandler* theHandler, uint32_t uArray, uint32_t uIndex) {
  auto* theArray = FileArray(theHandler, uArray);
  return theArray != nullptr && uIndex < theArray->size() ? (*theArray)[uIndex] : nullptr;
}
const char* GetFileName(game::TESFile* theFile) { return theFile->sName.c_str(); }
uint8_t GetFileCompileIndex(game::TESFile* theFile) { return theFile->uCompileIndex; }
uint16_t GetFileSmallIndex(game::TESFile* theFile) { return theFile->uSmallFileIndex; }
uint8_t GetFileMediumIndex(game::TESFile* theFile) { return theFile->uMediumFileIndex; }

uint8_t GetFormType(game::TESForm* theForm) { return theForm->uFormType; }
uint32_t GetFormID(game::TESForm* theForm) { return theForm->uFormID; }
uint16_t GetFormModIndex(game::TESForm* theForm) { return theForm->uModIndex; }
const char* GetFormEditorID(game::TESForm* theForm) { return TextOrNull(theForm->sEditorID); }
const char* GetFormFullName(game::TESForm* theForm) { return TextOrNull(theForm->sFullName); }
game::TESFile* GetFormFile(game::TESForm* theForm) { return theForm->theFile; }

game::TESForm* GetRefBaseForm(game::TESObjectREFR* theRef) {
  auto* theChecked = ZV_REF(theRef);
  return theChecked != nullptr ? theChecked->theBase : nullptr;
}
game::ExtraDataList* GetRefExtraList(game::TESObjectREFR* theRef) {
  auto* theChecked = ZV_REF(theRef);
  return theChecked != nullptr ? theChecked->theExtra.get() : nullptr;
}
void GetRefPosition(game::TESObjectREFR* theRef, float* theXYZ) {
  if (auto* theChecked = ZV_REF(theRef)) std::memcpy(theXYZ, theChecked->fPosition, 12);
}
void GetRefRotation(game::TESObjectREFR* theRef, float* theXYZ) {
  if (auto* theChecked = ZV_REF(theRef)) std::memcpy(theXYZ, theChecked->fRotation, 12);
}
uint16_t GetRefScale(game::TESObjectREFR* theRef) {
  auto* theChecked = ZV_REF(theRef);
  return theChecked != nullptr ? theChecked->uScale : 0;
}

void LockExtraListRead(game::ExtraDataList* theList) { ++theList->iReadLocks; }
void UnlockExtraListRead(game::ExtraDataList* theList) {
  if (theList->iReadLocks <= 0) {
    gWorld->ReportViolation("extra-data list unlocked without a read lock");
    return;
  }
  --theList->iReadLocks;
}
game::BSExtraData* LookupExtraData(game::ExtraDataList* theList, uint32_t uKind) {
  if (theList->iReadLocks <= 0)
    gWorld->ReportViolation("extra data of kind " + std::to_string(uKind) + " read without the list's read lock");
  for (const auto& theEntry : theList->theEntries) {
    if (theEntry->uKind == uKind) return theEntry.get();
  }
  return nullptr;
}
const game::BSFixedString* GetExtraDataString(game::BSExtraData* theEntry) { return &theEntry->theString; }
uint32_t GetExtraDataFormID(game::BSExtraData* theEntry) { return theEntry->uFormID; }
uint32_t GetExtraDataListCount(game::BSExtraData* theEntry) { return theEntry->uListCount; }

const char* GetStringText(const game::BSFixedString* theString) {
  const game::StringPoolEntry* theEntry = theString->theEntry;
  while (theEntry != nullptr && theEntry->theTarget != nullptr) theEntry = theEntry->theTarget;
  return theEntry != nullptr ? TextOrNull(theEntry->sText) : nullptr;
}

game::TESObjectREFR* GetPlayer() { return gWorld != nullptr ? gWorld->thePlayer : nullptr; }
game::TESObjectREFR* GetShipAboard(game::TESObjectREFR* theActor) {
  auto* theChecked = ZV_REF(theActor);
  return theChecked != nullptr ? theChecked->theShipAboard : nullptr;
}
game::TESObjectCELL* GetRefParentCell(game::TESObjectREFR* theRef) {
  auto* theChecked = ZV_REF(theRef);
  return theChecked != nullptr ? theChecked->theParentCell : nullptr;
}
bool IsCellInterior(game::TESObjectCELL* theCell) {
  auto* theChecked = ZV_CELL(theCell);
  return theChecked != nullptr && theChecked->bInterior;
}
uint32_t GetCellRefCount(game::TESObjectCELL* theCell) {
  auto* theChecked = ZV_CELL(theCell);
  return theChecked != nullptr ? static_cast<uint32_t>(theChecked->theRefs.size()) : 0;
}
game::TESObjectREFR* GetCellRefAt(game::TESObjectCELL* theCell, uint32_t uIndex) {
  auto* theChecked = ZV_CELL(theCell);
  return theChecked != nullptr && uIndex < theChecked->theRefs.size() ? theChecked->theRefs[uIndex] : nullptr;
}

game::TESForm* GetWorkshopKeyword() { return gWorld != nullptr ? gWorld->theWorkshopKeyword : nullptr; }
game::TESForm* GetWorkshopLinkKeyword() { return gWorld != nullptr ? gWorld->theWorkshopLinkKeyword : nullptr; }

bool KeywordListContains(game::TESForm* theForm, game::TESForm* theKeyword) {
  for (game::TESForm* theEntry : theForm->theKeywords) {
    if (theEntry == theKeyword) return true;
  }
  return false;
}
bool HasKeyword(game::TESForm* theForm, game::TESForm* theKeyword) {
  if (KeywordListContains(theForm, theKeyword)) return true;
  game::TESObjectREFR* theRef = AsRef(theForm);
  return theRef != nullptr && theRef->theBase != nullptr && KeywordListContains(theRef->theBase, theKeyword);
}
game::TESObjectREFR* GetLinkedRef(game::TESObjectREFR* theRef, game::TESForm* theKeyword) {
  auto* theChecked = ZV_REF(theRef);
  if (theChecked == nullptr) return nullptr;
  for (const auto& [theLinkKeyword, theLinked] : theChecked->theLinks) {
    if (theLinkKeyword == theKeyword) return theLinked;
  }
  return nullptr;
}

game::TESForm* CastToGenericBaseForm(game::TESForm* theForm) {
  return theForm->uFormType == game::kFormTypeGenericBaseForm && AsRef(theForm) == nullptr ? theForm : nullptr;
}
void* GetComponentByTypeName(game::TESForm* theForm, const char* sTypeName, uint32_t uIndex) {
  if (sTypeName == nullptr) return nullptr;
  for (const auto& [sName, theComponent] : theForm->theComponents) {
    if (sName == sTypeName && uIndex-- == 0) return theComponent;
  }
  return nullptr;
}

game::CommandEntry* GetConsoleCommandTable() {
  return gWorld != nullptr && !gWorld->theConsoleCommands.empty() ? gWorld->theConsoleCommands.data() : nullptr;
}
game::CommandEntry* GetScriptCommandTable() {
  return gWorld != nullptr && !gWorld->theScriptCommands.empty() ? gWorld->theScriptCommands.data() : nullptr;
}

}  // namespace

World* GetCurrentWorld() { return gWorld; }
void SetCurrentWorld(World* theWorld) { gWorld = theWorld; }
void SetConsoleSink(void (*OnLine)(const std::string& sLine)) { gConsoleSink = OnLine; }

}  // namespace sim

// The game image exports its table under this name; the plugin binds to it at load.
#if defined(_WIN32)
#define SIM_EXPORT __declspec(dllexport)
#else
#define SIM_EXPORT __attribute__((visibility("default")))
#endif

extern "C" {
SIM_EXPORT extern const game::Host ZorvaneGameHost;
const game::Host ZorvaneGameHost = {
    .uVersion = game::kHostVersion,
    .uSize = sizeof(game::Host),
    .GetDataHandler = &sim::GetDataHandler,
    .GetConsoleLog = &sim::GetConsoleLog,
    .GetPilotingPerkSlot = &sim::GetPilotingPerkSlot,
    .LookupFormByID = &sim::LookupFormByID,
    .PrintConsoleLine = &sim::PrintConsoleLine,
    .GetFileCount = &sim::GetFileCount,
    .GetFileAt = &sim::GetFileAt,
    .GetFileName = &sim::GetFileName,
    .GetFileCompileIndex = &sim::GetFileCompileIndex,
    .GetFileSmallIndex = &sim::GetFileSmallIndex,
    .GetFileMediumIndex = &sim::GetFileMediumIndex,
    .GetFormType = &sim::GetFormType,
    .GetFormID = &sim::GetFormID,
    .GetFormModIndex = &sim::GetFormModIndex,
    .GetFormEditorID = &sim::GetFormEditorID,
    .GetFormFullName = &sim::GetFormFullName,
    .GetFormFile = &sim::GetFormFile,
    .GetRefBaseForm = &sim::GetRefBaseForm,
    .GetRefExtraList = &sim::GetRefExtraList,
    .GetRefPosition = &sim::GetRefPosition,
    .GetRefRotation = &sim::GetRefRotation,
    .GetRefScale = &sim::GetRefScale,
    .LockExtraListRead = &sim::LockExtraListRead,
    .UnlockExtraListRead = &sim::UnlockExtraListRead,
    .LookupExtraData = &sim::LookupExtraData,
    .GetExtraDataString = &sim::GetExtraDataString,
    .GetExtraDataFormID = &sim::GetExtraDataFormID,
    .GetExtraDataListCount = &sim::GetExtraDataListCount,
    .GetStringText = &sim::GetStringText,
    .GetPlayer = &sim::GetPlayer,
    .GetShipAboard = &sim::GetShipAboard,
    .GetRefParentCell = &sim::GetRefParentCell,
    .IsCellInterior = &sim::IsCellInterior,
    .GetCellRefCount = &sim::GetCellRefCount,
    .GetCellRefAt = &sim::GetCellRefAt,
    .GetWorkshopKeyword = &sim::GetWorkshopKeyword,
    .GetWorkshopLinkKeyword = &sim::GetWorkshopLinkKeyword,
    .HasKeyword = &sim::HasKeyword,
    .KeywordListContains = &sim::KeywordListContains,
    .GetLinkedRef = &sim::GetLinkedRef,
    .CastToGenericBaseForm = &sim::CastToGenericBaseForm,
    .GetComponentByTypeName = &sim::GetComponentByTypeName,
    .GetConsoleCommandTable = &sim::GetConsoleCommandTable,
    .GetScriptCommandTable = &sim::GetScriptCommandTable,
};
}

const game::Host& sim::GetHostTable() { return ZorvaneGameHost; }
