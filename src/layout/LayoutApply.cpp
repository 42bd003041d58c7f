#include "layout/LayoutApply.h"

#include "shipfile/ShipFile.h"

#include <algorithm>

#include "core/Guard.h"
#include "core/Log.h"
#include "forms/Helpers.h"
#include "game/Game.h"
#include "layout/LayoutDispatch.h"

namespace zorvane {
namespace {

// The game's interned string field takes the text; an empty text leaves it empty.
void AssignText(game::BSFixedString& theField, const std::string& sText) {
  (sText.empty() ? game::InternedString() : game::InternedString(sText)).AssignTo(theField);
}

template <typename T>
void Refill(game::GameArray<T>& theArray, const std::vector<T>& theItems) {
  game::Clear(theArray);
  for (const T& theItem : theItems) game::Append(theArray, theItem);
}

void ApplyAddToInventory(const ShipLayoutRecords& theRecords, game::TESForm* theBase) {
  if (auto* theComponent = game::GetComponent<game::AddToInventoryOnDestroyComponent>(theBase)) {
    theComponent->theForm = theRecords.form;
  }
}

void ApplyAnimationGraph(const ShipLayoutRecords& theRecords, game::TESForm* theBase) {
  if (auto* theComponent = game::GetComponent<game::AnimationGraphComponent>(theBase)) {
    AssignText(theComponent->rootAnimGraph, theRecords.rootAnimGraph);
    AssignText(theComponent->rigFile, theRecords.rigFile);
    AssignText(theComponent->animPath, theRecords.animPath);
    AssignText(theComponent->responseFile, theRecords.responseFile);
  }
}

void ApplyKeywords(const ShipLayoutRecords& theRecords, game::TESForm* theBase) {
  auto* theComponent = game::GetComponent<game::KeywordFormComponent>(theBase);
  if (theComponent == nullptr) return;
  game::Clear(theComponent->theKeywords);
  for (game::TESForm* theKeyword : theRecords.keywords) game::Append(theComponent->theKeywords, theKeyword);
}

// The attach-parent keywords are read and checked but not written: the ship keeps its own.
void ApplyAttachParents(const ShipLayoutRecords&, game::TESForm* theBase) {
  game::GetComponent<game::AttachParentArrayComponent>(theBase);
}

void ApplyPropertySheet(const ShipLayoutRecords& theRecords, game::TESForm* theBase) {
  auto* theComponent = game::GetComponent<game::PropertySheetComponent>(theBase);
  if (theComponent == nullptr || theComponent->theProperties == nullptr) return;
  Refill(*theComponent->theProperties, theRecords.properties);
  game::TESForm* theRegistration = game::LookupFormByID(game::kSpaceshipRegistrationFormID);
  if (theRegistration == nullptr || game::GetFormType(theRegistration) != game::kFormTypeActorValueInfo) {
    LOG_ERROR_IN(kImportLayoutFunction, "SpaceshipRegistration AVIF is nullptr or not ActorValueInfo: " +
                                            GetFormDescription(theRegistration, true, true, true, true));
    return;
  }
  // Every exported ship carries the entry: adding it again would add one more at every import.
  const bool bCarried = std::any_of(theRecords.properties.begin(), theRecords.properties.end(),
                                    [&](const PropertyRecord& theEntry) { return theEntry.first == theRegistration; });
  if (!bCarried) game::Append(*theComponent->theProperties, PropertyRecord{theRegistration, nullptr, 1.0f});
}

void ApplyAIActor(const ShipLayoutRecords& theRecords, game::TESForm* theBase) {
  if (auto* theComponent = game::GetComponent<game::SpaceshipAIActorComponent>(theBase)) {
    theComponent->theActor = theRecords.actor;
  }
}

void ApplyVoiceType(const ShipLayoutRecords& theRecords, game::TESForm* theBase) {
  if (auto* theComponent = game::GetComponent<game::LinkedVoiceTypeComponent>(theBase)) {
    theComponent->theVoice = theRecords.voice;
  }
}

void ApplyWeaponBindings(const ShipLayoutRecords& theRecords, game::TESForm* theBase) {
  if (auto* theComponent = game::GetComponent<game::SpaceshipWeaponBindingsComponent>(theBase)) {
    theComponent->weaponSlot1 = theRecords.weaponSlot1;
    theComponent->weaponSlot2 = theRecords.weaponSlot2;
    theComponent->weaponSlot3 = theRecords.weaponSlot3;
  }
}

void ApplyStoredTraversals(const ShipLayoutRecords& theRecords, game::TESForm* theBase) {
  auto* theComponent = game::GetComponent<game::StoredTraversalsComponent>(theBase);
  if (theComponent == nullptr) return;
  Refill(theComponent->traversals1, theRecords.traversals1);
  game::Clear(theComponent->traversals2);
  for (const StoredTraversalGroup& theRecord : theRecords.traversals2) {
    game::TraversalGroup theGroup = theRecord.theFields;
    theGroup.traversals = {0, 0, nullptr};
    theGroup.unk10 = 0;
    for (const StoredTraversal& theEntry : theRecord.traversals) game::Append(theGroup.traversals, theEntry);
    game::Append(theComponent->traversals2, theGroup);
  }
}

void ApplyBlueprint(const ShipLayoutRecords& theRecords, game::TESForm* theBase) {
  auto* theComponent = game::GetComponent<game::BlueprintComponent>(theBase);
  if (theComponent == nullptr) return;
  theComponent->unk08 = theRecords.unk08;
  AssignText(theComponent->unk10, theRecords.unk10);
  Refill(theComponent->data, theRecords.data);
}

void ApplyContainer(const ShipLayoutRecords& theRecords, game::TESForm* theBase) {
  auto* theComponent = game::GetComponent<game::ContainerComponent>(theBase);
  if (theComponent == nullptr) return;
  game::Clear(theComponent->theEntries);
  for (const ContainerRecord& theRecord : theRecords.containers) {
    auto* theEntry = static_cast<game::ContainerEntry*>(game::AllocateGameMemory(sizeof(game::ContainerEntry)));
    *theEntry = {theRecord.count, theRecord.obj, nullptr};
    game::Append(theComponent->theEntries, theEntry);
  }
}

void ApplyFullName(const ShipLayoutRecords& theRecords, game::TESForm* theBase) {
  if (auto* theComponent = game::GetComponent<game::FullNameComponent>(theBase)) {
    AssignText(theComponent->fullName, theRecords.fullName);
  }
}

void ApplyModel(const ShipLayoutRecords& theRecords, game::TESForm* theBase) {
  if (auto* theComponent = game::GetComponent<game::ModelComponent>(theBase)) {
    AssignText(theComponent->model, theRecords.model);
  }
}

// The display name, or else the full name, becomes the reference's display name.
void ApplyDisplayName(const ShipLayoutRecords& theRecords, game::TESObjectREFR* theShipRef) {
  const std::string& sName = !theRecords.DisplayName.empty() ? theRecords.DisplayName : theRecords.fullName;
  if (sName.empty()) return;
  if (game::GetRefExtraList(theShipRef) == nullptr) LOG_ERROR_IN(kImportLayoutFunction, "ExtraList is nullptr");
  game::SetRefDisplayName(theShipRef, sName);
}

struct Step {
  const char* sName;  // null: the display name, which has no guard
  void (*Apply)(const ShipLayoutRecords& theRecords, game::TESForm* theBase);
};

const Step kSteps[] = {
    {groups::kAddToInventoryOnDestroy, &ApplyAddToInventory},
    {groups::kAnimationGraph, &ApplyAnimationGraph},
    {groups::kKeywordForm, &ApplyKeywords},
    {groups::kAttachParentArray, &ApplyAttachParents},
    {groups::kPropertySheet, &ApplyPropertySheet},
    {groups::kSpaceshipAIActor, &ApplyAIActor},
    {groups::kLinkedVoiceType, &ApplyVoiceType},
    {groups::kWeaponBinding, &ApplyWeaponBindings},
    {groups::kStoredTraversalData, &ApplyStoredTraversals},
    {groups::kBlueprint, &ApplyBlueprint},
    {groups::kContainer, &ApplyContainer},
    {groups::kFullName, &ApplyFullName},
    {nullptr, nullptr},
    {groups::kModel, &ApplyModel},
};

}  // namespace

void ApplyShipLayout(const ShipLayoutRecords& theRecords, game::TESForm* theBase, game::TESObjectREFR* theShipRef) {
  for (const Step& theStep : kSteps) {
    if (theStep.sName == nullptr) {
      ApplyDisplayName(theRecords, theShipRef);
      continue;
    }
    RunGuarded(
        kImportLayoutFunction, [&](const char*) { return std::string("exception while importing ") + theStep.sName; },
        [&] { theStep.Apply(theRecords, theBase); });
  }
}

}  // namespace zorvane
