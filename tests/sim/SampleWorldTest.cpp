// The sample world sim/worlds/sample-ship.json: its ship's components lie in game memory with
// the layouts the plugin reads and hold what the file says, and its interior cell holds every
// kind of item the export tells apart. The file is read here on its own, so a fault of the
// world-file reader shows as a difference.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "WorldFile.h"
#include "game/Components.h"
#include "sim/SimTestSupport.h"

namespace zorvane::test {
namespace {

using nlohmann::json;

const game::Host& Host() { return sim::GetHostTable(); }

uint32_t ToFormID(const json& theValue) {
  return static_cast<uint32_t>(std::stoul(theValue.get<std::string>(), nullptr, 16));
}

float ToFloat(const json& theValue, const char* sName) {
  return theValue.contains(sName) ? theValue.at(sName).get<float>() : 0.0f;
}
uint64_t ToUnsigned(const json& theValue, const char* sName) {
  return theValue.contains(sName) ? theValue.at(sName).get<uint64_t>() : 0;
}

std::vector<uint8_t> ToBytes(const json& theValue) {
  std::vector<uint8_t> theBytes;
  if (theValue.is_array()) return theValue.get<std::vector<uint8_t>>();
  std::string sHex = theValue.get<std::string>();
  for (std::size_t i = 0; i + 1 < sHex.size(); i += 2) {
    theBytes.push_back(static_cast<uint8_t>(std::stoul(sHex.substr(i, 2), nullptr, 16)));
  }
  return theBytes;
}

bool IsRuntimeCreated(game::TESForm* theForm) { return Host().GetFormID(theForm) >> 24 == 0xFF; }

class SampleWorldTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::ifstream theFile(GetSampleWorldPath("sample-ship.json"));
    ASSERT_TRUE(theFile.is_open());
    theFileJson = json::parse(theFile);
    for (const json& theForm : theFileJson.at("forms")) {
      if (theForm.contains("components")) theComponentsJson = theForm.at("components");
    }
    ASSERT_FALSE(theComponentsJson.is_null());
  }

  game::TESObjectREFR* GetShip() { return Host().GetShipAboard(Host().GetPlayer()); }
  game::TESForm* GetShipBase() { return Host().GetRefBaseForm(GetShip()); }
  template <typename T>
  T* GetComponent(const char* sTypeName) {
    return static_cast<T*>(Host().GetComponentByTypeName(GetShipBase(), sTypeName, 0));
  }
  const json& ComponentJson(const char* sTypeName) { return theComponentsJson.at(sTypeName); }
  game::TESForm* Form(const json& theValue) {
    return theValue.is_null() ? nullptr : theWorld->FindForm(ToFormID(theValue));
  }

  bool HasExtra(game::TESObjectREFR* theRef, uint32_t uKind) { return GetExtra(theRef, uKind) != nullptr; }
  game::BSExtraData* GetExtra(game::TESObjectREFR* theRef, uint32_t uKind) {
    game::ExtraDataList* theList = Host().GetRefExtraList(theRef);
    if (theList == nullptr) return nullptr;
    Host().LockExtraListRead(theList);
    game::BSExtraData* theEntry = Host().LookupExtraData(theList, uKind);
    Host().UnlockExtraListRead(theList);
    return theEntry;
  }

  // The references of the player's cell, in order.
  std::vector<game::TESObjectREFR*> GetCellRefs() {
    game::TESObjectCELL* theCell = Host().GetRefParentCell(Host().GetPlayer());
    std::vector<game::TESObjectREFR*> theRefs;
    for (uint32_t i = 0; i < Host().GetCellRefCount(theCell); ++i) theRefs.push_back(Host().GetCellRefAt(theCell, i));
    return theRefs;
  }

  json theFileJson;
  json theComponentsJson;
  std::unique_ptr<sim::World> theWorld = sim::LoadWorldFile(GetSampleWorldPath("sample-ship.json"));
  CurrentWorld theCurrent{*theWorld};
};

