// The simulated game's forms: lookup, properties, keywords and components.
#include "HostOperations.h"

namespace sim::host {
namespace {

const char* TextOrNull(const std::string& sText) { return sText.empty() ? nullptr : sText.c_str(); }

bool ListContains(const game::TESForm& theForm, const game::TESForm* theKeyword) {
  for (const game::TESForm* theEntry : theForm.theKeywords) {
    if (theEntry == theKeyword) return true;
  }
  return false;
}

}  // namespace

bool IsBoundObject(const game::TESForm& theForm) {
  if (dynamic_cast<const game::TESObjectREFR*>(&theForm) != nullptr) return false;
  if (dynamic_cast<const game::TESObjectCELL*>(&theForm) != nullptr) return false;
  switch (theForm.uFormType) {
    case 0:
    case game::kFormTypeKeyword:
    case game::kFormTypeActorValueInfo:
    case game::kFormTypeVoiceType:
    case game::kFormTypeTraversal: return false;
    default: return true;
  }
}

game::TESForm* LookupFormByID(uint32_t uFormID) { return GetWorld().FindForm(uFormID); }

uint8_t GetFormType(game::TESForm* theForm) {
  auto* theChecked = CheckForm(theForm, __func__);
  return theChecked != nullptr ? theChecked->uFormType : 0;
}

uint32_t GetFormID(game::TESForm* theForm) {
  auto* theChecked = CheckForm(theForm, __func__);
  return theChecked != nullptr ? theChecked->uFormID : 0;
}

uint16_t GetFormModIndex(game::TESForm* theForm) {
  auto* theChecked = CheckForm(theForm, __func__);
  return theChecked != nullptr ? theChecked->uModIndex : 0;
}

const char* GetFormEditorID(game::TESForm* theForm) {
  auto* theChecked = CheckForm(theForm, __func__);
  return theChecked != nullptr ? TextOrNull(theChecked->sEditorID) : nullptr;
}

const char* GetFormFullName(game::TESForm* theForm) {
  auto* theChecked = CheckForm(theForm, __func__);
  return theChecked != nullptr ? TextOrNull(theChecked->sFullName) : nullptr;
}

game::TESFile* GetFormFile(game::TESForm* theForm) {
  auto* theChecked = CheckForm(theForm, __func__);
  return theChecked != nullptr ? theChecked->theFile : nullptr;
}

game::TESForm* CastToGenericBaseForm(game::TESForm* theForm) {
  auto* theChecked = Check(theForm, {ObjectKind::kForm, ObjectKind::kReference, ObjectKind::kCell}, __func__);
  // References and cells are never base forms, whatever type code they carry.
  return theChecked != nullptr && theChecked->uFormType == game::kFormTypeGenericBaseForm &&
                 dynamic_cast<game::TESObjectREFR*>(theChecked) == nullptr &&
                 dynamic_cast<game::TESObjectCELL*>(theChecked) == nullptr
             ? theChecked
             : nullptr;
}

game::TESForm* CastToBoundObject(game::TESForm* theForm) {
  auto* theChecked = CheckForm(theForm, __func__);
  return theChecked != nullptr && IsBoundObject(*theChecked) ? theChecked : nullptr;
}

void* GetComponentByTypeName(game::TESForm* theForm, const char* sTypeName, uint32_t uIndex) {
  auto* theChecked = CheckForm(theForm, __func__);
  if (theChecked == nullptr) return nullptr;
  if (sTypeName == nullptr) {
    GetWorld().ReportViolation(std::string(__func__) + " called without a type name");
    return nullptr;
  }
  for (const auto& [sName, theComponent] : theChecked->theComponents) {
    if (sName == sTypeName && uIndex-- == 0) return theComponent;
  }
  return nullptr;
}

bool KeywordListContains(game::TESForm* theForm, game::TESForm* theKeyword) {
  auto* theChecked = CheckForm(theForm, __func__);
  auto* theCheckedKeyword = CheckForm(theKeyword, __func__);
  return theChecked != nullptr && theCheckedKeyword != nullptr && ListContains(*theChecked, theCheckedKeyword);
}

bool HasKeyword(game::TESForm* theForm, game::TESForm* theKeyword) {
  auto* theChecked = CheckForm(theForm, __func__);
  auto* theCheckedKeyword = CheckForm(theKeyword, __func__);
  if (theChecked == nullptr || theCheckedKeyword == nullptr) return false;
  if (ListContains(*theChecked, theCheckedKeyword)) return true;
  // A reference also has its base form's keywords.
  auto* theRef = dynamic_cast<game::TESObjectREFR*>(theChecked);
  return theRef != nullptr && theRef->theBase != nullptr && ListContains(*theRef->theBase, theCheckedKeyword);
}

game::TESForm* GetWorkshopKeyword() { return GetWorld().theWorkshopKeyword; }
game::TESForm* GetWorkshopLinkKeyword() { return GetWorld().theWorkshopLinkKeyword; }
game::TESForm** GetPilotingPerkSlot() { return &GetWorld().thePilotingPerk; }

}  // namespace sim::host
