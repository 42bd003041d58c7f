// The component groups of the export that stop it, and the group that raises an error while
// the others go on. Every group's lines and encodings are pinned by the sample ship's golden
// ship file (tests/sessions/export-sample-ship).
#include <gtest/gtest.h>

#include "export/ExportShipRef.h"
#include "game/Components.h"
#include "ship/ShipTest.h"
#include "shipfile/ShipFolder.h"

namespace zorvane::test {
namespace {

const std::vector<std::string> kHeader = {"Ship: Test Ship Base [FormID: 0000C0DE] [EditorID: TestShip] ",
                                          "Export time: [T]", "Version: 1.00", ""};

class ExportComponentsTest : public ShipTest {
 protected:
  bool RunExport() {
    PluginSettings theSettings;
    return ExportShipRef(theShip->theShipRef, theShip->theCell, kShipFolder, "Ship.txt", &theSettings);
  }
  template <typename T>
  T* Add() {
    return theWorld->AddComponent<T>(theShip->theShipBase);
  }
};

// Each case gives the base one component that ends the export, which then leaves no file.
struct StopCase {
  const char* sName;
  void (*Build)(ShipWorld& theShip);
  std::vector<std::string> theErrors;
};

class ExportStopTest : public ExportComponentsTest, public ::testing::WithParamInterface<StopCase> {};

TEST_P(ExportStopTest, StopsWithFalseLeavingNoFile) {
  GetParam().Build(*theShip);
  EXPECT_FALSE(RunExport());
  EXPECT_TRUE(std::filesystem::is_empty(GetShipFolder()));
  std::vector<std::string> theErrors;
  for (const std::string& sError : GetParam().theErrors) theErrors.push_back("error: " + sError);
  EXPECT_EQ(GetTimeline(), theErrors);
}

INSTANTIATE_TEST_SUITE_P(
    Groups, ExportStopTest,
    ::testing::Values(
        StopCase{"KeywordWithoutPluginFile",
                 [](ShipWorld& theShip) {
                   auto* theKeywords = theShip.theWorld.AddComponent<game::KeywordFormComponent>(theShip.theShipBase);
                   theShip.theWorld.FillArray(theKeywords->theKeywords,
                                              {theShip.theWorld.AddForm(0x1A2B3, 4, theShip.theMaster),
                                               theShip.theWorld.AddForm(0xFF0000AA, 4)});
                 },
                 {"tesfile is nullptr"}},
        StopCase{"PropertyListMissing",
                 [](ShipWorld& theShip) {
                   theShip.theWorld.AddComponent<game::PropertySheetComponent>(theShip.theShipBase);
                 },
                 {"Properties is nullptr"}},
        StopCase{"PropertyListEmpty",
                 [](ShipWorld& theShip) {
                   theShip.theWorld.AddComponent<game::PropertySheetComponent>(theShip.theShipBase)->theProperties =
                       theShip.theWorld.theHeap.New<game::GameArray<game::PropertyEntry>>();
                 },
                 {"Properties->size == 0"}},
        StopCase{"AIActorMissing",
                 [](ShipWorld& theShip) {
                   theShip.theWorld.AddComponent<game::SpaceshipAIActorComponent>(theShip.theShipBase);
                 },
                 {"tesfile is nullptr"}},
        StopCase{"TraversalMissing",
                 [](ShipWorld& theShip) {
                   theShip.theWorld.FillArray(
                       theShip.theWorld.AddComponent<game::StoredTraversalsComponent>(theShip.theShipBase)->traversals1,
                       {game::TraversalEntry{}});
                 },
                 {"traversal is nullptr", "tesfile is nullptr"}},
        StopCase{"ModuleItemMissing",
                 [](ShipWorld& theShip) {
                   theShip.theWorld.FillArray(
                       theShip.theWorld.AddComponent<game::BlueprintComponent>(theShip.theShipBase)->data,
                       {game::BlueprintModule{}});
                 },
                 {"data.item is nullptr", "tesfile is nullptr"}},
        StopCase{"ContainerObjectMissing",
                 [](ShipWorld& theShip) {
                   auto* theEntry = theShip.theWorld.theHeap.New<game::ContainerEntry>();
                   theEntry->count = 2;
                   theShip.theWorld.FillArray(
                       theShip.theWorld.AddComponent<game::ContainerComponent>(theShip.theShipBase)->theEntries,
                       {theEntry});
                 },
                 {"object.obj is nullptr", "tesfile is nullptr"}}),
    [](const ::testing::TestParamInfo<StopCase>& theInfo) { return std::string(theInfo.param.sName); });

TEST_F(ExportComponentsTest, AGroupThatRaisesIsLoggedAndTheNextGroupsAreWritten) {
  auto* theKeywords = Add<game::KeywordFormComponent>();
  theWorld->FillArray(theKeywords->theKeywords, {theWorld->AddForm(0x1A2B3, 4, theShip->theMaster)});
  Add<game::FullNameComponent>()->fullName = theWorld->MakeString("Full Name");
  theWorld->FailOperation("GetFormFile");

  EXPECT_TRUE(RunExport());

  std::vector<std::string> theLines = kHeader;
  theLines.insert(theLines.end(), {"DisplayName |Test Ship Base", "TESFullName.fullName |Full Name"});
  EXPECT_EQ(ReadShipFile("Ship.txt"), JoinCrLf(theLines));
  EXPECT_EQ(GetTimeline(), std::vector<std::string>{"error: exception while exporting BGSKeywordForm"});
}

}  // namespace
}  // namespace zorvane::test