TEST_F(SampleWorldTest, PlayerStandsInTheInteriorOfARuntimeShipWithAGenericBaseForm) {
  game::TESObjectREFR* thePlayer = Host().GetPlayer();
  ASSERT_NE(thePlayer, nullptr);
  EXPECT_EQ(Host().GetFormID(game::AsForm(thePlayer)), 0x14u);
  game::TESObjectREFR* theShip = GetShip();
  ASSERT_NE(theShip, nullptr);
  EXPECT_TRUE(IsRuntimeCreated(game::AsForm(theShip)));
  EXPECT_NE(Host().GetExtraDataString(GetExtra(theShip, game::kExtraDisplayName)), nullptr);
  game::TESForm* theBase = GetShipBase();
  EXPECT_EQ(Host().CastToGenericBaseForm(theBase), theBase);
  EXPECT_EQ(Host().GetFormType(theBase), game::kFormTypeGenericBaseForm);
  EXPECT_NE(Host().GetFormFile(theBase), nullptr);
  EXPECT_NE(Host().GetFormEditorID(theBase), nullptr);
  EXPECT_TRUE(Host().IsCellInterior(Host().GetRefParentCell(thePlayer)));
  EXPECT_FALSE(Host().IsCellInterior(Host().GetRefParentCell(theShip)));
  EXPECT_TRUE(theWorld->GetViolations().empty());
}

TEST_F(SampleWorldTest, ShipBaseCarriesEveryComponentInGameMemory) {
  const char* kTypeNames[] = {game::kAddToInventoryOnDestroyComponent,
                              game::kAnimationGraphComponent,
                              game::kKeywordFormComponent,
                              game::kAttachParentArrayComponent,
                              game::kPropertySheetComponent,
                              game::kSpaceshipAIActorComponent,
                              game::kLinkedVoiceTypeComponent,
                              game::kSpaceshipWeaponBindingsComponent,
                              game::kSpaceshipHullCodeComponent,
                              game::kStoredTraversalsComponent,
                              game::kBlueprintComponent,
                              game::kContainerComponent,
                              game::kFullNameComponent,
                              game::kModelComponent};
  for (const char* sTypeName : kTypeNames) {
    void* theComponent = Host().GetComponentByTypeName(GetShipBase(), sTypeName, 0);
    ASSERT_NE(theComponent, nullptr) << sTypeName;
    EXPECT_TRUE(theWorld->theHeap.Owns(theComponent)) << sTypeName;
  }
}

TEST_F(SampleWorldTest, BlueprintModulesHoldTheFilesValues) {
  auto* theBlueprint = GetComponent<game::BlueprintComponent>(game::kBlueprintComponent);
  const json& theJson = ComponentJson(game::kBlueprintComponent);
  EXPECT_EQ(theBlueprint->unk08, theJson.at("unk08").get<uint64_t>());
  EXPECT_EQ(GetText(theBlueprint->unk10), theJson.at("unk10").get<std::string>());
  EXPECT_EQ(theBlueprint->unk28, theJson.at("unk28").get<uint64_t>());
  EXPECT_EQ(theBlueprint->unk30, theJson.at("unk30").get<uint64_t>());
  EXPECT_EQ(theBlueprint->unk34, theJson.at("unk34").get<uint32_t>());
  EXPECT_EQ(theBlueprint->unk3C, theJson.at("unk3C").get<uint32_t>());
  const json& theModules = theJson.at("data");
  ASSERT_EQ(theBlueprint->data.uCount, theModules.size());
  ASSERT_GE(theModules.size(), 3u);
  EXPECT_TRUE(theWorld->theHeap.Owns(theBlueprint->data.theData));

  const std::pair<const char*, float game::BlueprintModule::*> kFloats[] = {
      {"fPosX", &game::BlueprintModule::fPosX}, {"fPosY", &game::BlueprintModule::fPosY},
      {"fPosZ", &game::BlueprintModule::fPosZ}, {"fRotX", &game::BlueprintModule::fRotX},
      {"fRotY", &game::BlueprintModule::fRotY}, {"fRotZ", &game::BlueprintModule::fRotZ},
      {"unk1C", &game::BlueprintModule::unk1C}, {"unk20", &game::BlueprintModule::unk20},
      {"unk24", &game::BlueprintModule::unk24}, {"unk28", &game::BlueprintModule::unk28},
      {"unk2C", &game::BlueprintModule::unk2C}, {"unk30", &game::BlueprintModule::unk30},
      {"unk34", &game::BlueprintModule::unk34}};
  const std::pair<const char*, uint8_t game::BlueprintModule::*> kBytes[] = {{"unk38", &game::BlueprintModule::unk38},
                                                                             {"unk39", &game::BlueprintModule::unk39},
                                                                             {"unk3A", &game::BlueprintModule::unk3A},
                                                                             {"unk3B", &game::BlueprintModule::unk3B},
                                                                             {"unk3C", &game::BlueprintModule::unk3C}};
  const std::pair<const char*, uint32_t game::BlueprintModule::*> kWords[] = {
      {"partID", &game::BlueprintModule::partID},
      {"unk40", &game::BlueprintModule::unk40},
      {"unk44", &game::BlueprintModule::unk44},
      {"unkA0", &game::BlueprintModule::unkA0},
      {"unkA4", &game::BlueprintModule::unkA4}};
  std::set<uint8_t> theCompileIndices;
  for (std::size_t i = 0; i < theModules.size(); ++i) {
    const game::BlueprintModule& theModule = theBlueprint->data.theData[i];
    const json& theExpected = theModules.at(i);
    for (const auto& [sName, theField] : kFloats)
      EXPECT_EQ(theModule.*theField, ToFloat(theExpected, sName)) << i << sName;
    for (const auto& [sName, theField] : kBytes)
      EXPECT_EQ(theModule.*theField, ToUnsigned(theExpected, sName)) << i << sName;
    for (const auto& [sName, theField] : kWords)
      EXPECT_EQ(theModule.*theField, ToUnsigned(theExpected, sName)) << i << sName;
    std::vector<uint8_t> theBlock(theModule.unk48_98, theModule.unk48_98 + sizeof(theModule.unk48_98));
    EXPECT_EQ(theBlock,
              theExpected.contains("unk48_98") ? ToBytes(theExpected.at("unk48_98")) : std::vector<uint8_t>(80))
        << i;
    ASSERT_EQ(theModule.item, Form(theExpected.at("item"))) << i;
    EXPECT_EQ(Host().GetFormType(theModule.item), game::kFormTypeGenericBaseForm);
    theCompileIndices.insert(Host().GetFileCompileIndex(Host().GetFormFile(theModule.item)));
  }
  // Modules of a full, a small and a medium plugin file: all three local form ID widths.
  EXPECT_TRUE(theCompileIndices.count(0xFE) && theCompileIndices.count(0xFD) && theCompileIndices.size() == 3);
}

