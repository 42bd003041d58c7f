// The component lines of a ship file: every group in file order with its exact encoding,
// and the groups that stop the export.
#include <gtest/gtest.h>

#include <cstdio>

#include "game/Components.h"
#include "plugin/commands/CommandFrame.h"
#include "ship/ExportShipRef.h"
#include "support/ExportFixture.h"

namespace zorvane::test {
namespace {

class ExportComponentsTest : public ExportFixture {
 protected:
  bool RunExport(const std::string& sFileName = "Ship.txt") {
    PluginSettings theSettings;
    return ExportShipRef(theShip.theShipRef, theShip.theCell, kShipFolder, sFileName, &theSettings);
  }

  template <typename T>
  T* Add(const char* sTypeName) {
    return theShip.theWorld.AddComponent<T>(theShip.theShipBase, sTypeName);
  }

  std::string MakeHeader() const {
    return JoinCrLf(
        {"Ship: Test Ship Base [FormID: 0000C0DE] [EditorID: TestShip] ", "Export time: [T]", "Version: 1.00", ""});
  }

  game::TraversalEntry MakeTraversal(game::TESForm* theTraversal, float fBase) {
    game::TraversalEntry theEntry = {};
    theEntry.unk00 = fBase;
    theEntry.unk04 = fBase + 1;
    theEntry.unk08 = fBase + 2;
    theEntry.unk0C = 12;
    theEntry.traversal = theTraversal;
    theEntry.fFromX = -1.0f;
    theEntry.fToZ = 0.25f;
    theEntry.fUnknown34 = 3.0f;
    theEntry.uUnknown38 = 38;
    theEntry.uUnknown3C = 60;
    theEntry.unk40 = 64;
    return theEntry;
  }

