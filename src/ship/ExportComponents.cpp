#include "ship/ExportComponents.h"

#include <exception>

#include "game/Components.h"
#include "game/Game.h"
#include "plugin/Log.h"
#include "ship/BaseFormComponents.h"

namespace zorvane {
namespace {

using Writer = ShipFileWriter;

bool ExportAddToInventoryOnDestroy(Writer& theWriter, game::TESForm* theBase) {
  auto* theComponent =
      game::GetComponent<game::AddToInventoryOnDestroyComponent>(theBase, game::kAddToInventoryOnDestroyComponent);
  return theComponent == nullptr || theComponent->theForm == nullptr ||
         theWriter.WriteForm("BGSAddToInventoryOnDestroy.form", theComponent->theForm);
}

bool ExportAnimationGraph(Writer& theWriter, game::TESForm* theBase) {
  auto* theComponent = game::GetComponent<game::AnimationGraphComponent>(theBase, game::kAnimationGraphComponent);
  if (theComponent != nullptr) {
    theWriter.WriteText("BGSAnimationGraphComponent.rootAnimGraph", theComponent->rootAnimGraph);
    theWriter.WriteText("BGSAnimationGraphComponent.rigFile", theComponent->rigFile);
    theWriter.WriteText("BGSAnimationGraphComponent.animPath", theComponent->animPath);
    theWriter.WriteText("BGSAnimationGraphComponent.responseFile", theComponent->responseFile);
  }
  return true;
}

bool ExportKeywords(Writer& theWriter, game::TESForm* theBase) {
  auto* theComponent = game::GetComponent<game::KeywordFormComponent>(theBase, game::kKeywordFormComponent);
  if (theComponent == nullptr || theComponent->theKeywords == nullptr) return true;
  for (uint32_t i = 0; i < theComponent->uCount; ++i) {
    // An empty slot keeps its index unused.
    if (theComponent->theKeywords[i] != nullptr &&
        !theWriter.WriteForm(FormatIndexedKey("BGSKeywordForm", i) + "]", theComponent->theKeywords[i])) {
      return false;
    }
  }
  return true;
}

bool ExportAttachParents(Writer& theWriter, game::TESForm* theBase) {
  auto* theComponent = game::GetComponent<game::AttachParentArrayComponent>(theBase, game::kAttachParentArrayComponent);
  if (theComponent == nullptr || theComponent->theParents.theData == nullptr) return true;
  for (uint32_t i = 0; i < theComponent->theParents.uCount; ++i) {
    game::TESForm* theKeyword = theComponent->theParents.theData[i];
    if (theKeyword == nullptr || game::GetFormType(theKeyword) != game::kFormTypeKeyword) break;
    if (!theWriter.WriteForm(FormatIndexedKey("BGSAttachParentArray", i) + "]", theKeyword)) return false;
  }
  return true;
}

bool ExportPropertySheet(Writer& theWriter, game::TESForm* theBase) {
  auto* theComponent = game::GetComponent<game::PropertySheetComponent>(theBase, game::kPropertySheetComponent);
  if (theComponent == nullptr) return true;
  if (theComponent->theProperties == nullptr) {
    LOG_ERROR_IN(kExportFunction, "Properties is nullptr");
    return false;
  }
  if (theComponent->theProperties->uCount == 0 || theComponent->theProperties->theData == nullptr) {
    LOG_ERROR_IN(kExportFunction, "Properties->size == 0");
    return false;
  }
  for (uint32_t i = 0; i < theComponent->theProperties->uCount; ++i) {
    const game::PropertyEntry& theEntry = theComponent->theProperties->theData[i];
    std::string sKey = FormatIndexedKey("BGSPropertySheet", i);
    theWriter.WritePropertyForm(sKey + "].first", theEntry.first);
    if (theEntry.second != nullptr) theWriter.WritePropertyForm(sKey + "].second", theEntry.second);
    theWriter.WriteFloat(sKey + "].third", theEntry.third);
  }
  return true;
}

bool ExportAIActor(Writer& theWriter, game::TESForm* theBase) {
  auto* theComponent = game::GetComponent<game::SpaceshipAIActorComponent>(theBase, game::kSpaceshipAIActorComponent);
  return theComponent == nullptr || theWriter.WriteForm("BGSSpaceshipAIActor.actor", theComponent->theActor);
}

bool ExportVoiceType(Writer& theWriter, game::TESForm* theBase) {
  auto* theComponent = game::GetComponent<game::LinkedVoiceTypeComponent>(theBase, game::kLinkedVoiceTypeComponent);
  return theComponent == nullptr || theComponent->theVoice == nullptr ||
         theWriter.WriteForm("BGSLinkedVoiceType.voice", theComponent->theVoice);
}

bool ExportWeaponBindings(Writer& theWriter, game::TESForm* theBase) {
  auto* theComponent =
      game::GetComponent<game::SpaceshipWeaponBindingsComponent>(theBase, game::kSpaceshipWeaponBindingsComponent);
  if (theComponent != nullptr) {
    theWriter.WriteValue("BGSSpaceshipWeaponBinding.weaponSlot1", FormatUInt32(theComponent->weaponSlot1));
    theWriter.WriteValue("BGSSpaceshipWeaponBinding.weaponSlot2", FormatUInt32(theComponent->weaponSlot2));
    theWriter.WriteValue("BGSSpaceshipWeaponBinding.weaponSlot3", FormatUInt32(theComponent->weaponSlot3));
  }
  return true;
}

bool ExportHullCode(Writer& theWriter, game::TESForm* theBase) {
  auto* theComponent = game::GetComponent<game::SpaceshipHullCodeComponent>(theBase, game::kSpaceshipHullCodeComponent);
  if (theComponent != nullptr) theWriter.WriteText("BGSSpaceshipHullCode.hullCode", theComponent->hullCode);
  return true;
}

// The 16 lines of one stored traversal entry, sPrefix being its key prefix.
bool ExportTraversalEntry(Writer& theWriter, const std::string& sPrefix, const game::TraversalEntry& theEntry) {
  theWriter.WriteFloat(sPrefix + "].unk00", theEntry.unk00);
  theWriter.WriteFloat(sPrefix + "].unk04", theEntry.unk04);
  theWriter.WriteFloat(sPrefix + "].unk08", theEntry.unk08);
  theWriter.WriteValue(sPrefix + "].unk0C", FormatUInt32(theEntry.unk0C));
  if (theEntry.traversal == nullptr) LOG_ERROR_IN(kExportFunction, "traversal is nullptr");
  if (!theWriter.WriteForm(sPrefix + "].traversal", theEntry.traversal)) return false;
  theWriter.WriteFloat(sPrefix + "].fFromX", theEntry.fFromX);
  theWriter.WriteFloat(sPrefix + "].fFromY", theEntry.fFromY);
  theWriter.WriteFloat(sPrefix + "].fFromZ", theEntry.fFromZ);
  theWriter.WriteFloat(sPrefix + "].fToX", theEntry.fToX);
  theWriter.WriteFloat(sPrefix + "].fToY", theEntry.fToY);
  theWriter.WriteFloat(sPrefix + "].fToZ", theEntry.fToZ);
  theWriter.WriteFloat(sPrefix + "].fUnknown30", theEntry.fUnknown30);
  theWriter.WriteFloat(sPrefix + "].fUnknown34", theEntry.fUnknown34);
  theWriter.WriteValue(sPrefix + "].uUnknown38", FormatUInt32(theEntry.uUnknown38));
  theWriter.WriteValue(sPrefix + "].uUnknown3C", FormatUInt32(theEntry.uUnknown3C));
  theWriter.WriteValue(sPrefix + "].unk40", FormatUInt32(theEntry.unk40));
  return true;
}

bool ExportStoredTraversals(Writer& theWriter, game::TESForm* theBase) {
  auto* theComponent = game::GetComponent<game::StoredTraversalsComponent>(theBase, game::kStoredTraversalsComponent);
  if (theComponent == nullptr) return true;
  for (uint32_t n = 0; theComponent->traversals1.theData != nullptr && n < theComponent->traversals1.uCount; ++n) {
    if (!ExportTraversalEntry(theWriter, FormatIndexedKey("BGSStoredTraversalData.traversals1", n),
                              theComponent->traversals1.theData[n])) {
      return false;
    }
  }
  for (uint32_t n = 0; theComponent->traversals2.theData != nullptr && n < theComponent->traversals2.uCount; ++n) {
    const game::TraversalGroup& theGroup = theComponent->traversals2.theData[n];
    std::string sGroupPrefix = FormatIndexedKey("BGSStoredTraversalData.traversals2", n);
    for (uint32_t m = 0; theGroup.traversals.theData != nullptr && m < theGroup.traversals.uCount; ++m) {
      if (!ExportTraversalEntry(theWriter, FormatIndexedKey(sGroupPrefix + "].traversals", m),
                                theGroup.traversals.theData[m])) {
        return false;
      }
    }
    theWriter.WriteFloat(sGroupPrefix + "].unk14", theGroup.unk14);
    theWriter.WriteFloat(sGroupPrefix + "].unk18", theGroup.unk18);
    theWriter.WriteFloat(sGroupPrefix + "].unk1C", theGroup.unk1C);
    theWriter.WriteFloat(sGroupPrefix + "].unk20", theGroup.unk20);
    theWriter.WriteFloat(sGroupPrefix + "].unk24", theGroup.unk24);
  }
  return true;
}

// The 24 lines of one module placement.
bool ExportBlueprintModule(Writer& theWriter, const std::string& sPrefix, const game::BlueprintModule& theModule) {
  theWriter.WriteFloat(sPrefix + "].fPosX", theModule.fPosX);
  theWriter.WriteFloat(sPrefix + "].fPosY", theModule.fPosY);
  theWriter.WriteFloat(sPrefix + "].fPosZ", theModule.fPosZ);
  theWriter.WriteFloat(sPrefix + "].fRotX", theModule.fRotX);
  theWriter.WriteFloat(sPrefix + "].fRotY", theModule.fRotY);
  theWriter.WriteFloat(sPrefix + "].fRotZ", theModule.fRotZ);
  theWriter.WriteValue(sPrefix + "].partID", FormatUInt32(theModule.partID));
  theWriter.WriteFloat(sPrefix + "].unk1C", theModule.unk1C);
  theWriter.WriteFloat(sPrefix + "].unk20", theModule.unk20);
  theWriter.WriteFloat(sPrefix + "].unk24", theModule.unk24);
  theWriter.WriteFloat(sPrefix + "].unk28", theModule.unk28);
  theWriter.WriteFloat(sPrefix + "].unk2C", theModule.unk2C);
  theWriter.WriteFloat(sPrefix + "].unk30", theModule.unk30);
  theWriter.WriteFloat(sPrefix + "].unk34", theModule.unk34);
  theWriter.WriteValue(sPrefix + "].unk38", FormatByte(theModule.unk38));
  theWriter.WriteValue(sPrefix + "].unk39", FormatByte(theModule.unk39));
  theWriter.WriteValue(sPrefix + "].unk3A", FormatByte(theModule.unk3A));
  theWriter.WriteValue(sPrefix + "].unk3B", FormatByte(theModule.unk3B));
  theWriter.WriteValue(sPrefix + "].unk3C", FormatByte(theModule.unk3C));
  theWriter.WriteValue(sPrefix + "].unk40", FormatUInt32(theModule.unk40));
  theWriter.WriteValue(sPrefix + "].unk44", FormatUInt32(theModule.unk44));
  theWriter.WriteValue(sPrefix + "].unk48_98", FormatByteBlock(theModule.unk48_98, sizeof(theModule.unk48_98)));
  if (theModule.item == nullptr) LOG_ERROR_IN(kExportFunction, "data.item is nullptr");
  if (!theWriter.WriteForm(sPrefix + "].item", theModule.item)) return false;
  theWriter.WriteValue(sPrefix + "].unkA0", FormatUInt32(theModule.unkA0));
  theWriter.WriteValue(sPrefix + "].unkA4", FormatUInt32(theModule.unkA4));
  return true;
}

bool ExportBlueprint(Writer& theWriter, game::TESForm* theBase) {
  auto* theComponent = game::GetComponent<game::BlueprintComponent>(theBase, game::kBlueprintComponent);
  if (theComponent == nullptr) return true;
  theWriter.WriteValue("Blueprint.unk08", FormatUInt64(theComponent->unk08));
  theWriter.WriteText("Blueprint.unk10", theComponent->unk10);
  for (uint32_t n = 0; theComponent->data.theData != nullptr && n < theComponent->data.uCount; ++n) {
    if (!ExportBlueprintModule(theWriter, FormatIndexedKey("Blueprint.data", n), theComponent->data.theData[n]))
      return false;
  }
  theWriter.WriteValue("Blueprint.unk28", FormatUInt64(theComponent->unk28));
  theWriter.WriteValue("Blueprint.unk30", FormatUInt64(theComponent->unk30));
  theWriter.WriteValue("Blueprint.unk34", FormatUInt32(theComponent->unk34));
  theWriter.WriteValue("Blueprint.unk3C", FormatUInt32(theComponent->unk3C));
  return true;
}

bool ExportContainer(Writer& theWriter, game::TESForm* theBase) {
  auto* theComponent = game::GetComponent<game::ContainerComponent>(theBase, game::kContainerComponent);
  if (theComponent == nullptr || theComponent->theEntries.theData == nullptr) return true;
  for (uint32_t n = 0; n < theComponent->theEntries.uCount; ++n) {
    const game::ContainerEntry* theEntry = theComponent->theEntries.theData[n];
    std::string sPrefix = FormatIndexedKey("TESContainer", n);
    if (theEntry == nullptr) {
      // An entry the game left empty has no form to name either.
      LOG_ERROR_IN(kExportFunction, "object.obj is nullptr");
      return theWriter.WriteForm(sPrefix + "].obj", nullptr);
    }
    theWriter.WriteValue(sPrefix + "].count", FormatInt32(theEntry->count));
    theWriter.WriteValue(sPrefix + "].itemExtra", FormatAddress(theEntry->itemExtra));
    if (theEntry->obj == nullptr) LOG_ERROR_IN(kExportFunction, "object.obj is nullptr");
    if (!theWriter.WriteForm(sPrefix + "].obj", theEntry->obj)) return false;
  }
  return true;
}

bool ExportFullName(Writer& theWriter, game::TESForm* theBase) {
  auto* theComponent = game::GetComponent<game::FullNameComponent>(theBase, game::kFullNameComponent);
  if (theComponent != nullptr) theWriter.WriteText("TESFullName.fullName", theComponent->fullName);
  return true;
}

bool ExportModel(Writer& theWriter, game::TESForm* theBase) {
  auto* theComponent = game::GetComponent<game::ModelComponent>(theBase, game::kModelComponent);
  if (theComponent != nullptr) theWriter.WriteText("TESModel.model", theComponent->model);
  return true;
}

struct ComponentGroup {
  const char* sName;  // null: the "DisplayName |" line, which has no failure scope
  bool (*Export)(Writer& theWriter, game::TESForm* theBase);
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
      theWriter.WriteValue("DisplayName", sShipName);
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