TEST_F(SampleWorldTest, KeywordSlotsKeepTheirEmptySlotAndAttachParentsANonKeyword) {
  auto* theKeywords = GetComponent<game::KeywordFormComponent>(game::kKeywordFormComponent);
  const json& theSlots = ComponentJson(game::kKeywordFormComponent).at("keywords");
  ASSERT_EQ(theKeywords->uCount, theSlots.size());
  EXPECT_TRUE(theWorld->theHeap.Owns(theKeywords->theKeywords));
  bool bEmptySlot = false;
  for (uint32_t i = 0; i < theKeywords->uCount; ++i) {
    EXPECT_EQ(theKeywords->theKeywords[i], Form(theSlots.at(i))) << i;
    bEmptySlot = bEmptySlot || theKeywords->theKeywords[i] == nullptr;
  }
  EXPECT_TRUE(bEmptySlot);

  auto* theParents = GetComponent<game::AttachParentArrayComponent>(game::kAttachParentArrayComponent);
  const json& theParentsJson = ComponentJson(game::kAttachParentArrayComponent).at("parents");
  ASSERT_EQ(theParents->theParents.uCount, theParentsJson.size());
  std::size_t uFirstOther = theParentsJson.size();
  for (uint32_t i = 0; i < theParents->theParents.uCount; ++i) {
    game::TESForm* theParent = theParents->theParents.theData[i];
    EXPECT_EQ(theParent, Form(theParentsJson.at(i))) << i;
    if (uFirstOther == theParentsJson.size() && Host().GetFormType(theParent) != game::kFormTypeKeyword)
      uFirstOther = i;
  }
  // A keyword stands after the first entry that is not one, so a reader that goes on past it shows.
  ASSERT_LT(uFirstOther + 1, theParentsJson.size());
  EXPECT_GT(uFirstOther, 0u);
  EXPECT_EQ(Host().GetFormType(theParents->theParents.theData[uFirstOther + 1]), game::kFormTypeKeyword);
}

