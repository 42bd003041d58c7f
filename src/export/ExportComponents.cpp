#include "export/ExportComponents.h"

#include "core/Guard.h"
#include "core/Log.h"
#include "game/Components.h"
#include "game/Game.h"
#include "shipfile/ShipFile.h"

namespace zorvane {
namespace {

bool ExportAddToInventoryOnDestroy(ShipFileWriter& theWriter, game::TESForm* theBase) {
  auto* theComponent = game::GetComponent<game::AddToInventoryOnDestroyComponent>(theBase);
  return theComponent == nullptr || theComponent->theForm == nullptr ||
         theWriter.WriteForm(keys::kAddToInventoryOnDestroyForm, theComponent->theForm);
}

bool ExportAnimationGraph(ShipFileWriter& theWriter, game::TESForm* theBase) {
  auto* theComponent = game::GetComponent<game::AnimationGraphComponent>(theBase);
  if (theComponent != nullptr) {
    theWriter.WriteText(keys::kRootAnimGraph, theComponent->rootAnimGraph);
    theWriter.WriteText(keys::kRigFile, theComponent->rigFile);
    theWriter.WriteText(keys::kAnimPath, theComponent->animPath);
    theWriter.WriteText(keys::kResponseFile, theComponent->responseFile);
  }
  return true;
}

bool ExportKeywords(ShipFileWriter& theWriter, game::TESForm* theBase) {
  auto* theComponent = game::GetComponent<game::KeywordFormComponent>(theBase);
  if (theComponent == nullptr || theComponent->theKeywords.theData == nullptr) return true;
  for (uint32_t i = 0; i < theComponent->theKeywords.uCount; ++i) {
    // An empty slot keeps its index unused.
    game::TESForm* theKeyword = theComponent->theKeywords.theData[i];
    if (theKeyword != nullptr && !theWriter.WriteForm(FormatIndexedKey(keys::kKeywordForm, i), theKeyword)) {
      return false;
    }
  }
  return true;
}

bool ExportAttachParents(ShipFileWriter& theWriter, game::TESForm* theBase) {
  auto* theComponent = game::GetComponent<game::AttachParentArrayComponent>(theBase);
  if (theComponent == nullptr || theComponent->theParents.theData == nullptr) return true;
  for (uint32_t i = 0; i < theComponent->theParents.uCount; ++i) {
    game::TESForm* theKeyword = theComponent->theParents.theData[i];
    if (theKeyword == nullptr || game::GetFormType(theKeyword) != game::kFormTypeKeyword) break;
    if (!theWriter.WriteForm(FormatIndexedKey(keys::kAttachParentArray, i), theKeyword)) return false;
  }
  return true;
}

bool ExportPropertySheet(ShipFileWriter& theWriter, game::TESForm* theBase) {
  auto* theComponent = game::GetComponent<game::PropertySheetComponent>(theBase);
  if (theComponent == nullptr) return true;
  const game::GameArray<game::PropertyEntry>* theProperties = theComponent->theProperties;
  if (theProperties == nullptr) {
    LOG_ERROR_IN(kExportFunction, "Properties is nullptr");
    return false;
  }
  if (theProperties->uCount == 0 || theProperties->theData == nullptr) {
    LOG_ERROR_IN(kExportFunction, "Properties->size == 0");
    return false;
  }
  for (uint32_t i = 0; i < theProperties->uCount; ++i) {
    theWriter.WriteElement(FormatIndexedKey(keys::kPropertySheet, i), &theProperties->theData[i], kPropertyFields);
  }
  return true;
}

bool ExportAIActor(ShipFileWriter& theWriter, game::TESForm* theBase) {
  auto* theComponent = game::GetComponent<game::SpaceshipAIActorComponent>(theBase);
  return theComponent == nullptr || theWriter.WriteForm(keys::kSpaceshipAIActor, theComponent->theActor);
}

bool ExportVoiceType(ShipFileWriter& theWriter, game::TESForm* theBase) {
  auto* theComponent = game::GetComponent<game::LinkedVoiceTypeComponent>(theBase);
  return theComponent == nullptr || theComponent->theVoice == nullptr ||
         theWriter.WriteForm(keys::kLinkedVoiceType, theComponent->theVoice);
}

bool ExportWeaponBindings(ShipFileWriter& theWriter, game::TESForm* theBase) {
  auto* theComponent = game::GetComponent<game::SpaceshipWeaponBindingsComponent>(theBase);
  if (theComponent != nullptr) {
    theWriter.WriteValue(keys::kWeaponSlot1, FormatUInt32(theComponent->weaponSlot1));
    theWriter.WriteValue(keys::kWeaponSlot2, FormatUInt32(theComponent->weaponSlot2));
    theWriter.WriteValue(keys::kWeaponSlot3, FormatUInt32(theComponent->weaponSlot3));
  }
  return true;
}

bool ExportHullCode(ShipFileWriter& theWriter, game::TESForm* theBase) {
  auto* theComponent = game::GetComponent<game::SpaceshipHullCodeComponent>(theBase);
  if (theComponent != nullptr) theWriter.WriteText(keys::kHullCode, theComponent->hullCode);
  return true;
}

// The entries of a stored traversal list, each under "sListKey[n]".
bool ExportTraversalList(ShipFileWriter& theWriter, const std::string& sListKey,
                         const game::GameArray<game::TraversalEntry>& theList) {
  for (uint32_t n = 0; theList.theData != nullptr && n < theList.uCount; ++n) {
    if (!theWriter.WriteElement(FormatIndexedKey(sListKey, n), &theList.theData[n], kTraversalFields)) return false;
  }
  return true;
}

bool ExportStoredTraversals(ShipFileWriter& theWriter, game::TESForm* theBase) {
  auto* theComponent = game::GetComponent<game::StoredTraversalsComponent>(theBase);
  if (theComponent == nullptr) return true;
  if (!ExportTraversalList(theWriter, keys::kTraversals1, theComponent->traversals1)) return false;
  const auto& theGroups = theComponent->traversals2;
  for (uint32_t n = 0; theGroups.theData != nullptr && n < theGroups.uCount; ++n) {
    const game::TraversalGroup& theGroup = theGroups.theData[n];
    const std::string sGroupKey = FormatIndexedKey(keys::kTraversals2, n);
    if (!ExportTraversalList(theWriter, FormatFieldKey(sGroupKey, kGroupEntriesKey), theGroup.traversals) ||
        !theWriter.WriteElement(sGroupKey, &theGroup, kTraversalGroupFields)) {
      return false;
    }
  }
  return true;
}

bool ExportBlueprint(ShipFileWriter& theWriter, game::TESForm* theBase) {
  auto* theComponent = game::GetComponent<game::BlueprintComponent>(theBase);
  if (theComponent == nullptr) return true;
  theWriter.WriteValue(keys::kBlueprintUnk08, FormatUInt64(theComponent->unk08));
  theWriter.WriteText(keys::kBlueprintUnk10, theComponent->unk10);
  const auto& theModules = theComponent->data;
  for (uint32_t n = 0; theModules.theData != nullptr && n < theModules.uCount; ++n) {
    if (!theWriter.WriteElement(FormatIndexedKey(keys::kBlueprintData, n), &theModules.theData[n], kModuleFields)) {
      return false;
    }
  }
  theWriter.WriteValue(keys::kBlueprintUnk28, FormatUInt64(theComponent->unk28));
  theWriter.WriteValue(keys::kBlueprintUnk30, FormatUInt64(theComponent->unk30));
  theWriter.WriteValue(keys::kBlueprintUnk34, FormatUInt32(theComponent->unk34));
  theWriter.WriteValue(keys::kBlueprintUnk3C, FormatUInt32(theComponent->unk3C));
  return true;
}

bool ExportContainer(ShipFileWriter& theWriter, game::TESForm* theBase) {
  auto* theComponent = game::GetComponent<game::ContainerComponent>(theBase);
  if (theComponent == nullptr || theComponent->theEntries.theData == nullptr) return true;
  for (uint32_t n = 0; n < theComponent->theEntries.uCount; ++n) {
    const game::ContainerEntry* theEntry = theComponent->theEntries.theData[n];
    const std::string sEntryKey = FormatIndexedKey(keys::kContainer, n);
    if (theEntry != nullptr) {
      if (!theWriter.WriteElement(sEntryKey, theEntry, kContainerFields)) return false;
      continue;
    }
    // An entry the game left empty has neither count nor form: only its missing form is told.
    const ElementField& theObject = kContainerFields[std::size(kContainerFields) - 1];
    LOG_ERROR_IN(kExportFunction, theObject.sMissingFormError);
    if (!theWriter.WriteForm(FormatFieldKey(sEntryKey, theObject.sKey), nullptr)) return false;
  }
  return true;
}

bool ExportFullName(ShipFileWriter& theWriter, game::TESForm* theBase) {
  auto* theComponent = game::GetComponent<game::FullNameComponent>(theBase);
  if (theComponent != nullptr) theWriter.WriteText(keys::kFullName, theComponent->fullName);
  return true;
}

bool ExportModel(ShipFileWriter& theWriter, game::TESForm* theBase) {
  auto* theComponent = game::GetComponent<game::ModelComponent>(theBase);
  if (theComponent != nullptr) theWriter.WriteText(keys::kModel, theComponent->model);
  return true;
}

struct ComponentGroup {
  const char* sName;  // null: the "DisplayName |" line, which has no failure scope
  bool (*Export)(ShipFileWriter& theWriter, game::TESForm* theBase);
};

const ComponentGroup kComponentGroups[] = {
    {groups::kAddToInventoryOnDestroy, &ExportAddToInventoryOnDestroy},
    {groups::kAnimationGraph, &ExportAnimationGraph},
    {groups::kKeywordForm, &ExportKeywords},
    {groups::kAttachParentArray, &ExportAttachParents},
    {groups::kPropertySheet, &ExportPropertySheet},
    {groups::kSpaceshipAIActor, &ExportAIActor},
    {groups::kLinkedVoiceType, &ExportVoiceType},
    {groups::kWeaponBinding, &ExportWeaponBindings},
    {groups::kHullCode, &ExportHullCode},
    {groups::kStoredTraversalData, &ExportStoredTraversals},
    {groups::kBlueprint, &ExportBlueprint},
    {groups::kContainer, &ExportContainer},
    {nullptr, nullptr},
    {groups::kFullName, &ExportFullName},
    {groups::kModel, &ExportModel},
};

}  // namespace

bool ExportComponentGroups(ShipFileWriter& theWriter, game::TESForm* theBase, const std::string& sShipName) {
  for (const ComponentGroup& theGroup : kComponentGroups) {
    if (theGroup.sName == nullptr) {
      theWriter.WriteValue(keys::kDisplayName, sShipName);
      continue;
    }
    bool bContinue = true;
    RunGuarded(kExportFunction, FixedMessage(std::string("exception while exporting ") + theGroup.sName),
               [&] { bContinue = theGroup.Export(theWriter, theBase); });
    if (!bContinue) return false;
  }
  return true;
}

}  // namespace zorvane
