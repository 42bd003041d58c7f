// Names, editor IDs and the other texts a form or placed reference carries, with the
// extra-data entries that hold a reference's own ones.
#include "core/Log.h"
#include "forms/Helpers.h"
#include "game/Game.h"

namespace zorvane {
namespace {

// The text of the pooled string in the entry of kind `uKind` of the reference's extra data.
std::string GetExtraDataText(game::TESObjectREFR* theRef, uint32_t uKind) {
  game::BSExtraData* theEntry = ExtraDataLookup(game::GetRefExtraList(theRef), uKind);
  return theEntry != nullptr ? game::GetStringText(game::GetExtraDataString(theEntry)) : std::string();
}

}  // namespace

game::BSExtraData* ExtraDataLookup(game::ExtraDataList* theList, uint32_t uKind) {
  if (theList == nullptr) return nullptr;
  game::ExtraListLock theLock(theList, game::ExtraListLock::kRead);
  return game::LookupExtraData(theList, uKind);
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
  game::BSExtraData* theEntry = ExtraDataLookup(game::GetRefExtraList(theRef), game::kExtraShipFormID);
  if (theEntry == nullptr) return nullptr;
  const uint32_t uFormID = game::GetExtraDataFormID(theEntry);
  return uFormID != 0 ? game::LookupFormByID(uFormID) : nullptr;
}

}  // namespace zorvane