TEST_F(SampleWorldTest, PropertySheetEntriesHoldTheFilesValues) {
  auto* theSheet = GetComponent<game::PropertySheetComponent>(game::kPropertySheetComponent);
  const json& theEntries = ComponentJson(game::kPropertySheetComponent).at("properties");
  ASSERT_NE(theSheet->theProperties, nullptr);
  EXPECT_TRUE(theWorld->theHeap.Owns(theSheet->theProperties));
  ASSERT_EQ(theSheet->theProperties->uCount, theEntries.size());
  bool bWithoutSecond = false;
  for (uint32_t i = 0; i < theEntries.size(); ++i) {
    const game::PropertyEntry& theEntry = theSheet->theProperties->theData[i];
    EXPECT_EQ(theEntry.first, Form(theEntries.at(i).at("first")));
    EXPECT_EQ(theEntry.second, theEntries.at(i).contains("second") ? Form(theEntries.at(i).at("second")) : nullptr);
    EXPECT_EQ(theEntry.third, ToFloat(theEntries.at(i), "third"));
    bWithoutSecond = bWithoutSecond || theEntry.second == nullptr;
  }
  EXPECT_TRUE(bWithoutSecond);
}

void ExpectTraversal(const game::TraversalEntry& theEntry, const json& theJson, game::TESForm* theTraversal) {
  const std::pair<const char*, float game::TraversalEntry::*> kFloats[] = {
      {"unk00", &game::TraversalEntry::unk00},
      {"unk04", &game::TraversalEntry::unk04},
      {"unk08", &game::TraversalEntry::unk08},
      {"fFromX", &game::TraversalEntry::fFromX},
      {"fFromY", &game::TraversalEntry::fFromY},
      {"fFromZ", &game::TraversalEntry::fFromZ},
      {"fToX", &game::TraversalEntry::fToX},
      {"fToY", &game::TraversalEntry::fToY},
      {"fToZ", &game::TraversalEntry::fToZ},
      {"fUnknown30", &game::TraversalEntry::fUnknown30},
      {"fUnknown34", &game::TraversalEntry::fUnknown34}};
  const std::pair<const char*, uint32_t game::TraversalEntry::*> kWords[] = {
      {"unk0C", &game::TraversalEntry::unk0C},
      {"uUnknown38", &game::TraversalEntry::uUnknown38},
      {"uUnknown3C", &game::TraversalEntry::uUnknown3C},
      {"unk40", &game::TraversalEntry::unk40}};
  for (const auto& [sName, theField] : kFloats) EXPECT_EQ(theEntry.*theField, ToFloat(theJson, sName)) << sName;
  for (const auto& [sName, theField] : kWords) EXPECT_EQ(theEntry.*theField, ToUnsigned(theJson, sName)) << sName;
  EXPECT_EQ(theEntry.traversal, theTraversal);
  EXPECT_EQ(Host().GetFormType(theTraversal), game::kFormTypeTraversal);
}

TEST_F(SampleWorldTest, StoredTraversalsFillBothLists) {
  auto* theStored = GetComponent<game::StoredTraversalsComponent>(game::kStoredTraversalsComponent);
  const json& theJson = ComponentJson(game::kStoredTraversalsComponent);
  const json& theFirst = theJson.at("traversals1");
  ASSERT_EQ(theStored->traversals1.uCount, theFirst.size());
  ASSERT_GT(theFirst.size(), 0u);
  for (uint32_t i = 0; i < theFirst.size(); ++i) {
    ExpectTraversal(theStored->traversals1.theData[i], theFirst.at(i), Form(theFirst.at(i).at("traversal")));
  }
  const json& theGroups = theJson.at("traversals2");
  ASSERT_EQ(theStored->traversals2.uCount, theGroups.size());
  std::set<bool> theGroupsEmpty;
  for (uint32_t n = 0; n < theGroups.size(); ++n) {
    const game::TraversalGroup& theGroup = theStored->traversals2.theData[n];
    const json& theGroupJson = theGroups.at(n);
    EXPECT_EQ(theGroup.unk14, ToFloat(theGroupJson, "unk14"));
    EXPECT_EQ(theGroup.unk18, ToFloat(theGroupJson, "unk18"));
    EXPECT_EQ(theGroup.unk1C, ToFloat(theGroupJson, "unk1C"));
    EXPECT_EQ(theGroup.unk20, ToFloat(theGroupJson, "unk20"));
    EXPECT_EQ(theGroup.unk24, ToFloat(theGroupJson, "unk24"));
    ASSERT_EQ(theGroup.traversals.uCount, theGroupJson.at("traversals").size());
    for (uint32_t m = 0; m < theGroup.traversals.uCount; ++m) {
      const json& theEntryJson = theGroupJson.at("traversals").at(m);
      ExpectTraversal(theGroup.traversals.theData[m], theEntryJson, Form(theEntryJson.at("traversal")));
    }
    theGroupsEmpty.insert(theGroup.traversals.uCount == 0);
  }
  EXPECT_EQ(theGroupsEmpty, (std::set<bool>{false, true}));  // a group with entries and one without
}

