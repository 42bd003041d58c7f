#include "game/Forms.h"

#include "game/HostCalls.h"
#include "game/Text.h"

namespace game {

TESForm* LookupFormByID(uint32_t uFormID) { return host::LookupFormByID(uFormID); }
uint8_t GetFormType(TESForm* theForm) { return theForm != nullptr ? host::GetFormType(theForm) : 0; }
uint32_t GetFormID(TESForm* theForm) { return theForm != nullptr ? host::GetFormID(theForm) : 0; }
uint16_t GetFormModIndex(TESForm* theForm) { return theForm != nullptr ? host::GetFormModIndex(theForm) : 0; }
std::string GetFormEditorID(TESForm* theForm) {
  return theForm != nullptr ? ToText(host::GetFormEditorID(theForm)) : "";
}
std::string GetFormFullName(TESForm* theForm) {
  return theForm != nullptr ? ToText(host::GetFormFullName(theForm)) : "";
}
TESFile* GetFormFile(TESForm* theForm) { return theForm != nullptr ? host::GetFormFile(theForm) : nullptr; }
TESForm* CastToGenericBaseForm(TESForm* theForm) {
  return theForm != nullptr ? host::CastToGenericBaseForm(theForm) : nullptr;
}
TESForm* CastToBoundObject(TESForm* theForm) { return theForm != nullptr ? host::CastToBoundObject(theForm) : nullptr; }

bool HasKeyword(TESForm* theForm, TESForm* theKeyword) {
  return theForm != nullptr && theKeyword != nullptr && host::HasKeyword(theForm, theKeyword);
}
bool KeywordListContains(TESForm* theForm, TESForm* theKeyword) {
  return theForm != nullptr && theKeyword != nullptr && host::KeywordListContains(theForm, theKeyword);
}
TESForm* GetWorkshopKeyword() { return host::GetWorkshopKeyword(); }
TESForm* GetWorkshopLinkKeyword() { return host::GetWorkshopLinkKeyword(); }
TESForm** GetPilotingPerkSlot() { return host::GetPilotingPerkSlot(); }

void* GetComponentByTypeName(TESForm* theForm, const char* sTypeName, uint32_t uIndex) {
  return theForm != nullptr && sTypeName != nullptr ? host::GetComponentByTypeName(theForm, sTypeName, uIndex)
                                                    : nullptr;
}

}  // namespace game
