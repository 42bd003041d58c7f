// The sample world sim/worlds/sample-ship.json: the player stands in the interior of a ship
// whose components lie in game memory, and the interior cell holds every kind of item the
// export tells apart. What the components hold is checked through the exported ship file of
// the export-sample-ship session.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "WorldFile.h"
#include "game/Components.h"
#include "sim/SimTestSupport.h"

namespace zorvane::test {
namespace {

const game::Host& Host() { return sim::GetHostTable(); }

bool IsRuntimeCreated(game::TESForm* theForm) { return Host().GetFormID(theForm) >> 24 == 0xFF; }

class SampleWorldTest : public ::testing::Test {
 protected:
  game::TESObjectREFR* GetShip() { return Host().GetShipAboard(Host().GetPlayer()); }
  game::TESForm* GetShipBase() { return Host().GetRefBaseForm(GetShip()); }
  template <typename T>
  T* GetComponent(const char* sTypeName) {
    return static_cast<T*>(Host().GetComponentByTypeName(GetShipBase(), sTypeName, 0));
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