TEST_F(SampleWorldTest, ContainerEntriesWithAndWithoutExtraData) {
  auto* theContainer = GetComponent<game::ContainerComponent>(game::kContainerComponent);
  const json& theEntries = ComponentJson(game::kContainerComponent).at("entries");
  ASSERT_EQ(theContainer->theEntries.uCount, theEntries.size());
  std::set<bool> theWithExtra;
  for (uint32_t i = 0; i < theEntries.size(); ++i) {
    const game::ContainerEntry* theEntry = theContainer->theEntries.theData[i];
    ASSERT_TRUE(theWorld->theHeap.Owns(theEntry));
    EXPECT_EQ(theEntry->count, theEntries.at(i).at("count").get<int32_t>());
    EXPECT_EQ(theEntry->obj, Form(theEntries.at(i).at("obj")));
    bool bExtra = theEntries.at(i).value("itemExtra", false);
    EXPECT_EQ(theEntry->itemExtra != nullptr, bExtra) << i;
    if (bExtra) {
      EXPECT_TRUE(theWorld->theHeap.Owns(theEntry->itemExtra));
    }
    theWithExtra.insert(bExtra);
  }
  EXPECT_EQ(theWithExtra, (std::set<bool>{false, true}));
}

TEST_F(SampleWorldTest, PlainComponentsHoldTheFilesFormsNumbersAndTexts) {
  auto* theGraph = GetComponent<game::AnimationGraphComponent>(game::kAnimationGraphComponent);
  const json& theGraphJson = ComponentJson(game::kAnimationGraphComponent);
  EXPECT_EQ(GetText(theGraph->rootAnimGraph), theGraphJson.at("rootAnimGraph"));
  EXPECT_EQ(GetText(theGraph->rigFile), theGraphJson.at("rigFile"));
  EXPECT_EQ(GetText(theGraph->animPath), theGraphJson.at("animPath"));
  EXPECT_EQ(GetText(theGraph->responseFile), theGraphJson.at("responseFile"));
  EXPECT_EQ(GetText(GetComponent<game::SpaceshipHullCodeComponent>(game::kSpaceshipHullCodeComponent)->hullCode),
            ComponentJson(game::kSpaceshipHullCodeComponent).at("hullCode"));
  EXPECT_EQ(GetText(GetComponent<game::FullNameComponent>(game::kFullNameComponent)->fullName),
            ComponentJson(game::kFullNameComponent).at("fullName"));
  EXPECT_EQ(GetText(GetComponent<game::ModelComponent>(game::kModelComponent)->model),
            ComponentJson(game::kModelComponent).at("model"));
  auto* theBindings = GetComponent<game::SpaceshipWeaponBindingsComponent>(game::kSpaceshipWeaponBindingsComponent);
  const json& theBindingsJson = ComponentJson(game::kSpaceshipWeaponBindingsComponent);
  EXPECT_EQ(theBindings->weaponSlot1, ToUnsigned(theBindingsJson, "weaponSlot1"));
  EXPECT_EQ(theBindings->weaponSlot2, ToUnsigned(theBindingsJson, "weaponSlot2"));
  EXPECT_EQ(theBindings->weaponSlot3, ToUnsigned(theBindingsJson, "weaponSlot3"));

  game::TESForm* theActor = GetComponent<game::SpaceshipAIActorComponent>(game::kSpaceshipAIActorComponent)->theActor;
  EXPECT_EQ(theActor, Form(ComponentJson(game::kSpaceshipAIActorComponent).at("actor")));
  EXPECT_EQ(Host().GetFormType(theActor), game::kFormTypeNPC);
  game::TESForm* theVoice = GetComponent<game::LinkedVoiceTypeComponent>(game::kLinkedVoiceTypeComponent)->theVoice;
  EXPECT_EQ(theVoice, Form(ComponentJson(game::kLinkedVoiceTypeComponent).at("voice")));
  EXPECT_EQ(Host().GetFormType(theVoice), game::kFormTypeVoiceType);
  game::TESForm* theOnDestroy =
      GetComponent<game::AddToInventoryOnDestroyComponent>(game::kAddToInventoryOnDestroyComponent)->theForm;
  EXPECT_EQ(theOnDestroy, Form(ComponentJson(game::kAddToInventoryOnDestroyComponent).at("form")));
  EXPECT_NE(theOnDestroy, nullptr);
}