  // The lines of an entry made by MakeTraversal with a whole-number base.
  std::vector<std::string> TraversalLines(const std::string& sPrefix, const std::string& sTraversal, int iBase) {
    auto Float = [](int iValue) { return std::to_string(iValue) + ".000000"; };
    return {sPrefix + "].unk00 |" + Float(iBase),
            sPrefix + "].unk04 |" + Float(iBase + 1),
            sPrefix + "].unk08 |" + Float(iBase + 2),
            sPrefix + "].unk0C |12",
            sPrefix + "].traversal |" + sTraversal,
            sPrefix + "].fFromX |-1.000000",
            sPrefix + "].fFromY |0.000000",
            sPrefix + "].fFromZ |0.000000",
            sPrefix + "].fToX |0.000000",
            sPrefix + "].fToY |0.000000",
            sPrefix + "].fToZ |0.250000",
            sPrefix + "].fUnknown30 |0.000000",
            sPrefix + "].fUnknown34 |3.000000",
            sPrefix + "].uUnknown38 |38",
            sPrefix + "].uUnknown3C |60",
            sPrefix + "].unk40 |64"};
  }
};

TEST_F(ExportComponentsTest, BaseWithoutComponentsGivesHeaderAndDisplayName) {
  ASSERT_TRUE(RunExport());
  EXPECT_EQ(ReadShipFile("Ship.txt"), MakeHeader() + JoinCrLf({"DisplayName |Test Ship Base"}));
}

TEST_F(ExportComponentsTest, WritesEveryGroupInFileOrder) {
  sim::World& theWorld = theShip.theWorld;
  game::TESForm* theSmallForm = theShip.AddForm(0xFE012ABC, 40, theShip.theSmallFile);
  game::TESForm* theKeywordA = theShip.AddForm(0x0001A2B3, game::kFormTypeKeyword, theShip.theMaster);
  game::TESForm* theKeywordB = theShip.AddForm(0xFD0100A4, game::kFormTypeKeyword, theShip.theMediumFile);
  game::TESForm* theValue = theShip.AddForm(0x0002D0F1, game::kFormTypeActorValueInfo, theShip.theMaster);
  game::TESForm* theUnfiledValue = theShip.AddForm(0xFF000900, game::kFormTypeActorValueInfo, nullptr);
  game::TESForm* theTraversal = theShip.AddForm(0x00777777, game::kFormTypeTraversal, theShip.theMaster);
  game::TESForm* theModule = theShip.AddForm(0xFD01BEEF, game::kFormTypeGenericBaseForm, theShip.theMediumFile);

  Add<game::AddToInventoryOnDestroyComponent>(game::kAddToInventoryOnDestroyComponent)->theForm = theSmallForm;
  auto* theGraph = Add<game::AnimationGraphComponent>(game::kAnimationGraphComponent);
  theGraph->rootAnimGraph = theWorld.MakeString("Root.agx");
  theGraph->rigFile = theWorld.MakeIndirectString("Rig|File.rig");
  theGraph->animPath = theWorld.MakeString("Anim\\Path");
  auto* theKeywordForm = Add<game::KeywordFormComponent>(game::kKeywordFormComponent);
  theKeywordForm->theKeywords = theWorld.theHeap.NewArray<game::TESForm*>(3);
  theKeywordForm->theKeywords[0] = theKeywordA;
  theKeywordForm->theKeywords[2] = theKeywordB;
  theKeywordForm->uCount = 3;
  auto* theParents = Add<game::AttachParentArrayComponent>(game::kAttachParentArrayComponent);
  theWorld.FillArray(theParents->theParents, {theKeywordB, theKeywordA, theModule, theKeywordA});
  auto* theSheet = Add<game::PropertySheetComponent>(game::kPropertySheetComponent);
  theSheet->theProperties = theWorld.theHeap.New<game::GameArray<game::PropertyEntry>>();
  theWorld.FillArray(*theSheet->theProperties,
                     {{theValue, nullptr, 0.5f}, {theUnfiledValue, theValue, -2.25f}, {nullptr, nullptr, 0.1f}});
  Add<game::SpaceshipAIActorComponent>(game::kSpaceshipAIActorComponent)->theActor =
      theShip.AddForm(0x00001234, game::kFormTypeNPC, theShip.theMaster);
  Add<game::LinkedVoiceTypeComponent>(game::kLinkedVoiceTypeComponent)->theVoice =
      theShip.AddForm(0xFE012001, game::kFormTypeVoiceType, theShip.theSmallFile);
  *Add<game::SpaceshipWeaponBindingsComponent>(game::kSpaceshipWeaponBindingsComponent) = {1, 0, 4294967295u};
  Add<game::SpaceshipHullCodeComponent>(game::kSpaceshipHullCodeComponent)->hullCode = theWorld.MakeString("HC-01");
  auto* theTraversals = Add<game::StoredTraversalsComponent>(game::kStoredTraversalsComponent);
  theWorld.FillArray(theTraversals->traversals1, {MakeTraversal(theTraversal, 1)});
  game::TraversalGroup theGroup = {};
  theWorld.FillArray(theGroup.traversals, {MakeTraversal(theTraversal, 5)});
  theGroup.unk14 = 14;
  theGroup.unk24 = 24;
  theWorld.FillArray(theTraversals->traversals2, {theGroup, game::TraversalGroup{}});
  auto* theBlueprint = Add<game::BlueprintComponent>(game::kBlueprintComponent);
  theBlueprint->unk08 = UINT64_MAX;
  theBlueprint->unk10 = theWorld.MakeString("bp");
  game::BlueprintModule theFirst = {};
  theFirst.fPosX = 1.5f;
  theFirst.fRotZ = -90.0f;
  theFirst.partID = 7;
  theFirst.unk34 = 34.0f;
  theFirst.unk38 = 255;
  theFirst.unk3C = 60;
  theFirst.unk44 = 68;
  theFirst.unk48_98[0] = 0x0A;
  theFirst.unk48_98[1] = 0x10;
  theFirst.unk48_98[79] = 0xFF;
  theFirst.item = theModule;
  theFirst.unkA4 = 164;
  game::BlueprintModule theSecond = {};
  theSecond.item = theKeywordA;
  theWorld.FillArray(theBlueprint->data, {theFirst, theSecond});
  theBlueprint->unk28 = 28;
  theBlueprint->unk30 = 48;
  theBlueprint->unk34 = 52;
  theBlueprint->unk3C = 60;
  auto* theContainer = Add<game::ContainerComponent>(game::kContainerComponent);
  auto* theWithout = theWorld.theHeap.New<game::ContainerEntry>();
  *theWithout = {3, theSmallForm, nullptr};
  auto* theWith = theWorld.theHeap.New<game::ContainerEntry>();
  *theWith = {-1, theKeywordA, reinterpret_cast<game::ContainerItemExtra*>(theWorld.theHeap.Allocate(8))};
  theWorld.FillArray(theContainer->theEntries, {theWithout, theWith});
  Add<game::FullNameComponent>(game::kFullNameComponent)->fullName = theWorld.MakeString("My Full Name");
  Add<game::ModelComponent>(game::kModelComponent)->model = theWorld.MakeString("Ships\\Model.nif");

  ASSERT_TRUE(RunExport());

  char sAddress[32];
  std::snprintf(sAddress, sizeof(sAddress), "%llX",
                static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(theWith->itemExtra)));
  std::vector<std::string> theLines = {
      "BGSAddToInventoryOnDestroy.form |ABC|Small.esm",
      "BGSAnimationGraphComponent.rootAnimGraph |Root.agx",
      "BGSAnimationGraphComponent.rigFile |Rig|File.rig",
      "BGSAnimationGraphComponent.animPath |Anim\\Path",
      "BGSAnimationGraphComponent.responseFile |",
      "BGSKeywordForm[0] |01A2B3|Starfield.esm",
      "BGSKeywordForm[2] |00A4|Medium.esm",
      "BGSAttachParentArray[0] |00A4|Medium.esm",
      "BGSAttachParentArray[1] |01A2B3|Starfield.esm",
      "BGSPropertySheet[0].first |02D0F1|Starfield.esm",
      "BGSPropertySheet[0].third |0.500000",
      "BGSPropertySheet[1].first |000900|Starfield.esm",
      "BGSPropertySheet[1].second |02D0F1|Starfield.esm",
      "BGSPropertySheet[1].third |-2.250000",
      "BGSPropertySheet[2].first ||Starfield.esm",
      "BGSPropertySheet[2].third |0.100000",
      "BGSSpaceshipAIActor.actor |001234|Starfield.esm",
      "BGSLinkedVoiceType.voice |001|Small.esm",
      "BGSSpaceshipWeaponBinding.weaponSlot1 |1",
      "BGSSpaceshipWeaponBinding.weaponSlot2 |0",
      "BGSSpaceshipWeaponBinding.weaponSlot3 |4294967295",
      "BGSSpaceshipHullCode.hullCode |HC-01",
  };
  for (const std::string& sLine : TraversalLines("BGSStoredTraversalData.traversals1[0", "777777|Starfield.esm", 1)) {
    theLines.push_back(sLine);
  }
  for (const std::string& sLine :
       TraversalLines("BGSStoredTraversalData.traversals2[0].traversals[0", "777777|Starfield.esm", 5)) {
    theLines.push_back(sLine);
  }
  for (const std::string sGroup : {"BGSStoredTraversalData.traversals2[0]", "BGSStoredTraversalData.traversals2[1]"}) {
    bool bFirst = sGroup.find("[0]") != std::string::npos;
    theLines.push_back(sGroup + ".unk14 |" + (bFirst ? "14.000000" : "0.000000"));
    theLines.push_back(sGroup + ".unk18 |0.000000");
    theLines.push_back(sGroup + ".unk1C |0.000000");
    theLines.push_back(sGroup + ".unk20 |0.000000");
    theLines.push_back(sGroup + ".unk24 |" + (bFirst ? "24.000000" : "0.000000"));
  }
  const std::string sFirstBlock = "A10" + std::string(77, '0') + "FF";
  const std::vector<std::pair<std::string, std::vector<std::string>>> theModules = {
      {"Blueprint.data[0]",
       {"fPosX |1.500000",
        "fPosY |0.000000",
        "fPosZ |0.000000",
        "fRotX |0.000000",
        "fRotY |0.000000",
        "fRotZ |-90.000000",
        "partID |7",
        "unk1C |0.000000",
        "unk20 |0.000000",
        "unk24 |0.000000",
        "unk28 |0.000000",
        "unk2C |0.000000",
        "unk30 |0.000000",
        "unk34 |34.000000",
        "unk38 |255",
        "unk39 |0",
        "unk3A |0",
        "unk3B |0",
        "unk3C |60",
        "unk40 |0",
        "unk44 |68",
        "unk48_98 |" + sFirstBlock,
        "item |BEEF|Medium.esm",
        "unkA0 |0",
        "unkA4 |164"}},
      {"Blueprint.data[1]",
       {"fPosX |0.000000",
        "fPosY |0.000000",
        "fPosZ |0.000000",
        "fRotX |0.000000",
        "fRotY |0.000000",
        "fRotZ |0.000000",
        "partID |0",
        "unk1C |0.000000",
        "unk20 |0.000000",
        "unk24 |0.000000",
        "unk28 |0.000000",
        "unk2C |0.000000",
        "unk30 |0.000000",
        "unk34 |0.000000",
        "unk38 |0",
        "unk39 |0",
        "unk3A |0",
        "unk3B |0",
        "unk3C |0",
        "unk40 |0",
        "unk44 |0",
        "unk48_98 |" + std::string(80, '0'),
        "item |01A2B3|Starfield.esm",
        "unkA0 |0",
        "unkA4 |0"}},
  };
  theLines.push_back("Blueprint.unk08 |18446744073709551615");
  theLines.push_back("Blueprint.unk10 |bp");
  for (const auto& [sPrefix, theFields] : theModules) {
    for (const std::string& sField : theFields) theLines.push_back(sPrefix + "." + sField);
  }
  for (const std::string sLine : {"Blueprint.unk28 |28", "Blueprint.unk30 |48", "Blueprint.unk34 |52",
                                  "Blueprint.unk3C |60", "TESContainer[0].count |3", "TESContainer[0].itemExtra |?",
                                  "TESContainer[0].obj |ABC|Small.esm", "TESContainer[1].count |-1"}) {
    theLines.push_back(sLine);
  }
  theLines.push_back(std::string("TESContainer[1].itemExtra |") + sAddress);
  for (const std::string sLine : {"TESContainer[1].obj |01A2B3|Starfield.esm", "DisplayName |Test Ship Base",
                                  "TESFullName.fullName |My Full Name", "TESModel.model |Ships\\Model.nif"}) {
    theLines.push_back(sLine);
  }
  EXPECT_EQ(ReadShipFile("Ship.txt"), MakeHeader() + JoinCrLf(theLines));
}

// Each case gives the base one component that ends the export; the lines before it stay.
struct StopCase {
  const char* sName;
  void (*Build)(ShipWorld& theShip);
  std::vector<std::string> theExpectedLines;
  std::vector<std::string> theExpectedErrors;
};

void BuildKeywordWithoutFile(ShipWorld& theShip) {
  auto* theKeywords =
      theShip.theWorld.AddComponent<game::KeywordFormComponent>(theShip.theShipBase, game::kKeywordFormComponent);
  theKeywords->theKeywords = theShip.theWorld.theHeap.NewArray<game::TESForm*>(2);
  theKeywords->theKeywords[0] = theShip.AddForm(0x0001A2B3, game::kFormTypeKeyword, theShip.theMaster);
  theKeywords->theKeywords[1] = theShip.AddForm(0xFF0000AA, game::kFormTypeKeyword, nullptr);
  theKeywords->uCount = 2;
}

void BuildPropertiesNull(ShipWorld& theShip) {
  theShip.theWorld.AddComponent<game::PropertySheetComponent>(theShip.theShipBase, game::kPropertySheetComponent);
}

void BuildPropertiesEmpty(ShipWorld& theShip) {
  auto* theSheet =
      theShip.theWorld.AddComponent<game::PropertySheetComponent>(theShip.theShipBase, game::kPropertySheetComponent);
  theSheet->theProperties = theShip.theWorld.theHeap.New<game::GameArray<game::PropertyEntry>>();
}

void BuildActorMissing(ShipWorld& theShip) {
  theShip.theWorld.AddComponent<game::SpaceshipAIActorComponent>(theShip.theShipBase, game::kSpaceshipAIActorComponent);
}

void BuildTraversalMissing(ShipWorld& theShip) {
  auto* theTraversals = theShip.theWorld.AddComponent<game::StoredTraversalsComponent>(
      theShip.theShipBase, game::kStoredTraversalsComponent);
  theShip.theWorld.FillArray(theTraversals->traversals1, {game::TraversalEntry{}});
}

void BuildModuleItemMissing(ShipWorld& theShip) {
  auto* theBlueprint =
      theShip.theWorld.AddComponent<game::BlueprintComponent>(theShip.theShipBase, game::kBlueprintComponent);
  theShip.theWorld.FillArray(theBlueprint->data, {game::BlueprintModule{}});
}

void BuildContainerObjectMissing(ShipWorld& theShip) {
  auto* theContainer =
      theShip.theWorld.AddComponent<game::ContainerComponent>(theShip.theShipBase, game::kContainerComponent);
  auto* theEntry = theShip.theWorld.theHeap.New<game::ContainerEntry>();
  theEntry->count = 2;
  theShip.theWorld.FillArray(theContainer->theEntries, {theEntry});
}

std::vector<std::string> ZeroTraversalPrefix() {
  const std::string sPrefix = "BGSStoredTraversalData.traversals1[0]";
  return {sPrefix + ".unk00 |0.000000", sPrefix + ".unk04 |0.000000", sPrefix + ".unk08 |0.000000",
          sPrefix + ".unk0C |0"};
}

std::vector<std::string> ZeroModulePrefix() {
  std::vector<std::string> theLines = {"Blueprint.unk08 |0", "Blueprint.unk10 |"};
  const std::string sPrefix = "Blueprint.data[0].";
  for (const char* sField : {"fPosX", "fPosY", "fPosZ", "fRotX", "fRotY", "fRotZ"}) {
    theLines.push_back(sPrefix + sField + " |0.000000");
  }
  theLines.push_back(sPrefix + "partID |0");
  for (const char* sField : {"unk1C", "unk20", "unk24", "unk28", "unk2C", "unk30", "unk34"}) {
    theLines.push_back(sPrefix + sField + " |0.000000");
  }
  for (const char* sField : {"unk38", "unk39", "unk3A", "unk3B", "unk3C", "unk40", "unk44"}) {
    theLines.push_back(sPrefix + sField + " |0");
  }
  theLines.push_back(sPrefix + "unk48_98 |" + std::string(80, '0'));
  return theLines;
}

class ExportStopTest : public ExportComponentsTest, public ::testing::WithParamInterface<StopCase> {};

TEST_P(ExportStopTest, StopsWithFalseKeepingEarlierLines) {
  GetParam().Build(theShip);
  EXPECT_FALSE(RunExport());
  EXPECT_EQ(ReadShipFile("Ship.txt"), MakeHeader() + JoinCrLf(GetParam().theExpectedLines));
  EXPECT_EQ(ReadMessagesAfterStart(), GetParam().theExpectedErrors);
}

INSTANTIATE_TEST_SUITE_P(
    Groups, ExportStopTest,
    ::testing::Values(StopCase{"KeywordWithoutPluginFile",
                               &BuildKeywordWithoutFile,
                               {"BGSKeywordForm[0] |01A2B3|Starfield.esm"},
                               {"tesfile is nullptr"}},
                      StopCase{"PropertyListMissing", &BuildPropertiesNull, {}, {"Properties is nullptr"}},
                      StopCase{"PropertyListEmpty", &BuildPropertiesEmpty, {}, {"Properties->size == 0"}},
                      StopCase{"AIActorMissing", &BuildActorMissing, {}, {"tesfile is nullptr"}},
                      StopCase{"TraversalMissing",
                               &BuildTraversalMissing,
                               ZeroTraversalPrefix(),
                               {"traversal is nullptr", "tesfile is nullptr"}},
                      StopCase{"ModuleItemMissing",
                               &BuildModuleItemMissing,
                               ZeroModulePrefix(),
                               {"data.item is nullptr", "tesfile is nullptr"}},
                      StopCase{"ContainerObjectMissing",
                               &BuildContainerObjectMissing,
                               {"TESContainer[0].count |2", "TESContainer[0].itemExtra |?"},
                               {"object.obj is nullptr", "tesfile is nullptr"}}),
    [](const ::testing::TestParamInfo<StopCase>& theInfo) { return std::string(theInfo.param.sName); });

}  // namespace
}  // namespace zorvane::test
