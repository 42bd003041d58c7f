// The components of base forms in world files, read into game memory with the layouts of
// src/game/Components.h and written back in the same shape. A component's members are named
// after its fields, its elements' fields as ship files name them; fields a file leaves out
// stay zero.
#include <cstddef>
#include <cstring>

#include "WorldFileFields.h"
#include "WorldFileParts.h"

namespace sim::worldfile {
namespace {

using zorvane::kContainerFields;
using zorvane::kGroupEntriesKey;
using zorvane::kModuleFields;
using zorvane::kPropertyFields;
using zorvane::kTraversalFields;
using zorvane::kTraversalGroupFields;

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
  std::vector<ElementField> theFields;
  std::vector<const char*> theListMembers;
  void (*ReadLists)(World& theWorld, void* theComponent, const json& theValue, const Where& theWhere);
  void (*DumpLists)(const void* theComponent, json& theResult);
};

void ReadKeywordSlots(World& theWorld, void* theComponent, const json& theValue, const Where& theWhere) {
  auto* theKeywords = static_cast<game::KeywordFormComponent*>(theComponent);
  theWorld.FillArray(theKeywords->theKeywords,
                     ReadList<game::TESForm*>(theValue, "keywords", theWhere,
                                              [&](const json& v, const Where& w) { return ReadForm(theWorld, v, w); }));
}
void DumpKeywordSlots(const void* theComponent, json& theResult) {
  const auto* theKeywords = static_cast<const game::KeywordFormComponent*>(theComponent);
  theResult["keywords"] = DumpArray(theKeywords->theKeywords, [](const game::TESForm* f) { return DumpForm(f); });
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
  return ReadStruct<game::TraversalEntry>(theWorld, theValue, theWhere, kTraversalFields);
}
void ReadTraversals(World& theWorld, void* theComponent, const json& theValue, const Where& theWhere) {
  auto* theStored = static_cast<game::StoredTraversalsComponent*>(theComponent);
  auto ReadEntry = [&](const json& v, const Where& w) { return ReadTraversal(theWorld, v, w); };
  theWorld.FillArray(theStored->traversals1,
                     ReadList<game::TraversalEntry>(theValue, "traversals1", theWhere, ReadEntry));
  auto theGroups =
      ReadList<game::TraversalGroup>(theValue, "traversals2", theWhere, [&](const json& v, const Where& w) {
        game::TraversalGroup theGroup{};
        ReadFields(theWorld, &theGroup, v, w, kTraversalGroupFields, {kGroupEntriesKey});
        theWorld.FillArray(theGroup.traversals, ReadList<game::TraversalEntry>(v, kGroupEntriesKey, w, ReadEntry));
        return theGroup;
      });
  theWorld.FillArray(theStored->traversals2, theGroups);
}
void DumpTraversals(const void* theComponent, json& theResult) {
  const auto* theStored = static_cast<const game::StoredTraversalsComponent*>(theComponent);
  auto DumpEntry = [](const game::TraversalEntry& e) { return DumpFields(&e, kTraversalFields); };
  theResult["traversals1"] = DumpArray(theStored->traversals1, DumpEntry);
  theResult["traversals2"] = DumpArray(theStored->traversals2, [&](const game::TraversalGroup& theGroup) {
    json theDump = DumpFields(&theGroup, kTraversalGroupFields);
    theDump[kGroupEntriesKey] = DumpArray(theGroup.traversals, DumpEntry);
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

void ReadContainerEntries(World& theWorld, void* theComponent, const json& theValue, const Where& theWhere) {
  auto* theContainer = static_cast<game::ContainerComponent*>(theComponent);
  auto theEntries = ReadList<game::ContainerEntry*>(theValue, "entries", theWhere, [&](const json& v, const Where& w) {
    auto* theEntry = theWorld.theHeap.New<game::ContainerEntry>();
    ReadFields(theWorld, theEntry, v, w, kContainerFields);
    return theEntry;
  });
  theWorld.FillArray(theContainer->theEntries, theEntries);
}
void DumpContainerEntries(const void* theComponent, json& theResult) {
  theResult["entries"] =
      DumpArray(static_cast<const game::ContainerComponent*>(theComponent)->theEntries,
                [](const game::ContainerEntry* theEntry) { return DumpFields(theEntry, kContainerFields); });
}

#define ZV_PLAIN(type, ...) \
  ComponentType { type::kTypeName, sizeof(type), {__VA_ARGS__}, {}, nullptr, nullptr }
#define ZV_F(type, member, sName, kind) \
  ElementField { sName, offsetof(type, member), FieldKind::kind }

const std::vector<ComponentType>& GetComponentTypes() {
  using namespace game;
  static const std::vector<ComponentType> kTypes = {
      ZV_PLAIN(AddToInventoryOnDestroyComponent, ZV_F(AddToInventoryOnDestroyComponent, theForm, "form", kForm)),
      ZV_PLAIN(AnimationGraphComponent, ZV_F(AnimationGraphComponent, rootAnimGraph, "rootAnimGraph", kString),
               ZV_F(AnimationGraphComponent, rigFile, "rigFile", kString),
               ZV_F(AnimationGraphComponent, animPath, "animPath", kString),
               ZV_F(AnimationGraphComponent, responseFile, "responseFile", kString)),
      {KeywordFormComponent::kTypeName,
       sizeof(KeywordFormComponent),
       {},
       {"keywords"},
       &ReadKeywordSlots,
       &DumpKeywordSlots},
      {AttachParentArrayComponent::kTypeName,
       sizeof(AttachParentArrayComponent),
       {},
       {"parents"},
       &ReadAttachParents,
       &DumpAttachParents},
      {PropertySheetComponent::kTypeName,
       sizeof(PropertySheetComponent),
       {},
       {"properties"},
       &ReadProperties,
       &DumpProperties},
      ZV_PLAIN(SpaceshipAIActorComponent, ZV_F(SpaceshipAIActorComponent, theActor, "actor", kForm)),
      ZV_PLAIN(LinkedVoiceTypeComponent, ZV_F(LinkedVoiceTypeComponent, theVoice, "voice", kForm)),
      ZV_PLAIN(SpaceshipWeaponBindingsComponent,
               ZV_F(SpaceshipWeaponBindingsComponent, weaponSlot1, "weaponSlot1", kUInt32),
               ZV_F(SpaceshipWeaponBindingsComponent, weaponSlot2, "weaponSlot2", kUInt32),
               ZV_F(SpaceshipWeaponBindingsComponent, weaponSlot3, "weaponSlot3", kUInt32)),
      ZV_PLAIN(SpaceshipHullCodeComponent, ZV_F(SpaceshipHullCodeComponent, hullCode, "hullCode", kString)),
      {StoredTraversalsComponent::kTypeName,
       sizeof(StoredTraversalsComponent),
       {},
       {"traversals1", "traversals2"},
       &ReadTraversals,
       &DumpTraversals},
      {BlueprintComponent::kTypeName,
       sizeof(BlueprintComponent),
       {ZV_F(BlueprintComponent, unk08, "unk08", kUInt64), ZV_F(BlueprintComponent, unk10, "unk10", kString),
        ZV_F(BlueprintComponent, unk28, "unk28", kUInt64), ZV_F(BlueprintComponent, unk30, "unk30", kUInt64),
        ZV_F(BlueprintComponent, unk34, "unk34", kUInt32), ZV_F(BlueprintComponent, unk3C, "unk3C", kUInt32)},
       {"data"},
       &ReadModules,
       &DumpModules},
      {ContainerComponent::kTypeName,
       sizeof(ContainerComponent),
       {},
       {"entries"},
       &ReadContainerEntries,
       &DumpContainerEntries},
      ZV_PLAIN(FullNameComponent, ZV_F(FullNameComponent, fullName, "fullName", kString)),
      ZV_PLAIN(ModelComponent, ZV_F(ModelComponent, model, "model", kString)),
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
    if (theType == nullptr) theWhere.Fail("unknown component type " + DescribeValue(sTypeName));
    Where theAt = theWhere[sTypeName];
    // The game makes its components with every field zero.
    void* theComponent = theWorld.theHeap.Allocate(theType->uSize);
    std::memset(theComponent, 0, theType->uSize);
    theForm->theComponents.emplace_back(theType->sTypeName, theComponent);
    ReadFields(theWorld, theComponent, theMembers, theAt, theType->theFields, theType->theListMembers);
    if (theType->ReadLists != nullptr) theType->ReadLists(theWorld, theComponent, theMembers, theAt);
  }
}

void ForEachComponentString(const game::TESForm& theForm,
                            const std::function<void(const game::BSFixedString&)>& Visit) {
  for (const auto& [sTypeName, theComponent] : theForm.theComponents) {
    const ComponentType* theType = FindComponentType(sTypeName);
    if (theType == nullptr) continue;
    for (const ElementField& theField : theType->theFields) {
      if (theField.eKind != FieldKind::kString) continue;
      game::BSFixedString theString;
      std::memcpy(&theString, static_cast<const char*>(theComponent) + theField.uOffset, sizeof(theString));
      Visit(theString);
    }
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