TEST_F(SampleWorldTest, InteriorCellHoldsEveryKindOfItemTheExportTellsApart) {
  game::TESForm* theExcludedRef = theWorld->FindForm(0x5627);
  game::TESForm* theExcludedBase = theWorld->FindForm(0x18DFD);
  ASSERT_TRUE(theExcludedRef != nullptr && theExcludedBase != nullptr);
  EXPECT_EQ(Host().GetFormType(theExcludedRef), game::kFormTypeKeyword);
  EXPECT_EQ(Host().GetFormType(theExcludedBase), game::kFormTypeKeyword);
  game::TESForm* theWorkshopKeyword = Host().GetWorkshopKeyword();
  game::TESForm* theLinkKeyword = Host().GetWorkshopLinkKeyword();
  ASSERT_TRUE(theWorkshopKeyword != nullptr && theLinkKeyword != nullptr);

  std::set<uint8_t> thePlacedTypes;
  int iNull = 0, iPlayer = 0, iOverride = 0, iVanilla = 0, iWorkshopItems = 0, iType75 = 0, iExcludedBase = 0,
      iExcludedRef = 0, iMaster = 0, iNoExtra = 0;
  for (game::TESObjectREFR* theRef : GetCellRefs()) {
    if (theRef == nullptr) {
      ++iNull;
      continue;
    }
    game::TESForm* theForm = game::AsForm(theRef);
    game::TESForm* theBase = Host().GetRefBaseForm(theRef);
    ASSERT_NE(theBase, nullptr);
    iPlayer += theRef == Host().GetPlayer();
    iType75 += Host().GetFormType(theForm) == 75;
    iMaster += theRef != Host().GetPlayer() && !IsRuntimeCreated(theForm);
    iExcludedBase += Host().KeywordListContains(theBase, theExcludedBase);
    iExcludedRef += Host().HasKeyword(theForm, theExcludedRef);
    iNoExtra += Host().GetRefExtraList(theRef) == nullptr && theRef != Host().GetPlayer();
    game::TESObjectREFR* theWorkshop = Host().GetLinkedRef(theRef, theLinkKeyword);
    iWorkshopItems += theWorkshop != nullptr && Host().HasKeyword(game::AsForm(theWorkshop), theWorkshopKeyword);
    game::BSExtraData* theList = GetExtra(theRef, game::kExtraCountedList);
    bool bVanilla = HasExtra(theRef, 221) && HasExtra(theRef, 218) && HasExtra(theRef, 212) &&
                    (theList == nullptr || Host().GetExtraDataListCount(theList) == 0);
    iVanilla += bVanilla;
    if (IsRuntimeCreated(theForm) && !bVanilla) {
      thePlacedTypes.insert(Host().GetFormType(theBase));
      game::BSExtraData* theName = GetExtra(theRef, game::kExtraDisplayName);
      iOverride += theName != nullptr && !GetText(*Host().GetExtraDataString(theName)).empty();
    }
  }
  EXPECT_EQ(iPlayer, 1);
  EXPECT_GE(iNull, 1);
  EXPECT_GE(iOverride, 1);
  EXPECT_GE(iVanilla, 1);
  EXPECT_GE(iWorkshopItems, 2);
  EXPECT_GE(iType75, 1);
  EXPECT_GE(iExcludedBase, 1);
  EXPECT_GE(iExcludedRef, 1);
  EXPECT_GE(iMaster, 1);
  EXPECT_GE(iNoExtra, 1);
  for (uint8_t uType : {34, 35, 36, 40, 44, 47, 48, 49, 53, 54, 62}) {
    EXPECT_EQ(thePlacedTypes.count(uType), 1u) << int(uType);
  }
  EXPECT_TRUE(theWorld->GetViolations().empty());
}

}  // namespace
}  // namespace zorvane::test
