#include "game/Game.h"

#include <cstddef>

#include "platform/Platform.h"

namespace game {
namespace {

const Host* gHost = nullptr;

// The entry `field` of the bound table, or null when the table is unbound, the game built
// a shorter table or left the entry empty.
template <typename Fn>
Fn GetEntry(Fn Host::*field, std::size_t uOffset) {
  if (gHost == nullptr || uOffset + sizeof(Fn) > gHost->uSize) {
    return nullptr;
  }
  return gHost->*field;
}

std::string ToText(const char* sText) { return sText != nullptr ? std::string(sText) : std::string(); }

}  // namespace

// Calls the entry `name` with the given arguments, or yields `fallback` when it is absent.
#define ZV_CALL(name, fallback, ...)                       \
  do {                                                     \
    auto fn = GetEntry(&Host::name, offsetof(Host, name)); \
    return fn != nullptr ? fn(__VA_ARGS__) : (fallback);   \
  } while (false)

// As ZV_CALL, but null objects never reach the game.
#define ZV_CALL_ON(object, name, fallback, ...) \
  do {                                          \
    if ((object) == nullptr) return (fallback); \
    ZV_CALL(name, fallback, __VA_ARGS__);       \
  } while (false)

bool BindHostFromImage(uintptr_t uImageBase) {
  auto* theHost = static_cast<const Host*>(platform::FindImageExport(uImageBase, kHostExportName));
  if (theHost == nullptr || theHost->uVersion != kHostVersion || theHost->uSize < offsetof(Host, GetDataHandler)) {
    return false;
  }
  gHost = theHost;
  return true;
}

void BindHost(const Host* theHost) { gHost = theHost; }

TESDataHandler* GetDataHandler() { ZV_CALL(GetDataHandler, nullptr, ); }
ConsoleLog* GetConsoleLog() { ZV_CALL(GetConsoleLog, nullptr, ); }
TESForm** GetPilotingPerkSlot() { ZV_CALL(GetPilotingPerkSlot, nullptr, ); }
TESObjectREFR* GetPlayer() { ZV_CALL(GetPlayer, nullptr, ); }
TESForm* GetWorkshopKeyword() { ZV_CALL(GetWorkshopKeyword, nullptr, ); }
TESForm* GetWorkshopLinkKeyword() { ZV_CALL(GetWorkshopLinkKeyword, nullptr, ); }
CommandEntry* GetConsoleCommandTable() { ZV_CALL(GetConsoleCommandTable, nullptr, ); }
CommandEntry* GetScriptCommandTable() { ZV_CALL(GetScriptCommandTable, nullptr, ); }

void PrintConsoleLine(ConsoleLog* theConsole, const std::string& sText) {
  auto fn = GetEntry(&Host::PrintConsoleLine, offsetof(Host, PrintConsoleLine));
  if (fn != nullptr && theConsole != nullptr) fn(theConsole, sText.c_str());
}

uint32_t GetFileCount(TESDataHandler* theHandler, FileArrayKind eArray) {
  ZV_CALL_ON(theHandler, GetFileCount, 0u, theHandler, eArray);
}
TESFile* GetFileAt(TESDataHandler* theHandler, FileArrayKind eArray, uint32_t uIndex) {
  ZV_CALL_ON(theHandler, GetFileAt, nullptr, theHandler, eArray, uIndex);
}
std::string GetFileName(TESFile* theFile) {
  if (theFile == nullptr) return {};
  auto fn = GetEntry(&Host::GetFileName, offsetof(Host, GetFileName));
  return fn != nullptr ? ToText(fn(theFile)) : std::string();
}
uint8_t GetFileCompileIndex(TESFile* theFile) { ZV_CALL_ON(theFile, GetFileCompileIndex, uint8_t{0}, theFile); }
uint16_t GetFileSmallIndex(TESFile* theFile) { ZV_CALL_ON(theFile, GetFileSmallIndex, uint16_t{0}, theFile); }
uint8_t GetFileMediumIndex(TESFile* theFile) { ZV_CALL_ON(theFile, GetFileMediumIndex, uint8_t{0}, theFile); }

TESForm* LookupFormByID(uint32_t uFormID) { ZV_CALL(LookupFormByID, nullptr, uFormID); }
uint8_t GetFormType(TESForm* theForm) { ZV_CALL_ON(theForm, GetFormType, uint8_t{0}, theForm); }
uint32_t GetFormID(TESForm* theForm) { ZV_CALL_ON(theForm, GetFormID, 0u, theForm); }
uint16_t GetFormModIndex(TESForm* theForm) { ZV_CALL_ON(theForm, GetFormModIndex, uint16_t{0}, theForm); }
std::string GetFormEditorID(TESForm* theForm) {
  if (theForm == nullptr) return {};
  auto fn = GetEntry(&Host::GetFormEditorID, offsetof(Host, GetFormEditorID));
  return fn != nullptr ? ToText(fn(theForm)) : std::string();
}
std::string GetFormFullName(TESForm* theForm) {
  if (theForm == nullptr) return {};
  auto fn = GetEntry(&Host::GetFormFullName, offsetof(Host, GetFormFullName));
  return fn != nullptr ? ToText(fn(theForm)) : std::string();
}
TESFile* GetFormFile(TESForm* theForm) { ZV_CALL_ON(theForm, GetFormFile, nullptr, theForm); }
TESForm* CastToGenericBaseForm(TESForm* theForm) { ZV_CALL_ON(theForm, CastToGenericBaseForm, nullptr, theForm); }
bool HasKeyword(TESForm* theForm, TESForm* theKeyword) {
  if (theKeyword == nullptr) return false;
  ZV_CALL_ON(theForm, HasKeyword, false, theForm, theKeyword);
}
bool KeywordListContains(TESForm* theForm, TESForm* theKeyword) {
  if (theKeyword == nullptr) return false;
  ZV_CALL_ON(theForm, KeywordListContains, false, theForm, theKeyword);
}
void* GetComponentByTypeName(TESForm* theForm, const char* sTypeName, uint32_t uIndex) {
  ZV_CALL_ON(theForm, GetComponentByTypeName, nullptr, theForm, sTypeName, uIndex);
}

TESForm* GetRefBaseForm(TESObjectREFR* theRef) { ZV_CALL_ON(theRef, GetRefBaseForm, nullptr, theRef); }
ExtraDataList* GetRefExtraList(TESObjectREFR* theRef) { ZV_CALL_ON(theRef, GetRefExtraList, nullptr, theRef); }
std::array<float, 3> GetRefPosition(TESObjectREFR* theRef) {
  std::array<float, 3> theXYZ = {0.0f, 0.0f, 0.0f};
  auto fn = GetEntry(&Host::GetRefPosition, offsetof(Host, GetRefPosition));
  if (fn != nullptr && theRef != nullptr) fn(theRef, theXYZ.data());
  return theXYZ;
}
std::array<float, 3> GetRefRotation(TESObjectREFR* theRef) {
  std::array<float, 3> theXYZ = {0.0f, 0.0f, 0.0f};
  auto fn = GetEntry(&Host::GetRefRotation, offsetof(Host, GetRefRotation));
  if (fn != nullptr && theRef != nullptr) fn(theRef, theXYZ.data());
  return theXYZ;
}
uint16_t GetRefScale(TESObjectREFR* theRef) { ZV_CALL_ON(theRef, GetRefScale, uint16_t{0}, theRef); }
TESObjectREFR* GetShipAboard(TESObjectREFR* theActor) { ZV_CALL_ON(theActor, GetShipAboard, nullptr, theActor); }
TESObjectCELL* GetRefParentCell(TESObjectREFR* theRef) { ZV_CALL_ON(theRef, GetRefParentCell, nullptr, theRef); }
TESObjectREFR* GetLinkedRef(TESObjectREFR* theRef, TESForm* theKeyword) {
  if (theKeyword == nullptr) return nullptr;
  ZV_CALL_ON(theRef, GetLinkedRef, nullptr, theRef, theKeyword);
}
bool IsCellInterior(TESObjectCELL* theCell) { ZV_CALL_ON(theCell, IsCellInterior, false, theCell); }
uint32_t GetCellRefCount(TESObjectCELL* theCell) { ZV_CALL_ON(theCell, GetCellRefCount, 0u, theCell); }
TESObjectREFR* GetCellRefAt(TESObjectCELL* theCell, uint32_t uIndex) {
  ZV_CALL_ON(theCell, GetCellRefAt, nullptr, theCell, uIndex);
}

void LockExtraListRead(ExtraDataList* theList) {
  auto fn = GetEntry(&Host::LockExtraListRead, offsetof(Host, LockExtraListRead));
  if (fn != nullptr && theList != nullptr) fn(theList);
}
void UnlockExtraListRead(ExtraDataList* theList) {
  auto fn = GetEntry(&Host::UnlockExtraListRead, offsetof(Host, UnlockExtraListRead));
  if (fn != nullptr && theList != nullptr) fn(theList);
}
BSExtraData* LookupExtraData(ExtraDataList* theList, uint32_t uKind) {
  ZV_CALL_ON(theList, LookupExtraData, nullptr, theList, uKind);
}
const BSFixedString* GetExtraDataString(BSExtraData* theEntry) {
  ZV_CALL_ON(theEntry, GetExtraDataString, nullptr, theEntry);
}
uint32_t GetExtraDataFormID(BSExtraData* theEntry) { ZV_CALL_ON(theEntry, GetExtraDataFormID, 0u, theEntry); }
uint32_t GetExtraDataListCount(BSExtraData* theEntry) { ZV_CALL_ON(theEntry, GetExtraDataListCount, 0u, theEntry); }

std::string GetStringText(const BSFixedString* theString) {
  if (theString == nullptr || theString->theEntry == nullptr) return {};
  auto fn = GetEntry(&Host::GetStringText, offsetof(Host, GetStringText));
  return fn != nullptr ? ToText(fn(theString)) : std::string();
}

}  // namespace game
