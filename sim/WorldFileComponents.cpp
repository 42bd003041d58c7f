// The components of base forms in world files, read into game memory with the layouts of
// src/game/Components.h and written back in the same shape. A component's members are named
// after its fields; fields a file leaves out stay zero.
#include <cstddef>

#include "WorldFileFields.h"
#include "WorldFileParts.h"

namespace sim::worldfile {
namespace {

#define ZV_FIELD(type, member, kind) \
  Field { #member, offsetof(type, member), FieldKind::kind }

const Fields kTraversalEntryFields = {
    ZV_FIELD(game::TraversalEntry, unk00, kFloat),       ZV_FIELD(game::TraversalEntry, unk04, kFloat),
    ZV_FIELD(game::TraversalEntry, unk08, kFloat),       ZV_FIELD(game::TraversalEntry, unk0C, kUInt32),
    ZV_FIELD(game::TraversalEntry, traversal, kForm),    ZV_FIELD(game::TraversalEntry, fFromX, kFloat),
    ZV_FIELD(game::TraversalEntry, fFromY, kFloat),      ZV_FIELD(game::TraversalEntry, fFromZ, kFloat),
    ZV_FIELD(game::TraversalEntry, fToX, kFloat),        ZV_FIELD(game::TraversalEntry, fToY, kFloat),
    ZV_FIELD(game::TraversalEntry, fToZ, kFloat),        ZV_FIELD(game::TraversalEntry, fUnknown30, kFloat),
    ZV_FIELD(game::TraversalEntry, fUnknown34, kFloat),  ZV_FIELD(game::TraversalEntry, uUnknown38, kUInt32),
    ZV_FIELD(game::TraversalEntry, uUnknown3C, kUInt32), ZV_FIELD(game::TraversalEntry, unk40, kUInt32),
};

const Fields kTraversalGroupFields = {
    ZV_FIELD(game::TraversalGroup, unk14, kFloat), ZV_FIELD(game::TraversalGroup, unk18, kFloat),
    ZV_FIELD(game::TraversalGroup, unk1C, kFloat), ZV_FIELD(game::TraversalGroup, unk20, kFloat),
    ZV_FIELD(game::TraversalGroup, unk24, kFloat),
};

const Fields kModuleFields = {
    ZV_FIELD(game::BlueprintModule, fPosX, kFloat),   ZV_FIELD(game::BlueprintModule, fPosY, kFloat),
    ZV_FIELD(game::BlueprintModule, fPosZ, kFloat),   ZV_FIELD(game::BlueprintModule, fRotX, kFloat),
    ZV_FIELD(game::BlueprintModule, fRotY, kFloat),   ZV_FIELD(game::BlueprintModule, fRotZ, kFloat),
    ZV_FIELD(game::BlueprintModule, partID, kUInt32), ZV_FIELD(game::BlueprintModule, unk1C, kFloat),
    ZV_FIELD(game::BlueprintModule, unk20, kFloat),   ZV_FIELD(game::BlueprintModule, unk24, kFloat),
    ZV_FIELD(game::BlueprintModule, unk28, kFloat),   ZV_FIELD(game::BlueprintModule, unk2C, kFloat),
    ZV_FIELD(game::BlueprintModule, unk30, kFloat),   ZV_FIELD(game::BlueprintModule, unk34, kFloat),
    ZV_FIELD(game::BlueprintModule, unk38, kByte),    ZV_FIELD(game::BlueprintModule, unk39, kByte),
    ZV_FIELD(game::BlueprintModule, unk3A, kByte),    ZV_FIELD(game::BlueprintModule, unk3B, kByte),
    ZV_FIELD(game::BlueprintModule, unk3C, kByte),    ZV_FIELD(game::BlueprintModule, unk40, kUInt32),
    ZV_FIELD(game::BlueprintModule, unk44, kUInt32),  ZV_FIELD(game::BlueprintModule, unk48_98, kBlock),
    ZV_FIELD(game::BlueprintModule, item, kForm),     ZV_FIELD(game::BlueprintModule, unkA0, kUInt32),
    ZV_FIELD(game::BlueprintModule, unkA4, kUInt32),
};

const Fields kPropertyFields = {
    ZV_FIELD(game::PropertyEntry, first, kForm),
    ZV_FIELD(game::PropertyEntry, second, kForm),
    ZV_FIELD(game::PropertyEntry, third, kFloat),
};

#undef ZV_FIELD

// The list member `sName` of a component, each element read by `Read`; absent gives none.
template <typename T, typename ReadFn>
std::vector<T> ReadList(const json& theValue, const char* sName, const Where& theWhere, ReadFn Read) {
  std::vector<T> theItems;
  if (!theValue.contains(sName)) return theItems;
  const json& theList = theValue.at(sName);
  CheckArray(theList, theWhere[sName]);
  for (std::size_t i = 0; i < theList.size(); ++i) theItems.push_back(Read(theList.at(i), theWhere[sName][i]));
  return theItems;
}

template <typename T>
T ReadStruct(World& theWorld, const json& theValue, const Where& theWhere, const Fields& theFields) {
  T theItem{};
  ReadFields(theWorld, &theItem, theValue, theWhere, theFields);
  return theItem;
}

template <typename T, typename DumpFn>
json DumpArray(const game::GameArray<T>& theArray, DumpFn Dump) {
  json theList = json::array();
  for (uint32_t i = 0; i < theArray.uCount; ++i) theList.push_back(Dump(theArray.theData[i]));
  return theList;
}

// A component type: its plain fields, and for the types that hold lists, their reader and
// writer.
struct ComponentType {
  const char* sTypeName;
  std::size_t uSize;
  Fields theFields;
  std::vector<const char*> theListMembers;
  void (*ReadLists)(World& theWorld, void* theComponent, const json& theValue, const Where& theWhere);
  void (*DumpLists)(const void* theComponent, json& theResult);
};

void ReadKeywordSlots(World& theWorld, void* theComponent, const json& theValue, const Where& theWhere) {
  auto* theKeywords = static_cast<game::KeywordFormComponent*>(theComponent);
  auto theSlots = ReadList<game::TESForm*>(theValue, "keywords", theWhere,
                                           [&](const json& v, const Where& w) { return ReadForm(theWorld, v, w); });
  theKeywords->uCount = static_cast<uint32_t>(theSlots.size());
  if (theSlots.empty()) return;
  theKeywords->theKeywords = theWorld.theHeap.NewArray<game::TESForm*>(theSlots.size());
  for (std::size_t i = 0; i < theSlots.size(); ++i) theKeywords->theKeywords[i] = theSlots[i];
}
void DumpKeywordSlots(const void* theComponent, json& theResult) {
  const auto* theKeywords = static_cast<const game::KeywordFormComponent*>(theComponent);
  json theSlots = json::array();
  for (uint32_t i = 0; i < theKeywords->uCount; ++i) theSlots.push_back(DumpForm(theKeywords->theKeywords[i]));
  theResult["keywords"] = theSlots;
}

void ReadAttachParents(World& theWorld, void* theComponent, const json& theValue, const Where& theWhere) {
  auto* theParents = static_cast<game::AttachParentArrayComponent*>(theComponent);
  theWorld.FillArray(theParents->theParents,
                     ReadList<game::TESForm*>(theValue, "parents", theWhere,
                                              [&](const json& v, const Where& w) { return ReadForm(theWorld, v, w); }));
}
void DumpAttachParents(const void* theComponent, json& theResult) {
  theResult["parents"] = DumpArray(static_cast<const game::AttachParentArrayComponent*>(theComponent)->theParents,
                                   [](game::TESForm* theForm) { return DumpForm(theForm); });
}

void ReadProperties(World& theWorld, void* theComponent, const json& theValue, const Where& theWhere) {
  if (!theValue.contains("properties") || theValue.at("properties").is_null()) return;
  auto* theSheet = static_cast<game::PropertySheetComponent*>(theComponent);
  theSheet->theProperties = theWorld.theHeap.New<game::GameArray<game::PropertyEntry>>();
  theWorld.FillArray(
      *theSheet->theProperties,
      ReadList<game::PropertyEntry>(theValue, "properties", theWhere, [&](const json& v, const Where& w) {
        return ReadStruct<game::PropertyEntry>(theWorld, v, w, kPropertyFields);
      }));
}
void DumpProperties(const void* theComponent, json& theResult) {
  const auto* theSheet = static_cast<const game::PropertySheetComponent*>(theComponent);
  theResult["properties"] =
      theSheet->theProperties == nullptr
          ? json(nullptr)
          : DumpArray(*theSheet->theProperties, [](const auto& e) { return DumpFields(&e, kPropertyFields); });
}

game::TraversalEntry ReadTraversal(World& theWorld, const json& theValue, const Where& theWhere) {
  return ReadStruct<game::TraversalEntry>(theWorld, theValue, theWhere, kTraversalEntryFields);
}
void ReadTraversals(World& theWorld, void* theComponent, const json& theValue, const Where& theWhere) {
  auto* theStored = static_cast<game::StoredTraversalsComponent*>(theComponent);
  auto ReadEntry = [&](const json& v, const Where& w) { return ReadTraversal(theWorld, v, w); };
  theWorld.FillArray(theStored->traversals1,
                     ReadList<game::TraversalEntry>(theValue, "traversals1", theWhere, ReadEntry));
  auto theGroups =
      ReadList<game::TraversalGroup>(theValue, "traversals2", theWhere, [&](const json& v, const Where& w) {
        game::TraversalGroup theGroup{};
        ReadFields(theWorld, &theGroup, v, w, kTraversalGroupFields, {"traversals"});
        theWorld.FillArray(theGroup.traversals, ReadList<game::TraversalEntry>(v, "traversals", w, ReadEntry));
        return theGroup;
      });
  theWorld.FillArray(theStored->traversals2, theGroups);
}
void DumpTraversals(const void* theComponent, json& theResult) {
  const auto* theStored = static_cast<const game::StoredTraversalsComponent*>(theComponent);
  auto DumpEntry = [](const game::TraversalEntry& e) { return DumpFields(&e, kTraversalEntryFields); };
  theResult["traversals1"] = DumpArray(theStored->traversals1, DumpEntry);
  theResult["traversals2"] = DumpArray(theStored->traversals2, [&](const game::TraversalGroup& theGroup) {
    json theDump = DumpFields(&theGroup, kTraversalGroupFields);
    theDump["traversals"] = DumpArray(theGroup.traversals, DumpEntry);
    return theDump;
  });
}

void ReadModules(World& theWorld, void* theComponent, const json& theValue, const Where& theWhere) {
  auto* theBlueprint = static_cast<game::BlueprintComponent*>(theComponent);
  theWorld.FillArray(theBlueprint->data,
                     ReadList<game::BlueprintModule>(theValue, "data", theWhere, [&](const json& v, const Where& w) {
                       return ReadStruct<game::BlueprintModule>(theWorld, v, w, kModuleFields);
                     }));
}
void DumpModules(const void* theComponent, json& theResult) {
  theResult["data"] = DumpArray(static_cast<const game::BlueprintComponent*>(theComponent)->data,
                                [](const auto& e) { return DumpFields(&e, kModuleFields); });
}

// A container entry's extra data is an object of the game's that nothing reads; only its
// address is written to ship files.
constexpr std::size_t kItemExtraSize = 0x20;

void ReadContainerEntries(World& theWorld, void* theComponent, const json& theValue, const Where& theWhere) {
  auto* theContainer = static_cast<game::ContainerComponent*>(theComponent);
  auto theEntries = ReadList<game::ContainerEntry*>(theValue, "entries", theWhere, [&](const json& v, const Where& w) {
    CheckObject(v, w, {"count", "obj", "itemExtra"});
    auto* theEntry = theWorld.theHeap.New<game::ContainerEntry>();
    if (v.contains("count")) theEntry->count = ReadInt32(v.at("count"), w["count"]);
    if (v.contains("obj")) theEntry->obj = ReadForm(theWorld, v.at("obj"), w["obj"]);
    if (ReadBoolMember(v, "itemExtra", w, false)) {
      theEntry->itemExtra = static_cast<game::ContainerItemExtra*>(theWorld.theHeap.Allocate(kItemExtraSize));
    }
    return theEntry;
  });
  theWorld.FillArray(theContainer->theEntries, theEntries);
}
void DumpContainerEntries(const void* theComponent, json& theResult) {
  theResult["entries"] = DumpArray(static_cast<const game::ContainerComponent*>(theComponent)->theEntries,
                                   [](const game::ContainerEntry* theEntry) {
                                     return json{{"count", theEntry->count},
                                                 {"obj", DumpForm(theEntry->obj)},
                                                 {"itemExtra", theEntry->itemExtra != nullptr}};
                                   });
}

#define ZV_PLAIN(name, type, ...) \
  ComponentType { name, sizeof(type), Fields{__VA_ARGS__}, {}, nullptr, nullptr }
#define ZV_F(type, member, sName, kind) \
  Field { sName, offsetof(type, member), FieldKind::kind }

const std::vector<ComponentType>& GetComponentTypes() {
  using namespace game;
  static const std::vector<ComponentType> kTypes = {
      ZV_PLAIN(kAddToInventoryOnDestroyComponent, AddToInventoryOnDestroyComponent,
               ZV_F(AddToInventoryOnDestroyComponent, theForm, "form", kForm)),
      ZV_PLAIN(kAnimationGraphComponent, AnimationGraphComponent,
               ZV_F(AnimationGraphComponent, rootAnimGraph, "rootAnimGraph", kString),
               ZV_F(AnimationGraphComponent, rigFile, "rigFile", kString),
               ZV_F(AnimationGraphComponent, animPath, "animPath", kString),
               ZV_F(AnimationGraphComponent, responseFile, "responseFile", kString)),
      {kKeywordFormComponent, sizeof(KeywordFormComponent), {}, {"keywords"}, &ReadKeywordSlots, &DumpKeywordSlots},
      {kAttachParentArrayComponent,
       sizeof(AttachParentArrayComponent),
       {},
       {"parents"},
       &ReadAttachParents,
       &DumpAttachParents},
      {kPropertySheetComponent, sizeof(PropertySheetComponent), {}, {"properties"}, &ReadProperties, &DumpProperties},
      ZV_PLAIN(kSpaceshipAIActorComponent, SpaceshipAIActorComponent,
               ZV_F(SpaceshipAIActorComponent, theActor, "actor", kForm)),
      ZV_PLAIN(kLinkedVoiceTypeComponent, LinkedVoiceTypeComponent,
               ZV_F(LinkedVoiceTypeComponent, theVoice, "voice", kForm)),
      ZV_PLAIN(kSpaceshipWeaponBindingsComponent, SpaceshipWeaponBindingsComponent,
               ZV_F(SpaceshipWeaponBindingsComponent, weaponSlot1, "weaponSlot1", kUInt32),
               ZV_F(SpaceshipWeaponBindingsComponent, weaponSlot2, "weaponSlot2", kUInt32),
               ZV_F(SpaceshipWeaponBindingsComponent, weaponSlot3, "weaponSlot3", kUInt32)),
      ZV_PLAIN(kSpaceshipHullCodeComponent, SpaceshipHullCodeComponent,
               ZV_F(SpaceshipHullCodeComponent, hullCode, "hullCode", kString)),
      {kStoredTraversalsComponent,
       sizeof(StoredTraversalsComponent),
       {},
       {"traversals1", "traversals2"},
       &ReadTraversals,
       &DumpTraversals},
      {kBlueprintComponent,
       sizeof(BlueprintComponent),
       {ZV_F(BlueprintComponent, unk08, "unk08", kUInt64), ZV_F(BlueprintComponent, unk10, "unk10", kString),
        ZV_F(BlueprintComponent, unk28, "unk28", kUInt64), ZV_F(BlueprintComponent, unk30, "unk30", kUInt64),
        ZV_F(BlueprintComponent, unk34, "unk34", kUInt32), ZV_F(BlueprintComponent, unk3C, "unk3C", kUInt32)},
       {"data"},
       &ReadModules,
       &DumpModules},
      {kContainerComponent, sizeof(ContainerComponent), {}, {"entries"}, &ReadContainerEntries, &DumpContainerEntries},
      ZV_PLAIN(kFullNameComponent, FullNameComponent, ZV_F(FullNameComponent, fullName, "fullName", kString)),
      ZV_PLAIN(kModelComponent, ModelComponent, ZV_F(ModelComponent, model, "model", kString)),
  };
  return kTypes;
}

#undef ZV_PLAIN
#undef ZV_F

const ComponentType* FindComponentType(const std::string& sTypeName) {
  for (const ComponentType& theType : GetComponentTypes()) {
    if (sTypeName == theType.sTypeName) return &theType;
  }
  return nullptr;
}

}  // namespace

void LoadComponents(World& theWorld, game::TESForm* theForm, const json& theValue, const Where& theWhere) {
  if (!theValue.is_object()) theWhere.Fail("must be an object of components by type name");
  for (const auto& [sTypeName, theMembers] : theValue.items()) {
    const ComponentType* theType = FindComponentType(sTypeName);
    if (theType == nullptr) theWhere.Fail("unknown component type \"" + sTypeName + "\"");
    Where theAt = theWhere[sTypeName];
    void* theComponent = theWorld.theHeap.Allocate(theType->uSize);
    theForm->theComponents.emplace_back(theType->sTypeName, theComponent);
    ReadFields(theWorld, theComponent, theMembers, theAt, theType->theFields, theType->theListMembers);
    if (theType->ReadLists != nullptr) theType->ReadLists(theWorld, theComponent, theMembers, theAt);
  }
}

json DumpComponents(const game::TESForm& theForm) {
  json theResult = json::object();
  for (const auto& [sTypeName, theComponent] : theForm.theComponents) {
    const ComponentType* theType = FindComponentType(sTypeName);
    if (theType == nullptr) continue;  // a component a test made in code, of a type world files do not know
    json theDump = DumpFields(theComponent, theType->theFields);
    if (theType->DumpLists != nullptr) theType->DumpLists(theComponent, theDump);
    theResult[sTypeName] = theDump;
  }
  return theResult;
}

}  // namespace sim::worldfile
