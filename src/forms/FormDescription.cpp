// One-line descriptions of forms and placed references for log messages.
#include <cstdint>

#include "forms/Helpers.h"
#include "game/Game.h"

namespace zorvane {
namespace {

constexpr const char* kNullFormDescription = "!!! ERROR: nullptr form !!!";

std::string GetAddressText(const void* theObject) { return GetHexAddress(reinterpret_cast<uintptr_t>(theObject)); }

// "[address | form ID" of a form.
std::string BeginDescription(game::TESForm* theForm) {
  return "[" + GetAddressText(theForm) + " | " + GetHexValue(game::GetFormID(theForm));
}

std::string GetTypePart(game::TESForm* theForm) { return " | " + std::to_string(game::GetFormType(theForm)); }

std::string GetModIndexPart(game::TESForm* theForm) {
  const uint16_t uModIndex = game::GetFormModIndex(theForm);
  const std::string sHex = uModIndex == 0 ? std::string("0") : GetHexAddress(uModIndex);
  return " | " + std::to_string(uModIndex) + "|0x" + sHex;
}

std::string GetNamePart(const std::string& sName) { return sName.empty() ? " | {unnamed}" : " | " + sName; }

std::string GetEditorIDPart(game::TESForm* theForm) {
  const std::string sEditorID = zorvane::GetFormEditorID(theForm);
  return sEditorID.empty() ? " | {no_edid}" : " | " + sEditorID;
}

}  // namespace

std::string GetFormDescription(game::TESForm* theForm, bool withType, bool withModIndex, bool withName,
                               bool withEditorID) {
  if (theForm == nullptr) return kNullFormDescription;
  std::string sResult = BeginDescription(theForm);
  if (withType) sResult += GetTypePart(theForm);
  if (withModIndex) sResult += GetModIndexPart(theForm);
  if (withName) sResult += GetNamePart(GetTESFullNameNative(theForm));
  if (withEditorID) sResult += GetEditorIDPart(theForm);
  return sResult + "]";
}

std::string GetReferenceDescription(game::TESObjectREFR* theRef) {
  if (theRef == nullptr) return kNullFormDescription;
  game::TESForm* theForm = game::AsForm(theRef);
  std::string sName = GetReferenceName(theRef);
  if (sName.empty()) sName = GetTESFullNameNative(game::GetRefBaseForm(theRef));
  return BeginDescription(theForm) + GetTypePart(theForm) + GetModIndexPart(theForm) + GetNamePart(sName) +
         GetEditorIDPart(theForm) + "]";
}

}  // namespace zorvane
