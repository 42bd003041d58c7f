#pragma once
// Forms: lookup by form ID, their properties, keywords, and the components of base forms.
// A null form gives the neutral answer (null, empty text, 0, false) without asking the game.

#include <cstdint>
#include <string>

#include "game/Types.h"

namespace game {

// Null when no such form is loaded.
TESForm* LookupFormByID(uint32_t uFormID);
uint8_t GetFormType(TESForm* theForm);
uint32_t GetFormID(TESForm* theForm);
uint16_t GetFormModIndex(TESForm* theForm);
std::string GetFormEditorID(TESForm* theForm);
std::string GetFormFullName(TESForm* theForm);
// The plugin file that defines the form.
TESFile* GetFormFile(TESForm* theForm);
// The game's checked casts; null when the form is no generic base form, no bound object.
TESForm* CastToGenericBaseForm(TESForm* theForm);
TESForm* CastToBoundObject(TESForm* theForm);

// A reference: its own keywords and its base form's. Any other form: its keyword list.
bool HasKeyword(TESForm* theForm, TESForm* theKeyword);
// The form's own keyword list.
bool KeywordListContains(TESForm* theForm, TESForm* theKeyword);
// The keywords of the game's workshop globals; null when a slot is empty.
TESForm* GetWorkshopKeyword();
TESForm* GetWorkshopLinkKeyword();
// The address of the game's piloting perk pointer.
TESForm** GetPilotingPerkSlot();

// The component `T` (Components.h) of a base form, found by the type name T declares.
void* GetComponentByTypeName(TESForm* theForm, const char* sTypeName, uint32_t uIndex);
template <typename T>
T* GetComponent(TESForm* theForm) {
  return static_cast<T*>(GetComponentByTypeName(theForm, T::kTypeName, 0));
}

}  // namespace game
