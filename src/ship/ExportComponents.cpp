#include "ship/ExportComponents.h"

#include <exception>

#include "game/Components.h"
#include "game/Game.h"
#include "plugin/Log.h"
#include "ship/BaseFormComponents.h"

namespace zorvane {
namespace {

bool ExportAddToInventoryOnDestroy(ShipFileWriter& theWriter, game::TESForm* theBase) {
  auto* theComponent =
      game::GetComponent<game::AddToInventoryOnDestroyComponent>(theBase, game::kAddToInventoryOnDestroyComponent);
  return theComponent == nullptr || theComponent->theForm == nullptr ||
         theWriter.WriteForm(keys::kAddToInventoryOnDestroyForm, theComponent->theForm);
}

bool ExportAnimationGraph(ShipFileWriter& theWriter, game::TESForm* theBase) {
  auto* theComponent = game::GetComponent<game::AnimationGraphComponent>(theBase, game::kAnimationGraphComponent);
  if (theComponent != nullptr) {
    theWriter.WriteText(keys::kRootAnimGraph, theComponent->rootAnimGraph);
    theWriter.WriteText(keys::kRigFile, theComponent->rigFile);
    theWriter.WriteText(keys::kAnimPath, theComponent->animPath);
    theWriter.WriteText(keys::kResponseFile, theComponent->responseFile);
  }
  return true;
}

bool ExportKeywords(ShipFileWriter& theWriter, game::TESForm* theBase) {
  auto* theComponent = game::GetComponent<game::KeywordFormComponent>(theBase, game::kKeywordFormComponent);
  if (theComponent == nullptr || theComponent->theKeywords == nullptr) return true;
  for (uint32_t i = 0; i < theComponent->uCount; ++i) {
    // An empty slot keeps its index unused.
    game::TESForm* theKeyword = theComponent->theKeywords[i];
    if (theKeyword != nullptr && !theWriter.WriteForm(FormatIndexedKey(keys::kKeywordForm, i), theKeyword)) {
      return false;
    }
  }
  return true;
}

bool ExportAttachParents(ShipFileWriter& theWriter, game::TESForm* theBase) {
  auto* theComponent = game::GetComponent<game::AttachParentArrayComponent>(theBase, game::kAttachParentArrayComponent);
  if (theComponent == nullptr || theComponent->theParents.theData == nullptr) return true;
  for (uint32_t i = 0; i < theComponent->theParents.uCount; ++i) {
    game::TESForm* theKeyword = theComponent->theParents.theData[i];
    if (theKeyword == nullptr || game::GetFormType(theKeyword) != game::kFormTypeKeyword) break;
    if (!theWriter.WriteForm(FormatIndexedKey(keys::kAttachParentArray, i), theKeyword)) return false;
  }
  return true;
}

bool ExportPropertySheet(ShipFileWriter& theWriter, game::TESForm* theBase) {
  auto* theComponent = game::GetComponent<game::PropertySheetComponent>(theBase, game::kPropertySheetComponent);
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
    const game::PropertyEntry& theEntry = theProperties->theData[i];
    const std::string sEntryKey = FormatIndexedKey(keys::kPropertySheet, i);
    theWriter.WritePropertyForm(FormatFieldKey(sEntryKey, keys::kPropertyFields[0]), theEntry.first);
    if (theEntry.second != nullptr) {
      theWriter.WritePropertyForm(FormatFieldKey(sEntryKey, keys::kPropertyFields[1]), theEntry.second);
    }
    theWriter.WriteFloat(FormatFieldKey(sEntryKey, keys::kPropertyFields[2]), theEntry.third);
  }
  return true;
}

bool ExportAIActor(ShipFileWriter& theWriter, game::TESForm* theBase) {
  auto* theComponent = game::GetComponent<game::SpaceshipAIActorComponent>(theBase, game::kSpaceshipAIActorComponent);
  return theComponent == nullptr || theWriter.WriteForm(keys::kSpaceshipAIActor, theComponent->theActor);
}

bool ExportVoiceType(ShipFileWriter& theWriter, game::TESForm* theBase) {
  auto* theComponent = game::GetComponent<game::LinkedVoiceTypeComponent>(theBase, game::kLinkedVoiceTypeComponent);
  return theComponent == nullptr || theComponent->theVoice == nullptr ||
         theWriter.WriteForm(keys::kLinkedVoiceType, theComponent->theVoice);
}

bool ExportWeaponBindings(ShipFileWriter& theWriter, game::TESForm* theBase) {
  auto* theComponent =
      game::GetComponent<game::SpaceshipWeaponBindingsComponent>(theBase, game::kSpaceshipWeaponBindingsComponent);
  if (theComponent != nullptr) {
    theWriter.WriteValue(keys::kWeaponSlot1, FormatUInt32(theComponent->weaponSlot1));
    theWriter.WriteValue(keys::kWeaponSlot2, FormatUInt32(theComponent->weaponSlot2));
    theWriter.WriteValue(keys::kWeaponSlot3, FormatUInt32(theComponent->weaponSlot3));
  }
  return true;
}

bool ExportHullCode(ShipFileWriter& theWriter, game::TESForm* theBase) {
  auto* theComponent = game::GetComponent<game::SpaceshipHullCodeComponent>(theBase, game::kSpaceshipHullCodeComponent);
  if (theComponent != nullptr) theWriter.WriteText(keys::kHullCode, theComponent->hullCode);
  return true;
}

// The 16 lines of one stored traversal entry, in the order of keys::kTraversalFields.
bool ExportTraversalEntry(ShipFileWriter& theWriter, const std::string& sEntryKey,
                          const game::TraversalEntry& theEntry) {
  auto Key = [&sEntryKey](std::size_t i) { return FormatFieldKey(sEntryKey, keys::kTraversalFields[i]); };
  const float fOffsets[] = {theEntry.unk00, theEntry.unk04, theEntry.unk08};
  for (std::size_t i = 0; i < 3; ++i) theWriter.WriteFloat(Key(i), fOffsets[i]);
  theWriter.WriteValue(Key(3), FormatUInt32(theEntry.unk0C));
  if (theEntry.traversal == nullptr) LOG_ERROR_IN(kExportFunction, "traversal is nullptr");
  if (!theWriter.WriteForm(Key(4), theEntry.traversal)) return false;
  const float fPath[] = {theEntry.fFromX, theEntry.fFromY, theEntry.fFromZ,     theEntry.fToX,
                         theEntry.fToY,   theEntry.fToZ,   theEntry.fUnknown30, theEntry.fUnknown34};
  for (std::size_t i = 0; i < 8; ++i) theWriter.WriteFloat(Key(5 + i), fPath[i]);
  const uint32_t uFlags[] = {theEntry.uUnknown38, theEntry.uUnknown3C, theEntry.unk40};
  for (std::size_t i = 0; i < 3; ++i) theWriter.WriteValue(Key(13 + i), FormatUInt32(uFlags[i]));
  return true;
}

bool ExportStoredTraversals(ShipFileWriter& theWriter, game::TESForm* theBase) {
  auto* theComponent = game::GetComponent<game::StoredTraversalsComponent>(theBase, game::kStoredTraversalsComponent);
  if (theComponent == nullptr) return true;
  const auto& theFirst = theComponent->traversals1;
  for (uint32_t n = 0; theFirst.theData != nullptr && n < theFirst.uCount; ++n) {
    if (!ExportTraversalEntry(theWriter, FormatIndexedKey(keys::kTraversals1, n), theFirst.theData[n])) return false;
  }
  const auto& theSecond = theComponent->traversals2;
  for (uint32_t n = 0; theSecond.theData != nullptr && n < theSecond.uCount; ++n) {
    const game::TraversalGroup& theGroup = theSecond.theData[n];
    const std::string sGroupKey = FormatIndexedKey(keys::kTraversals2, n);
    const std::string sEntriesKey = FormatFieldKey(sGroupKey, keys::kGroupTraversals);
    for (uint32_t m = 0; theGroup.traversals.theData != nullptr && m < theGroup.traversals.uCount; ++m) {
      if (!ExportTraversalEntry(theWriter, FormatIndexedKey(sEntriesKey, m), theGroup.traversals.theData[m])) {
        return false;
      }
    }
    const float fGroup[] = {theGroup.unk14, theGroup.unk18, theGroup.unk1C, theGroup.unk20, theGroup.unk24};
    for (std::size_t i = 0; i < 5; ++i) {
      theWriter.WriteFloat(FormatFieldKey(sGroupKey, keys::kTraversalGroupFields[i]), fGroup[i]);
    }
  }
  return true;
}

// The 25 lines of one module placement, in the order of keys::kModuleFields.
bool ExportBlueprintModule(ShipFileWriter& theWriter, const std::string& sEntryKey,
                           const game::BlueprintModule& theModule) {
  auto Key = [&sEntryKey](std::size_t i) { return FormatFieldKey(sEntryKey, keys::kModuleFields[i]); };
  const float fPlacement[] = {theModule.fPosX, theModule.fPosY, theModule.fPosZ,
                              theModule.fRotX, theModule.fRotY, theModule.fRotZ};
  for (std::size_t i = 0; i < 6; ++i) theWriter.WriteFloat(Key(i), fPlacement[i]);
  theWriter.WriteValue(Key(6), FormatUInt32(theModule.partID));
  const float fUnknown[] = {theModule.unk1C, theModule.unk20, theModule.unk24, theModule.unk28,
                            theModule.unk2C, theModule.unk30, theModule.unk34};
  for (std::size_t i = 0; i < 7; ++i) theWriter.WriteFloat(Key(7 + i), fUnknown[i]);
  const uint8_t uBytes[] = {theModule.unk38, theModule.unk39, theModule.unk3A, theModule.unk3B, theModule.unk3C};
  for (std::size_t i = 0; i < 5; ++i) theWriter.WriteValue(Key(14 + i), FormatByte(uBytes[i]));
  theWriter.WriteValue(Key(19), FormatUInt32(theModule.unk40));
  theWriter.WriteValue(Key(20), FormatUInt32(theModule.unk44));
  theWriter.WriteValue(Key(21), FormatByteBlock(theModule.unk48_98, sizeof(theModule.unk48_98)));
  if (theModule.item == nullptr) LOG_ERROR_IN(kExportFunction, "data.item is nullptr");
  if (!theWriter.WriteForm(Key(22), theModule.item)) return false;
  theWriter.WriteValue(Key(23), FormatUInt32(theModule.unkA0));
  theWriter.WriteValue(Key(24), FormatUInt32(theModule.unkA4));
  return true;
}

bool ExportBlueprint(ShipFileWriter& theWriter, game::TESForm* theBase) {
  auto* theComponent = game::GetComponent<game::BlueprintComponent>(theBase, game::kBlueprintComponent);
  if (theComponent == nullptr) return true;
  theWriter.WriteValue(keys::kBlueprintUnk08, FormatUInt64(theComponent->unk08));
  theWriter.WriteText(keys::kBlueprintUnk10, theComponent->unk10);
  const auto& theModules = theComponent->data;
  for (uint32_t n = 0; theModules.theData != nullptr && n < theModules.uCount; ++n) {
    if (!ExportBlueprintModule(theWriter, FormatIndexedKey(keys::kBlueprintData, n), theModules.theData[n])) {
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
  auto* theComponent = game::GetComponent<game::ContainerComponent>(theBase, game::kContainerComponent);
  if (theComponent == nullptr || theComponent->theEntries.theData == nullptr) return true;
  for (uint32_t n = 0; n < theComponent->theEntries.uCount; ++n) {
    const game::ContainerEntry* theEntry = theComponent->theEntries.theData[n];
    const std::string sEntryKey = FormatIndexedKey(keys::kContainer, n);
    // An entry the game left empty has neither count nor form to write.
    if (theEntry != nullptr) {
      theWriter.WriteValue(FormatFieldKey(sEntryKey, keys::kContainerFields[0]), FormatInt32(theEntry->count));
      theWriter.WriteValue(FormatFieldKey(sEntryKey, keys::kContainerFields[1]), FormatAddress(theEntry->itemExtra));
    }
    game::TESForm* theObject = theEntry != nullptr ? theEntry->obj : nullptr;
    if (theObject == nullptr) LOG_ERROR_IN(kExportFunction, "object.obj is nullptr");
    if (!theWriter.WriteForm(FormatFieldKey(sEntryKey, keys::kContainerFields[2]), theObject)) return false;
  }
  return true;
}

bool ExportFullName(ShipFileWriter& theWriter, game::TESForm* theBase) {
  auto* theComponent = game::GetComponent<game::FullNameComponent>(theBase, game::kFullNameComponent);
  if (theComponent != nullptr) theWriter.WriteText(keys::kFullName, theComponent->fullName);
  return true;
}

bool ExportModel(ShipFileWriter& theWriter, game::TESForm* theBase) {
  auto* theComponent = game::GetComponent<game::ModelComponent>(theBase, game::kModelComponent);
  if (theComponent != nullptr) theWriter.WriteText(keys::kModel, theComponent->model);
  return true;
}

struct ComponentGroup {
  const char* sName;  // null: the "DisplayName |" line, which has no failure scope
  bool (*Export)(ShipFileWriter& theWriter, game::TESForm* theBase);
};

const ComponentGroup kComponentGroups[] = {
    {"BGSAddToInventoryOnDestroy", &ExportAddToInventoryOnDestroy},
    {"BGSAnimationGraphComponent", &ExportAnimationGraph},
    {"BGSKeywordForm", &ExportKeywords},
    {"BGSAttachParentArray", &ExportAttachParents},
    {"BGSPropertySheet", &ExportPropertySheet},
    {"BGSSpaceshipAIActor", &ExportAIActor},
    {"BGSLinkedVoiceType", &ExportVoiceType},
    {"BGSSpaceshipWeaponBinding", &ExportWeaponBindings},
    {"BGSSpaceshipHullCode", &ExportHullCode},
    {"BGSStoredTraversalData", &ExportStoredTraversals},
    {"Blueprint", &ExportBlueprint},
    {"TESContainer", &ExportContainer},
    {nullptr, nullptr},
    {"TESFullName", &ExportFullName},
    {"TESModel", &ExportModel},
};

}  // namespace

bool ExportComponentGroups(ShipFileWriter& theWriter, game::TESForm* theBase, const std::string& sShipName) {
  for (const ComponentGroup& theGroup : kComponentGroups) {
    if (theGroup.sName == nullptr) {
      theWriter.WriteValue(keys::kDisplayName, sShipName);
      continue;
    }
    try {
      if (!theGroup.Export(theWriter, theBase)) return false;
    } catch (...) {
      LOG_ERROR_IN(kExportFunction, std::string("exception while exporting ") + theGroup.sName);
    }
  }
  return true;
}

}  // namespace zorvane
