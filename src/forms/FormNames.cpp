// Names, editor IDs and the other texts a form or placed reference carries, with the
// extra-data entries that hold a reference's own ones.
#include "core/Log.h"
#include "forms/Helpers.h"
#include "game/Game.h"

namespace zorvane {
namespace {

// `Read` of the entry of kind `uKind`, while the list's read lock is held; `theNone` without
// the list or the entry.
template <typename T, typename ReadFn>
T ReadExtraData(game::ExtraDataList* theList, uint32_t uKind, T theNone, ReadFn Read) {
  if (theList == nullptr) return theNone;
  game::ExtraListLock theLock(theList, game::ExtraListLock::kRead);
  game::BSExtraData* theEntry = game::LookupExtraData(theList, uKind);
  return theEntry != nullptr ? Read(theEntry) : theNone;
}

// The text of the pooled string in the entry of kind `uKind` of the reference's extra data.
std::string GetExtraDataText(game::TESObjectREFR* theRef, uint32_t uKind) {
  return ReadExtraDataText(game::GetRefExtraList(theRef), uKind);
}

}  // namespace

bool HasExtraData(game::ExtraDataList* theList, uint32_t uKind) {
  return ReadExtraData(theList, uKind, false, [](game::BSExtraData*) { return true; });
}

std::string ReadExtraDataText(game::ExtraDataList* theList, uint32_t uKind) {
  return ReadExtraData(theList, uKind, std::string(), [](game::BSExtraData* theEntry) {
    return game::GetStringText(game::GetExtraDataString(theEntry));
  });
}

uint32_t ReadExtraDataFormID(game::ExtraDataList* theList, uint32_t uKind) {
  return ReadExtraData(theList, uKind, 0u, &game::GetExtraDataFormID);
}

uint32_t ReadExtraDataListCount(game::ExtraDataList* theList, uint32_t uKind) {
  return ReadExtraData(theList, uKind, 0u, &game::GetExtraDataListCount);
}

std::string GetFormEditorID(game::TESForm* theForm) { return game::GetFormEditorID(theForm); }

std::string GetRefEditorIDFromExtra(game::TESObjectREFR* theRef) {
  if (theRef == nullptr) return {};
  return GetExtraDataText(theRef, game::kExtraEditorID);
}

std::string GetTESFullNameNative(game::TESForm* theForm) {
  if (theForm == nullptr) {
    LOG_ERROR("theForm is nullptr");
    return {};
  }
  return game::GetFormFullName(theForm);
}

std::string GetReferenceName(game::TESObjectREFR* theRef) {
  if (theRef == nullptr) {
    LOG_ERROR("theRef is nullptr");
    return {};
  }
  std::string sOverride = GetExtraDataText(theRef, game::kExtraDisplayName);
  if (!sOverride.empty()) return sOverride;
  return GetTESFullNameNative(game::GetRefBaseForm(theRef));
}

std::string GetOverrideName(game::TESObjectREFR* theRef) {
  if (theRef == nullptr) {
    LOG_ERROR("theRef is nullptr");
    return {};
  }
  return GetExtraDataText(theRef, game::kExtraDisplayName);
}

game::TESForm* GetRecordedShipForm(game::TESObjectREFR* theRef) {
  if (theRef == nullptr) return nullptr;
  const uint32_t uFormID = ReadExtraDataFormID(game::GetRefExtraList(theRef), game::kExtraShipFormID);
  return uFormID != 0 ? game::LookupFormByID(uFormID) : nullptr;
}

}  // namespace zorvane
