// The ImportShipLayout and ImportShipInterior commands: their refusals in their order, each
// with its console text and log line. (Their outcomes, the layout import's backup and its undo
// are the sessions layout-round-trip, layout-undo and interior-import.)
#include <gtest/gtest.h>

#include "plugin/commands/ImportShipCommands.h"
#include "ship/SampleShipTest.h"
#include "support/RunCommand.h"

namespace zorvane::test {
namespace {

class ImportCommandsTest : public SampleShipTest {
 protected:
  void SetUp() override {
    SampleShipTest::SetUp();
    PluginSettings theSettings;
    theSettings.Misc.bAlwaysReloadSettingsOnCommand = false;
    SetSettingsForTest(theSettings);
  }

  bool Run(const std::string& sParameter, game::TESObjectREFR* thisObj = nullptr) {
    return RunCommand(&ImportShipLayoutCommand, sParameter, thisObj);
  }
  bool RunInterior(const std::string& sParameter, game::TESObjectREFR* thisObj = nullptr) {
    return RunCommand(&ImportShipInteriorCommand, sParameter, thisObj);
  }
};

// Every check fails at first; each is mended in turn, so each refusal shows only after the
// ones before it passed.
TEST_F(ImportCommandsTest, LayoutRefusalsComeInTheirOrder) {
  game::TESForm* theUnmodifiable = theWorld->FindForm(game::kCannotBeModifiedShipKeywordID);
  game::TESForm* theStarborn = theWorld->FindForm(game::kShipTypeStarbornKeywordID);
  game::TESForm* theHomeBase = theHome->theBase;
  theWorld->thePlayerHomeShip = nullptr;
  theUnmodifiable->uFormType = 5;
  theStarborn->uFormType = 5;
  theHome->theKeywords = {theUnmodifiable, theStarborn};
  theHome->theBase = nullptr;
  game::TESObjectREFR* thePlayer = theWorld->thePlayer;
  game::TESObjectREFR* theKestrel = thePlayer->theShipAboard;
  thePlayer->theShipAboard = theHome;

  // The ship name is read only after every check of the home ship: a blank one is refused last.
  const std::vector<std::function<void()>> kMends = {
      [&] { theWorld->thePlayerHomeShip = theHome; },
      [&] { theUnmodifiable->uFormType = game::kFormTypeKeyword; },
      [&] { theStarborn->uFormType = game::kFormTypeKeyword; },
      [&] { theHome->theKeywords = {theStarborn}; },
      [&] { theHome->theKeywords.clear(); },
      [&] { theHome->theBase = theWorld->FindForm(0x00040001); },
      [&] { theHome->theBase = theWorld->FindForm(0x00100A00); },
      [&] { theHome->theBase = theHomeBase; },
      [&] { thePlayer->theShipAboard = theKestrel; },
  };
  EXPECT_FALSE(Run(" ", theKestrel));
  for (const auto& Mend : kMends) {
    EXPECT_FALSE(Run(" "));
    Mend();
  }
  EXPECT_FALSE(Run(" "));
  EXPECT_FALSE(Run("Kestrel"));
  const std::string sFolder = ".\\Data\\SFSE\\Plugins\\Spaceships\\";
  EXPECT_EQ(
      GetTimeline(),
      (std::vector<std::string>{
          "console: ImportShipLayout: ERROR: this command doesn't work while a reference is selected (Prid) or if "
          "called on a reference.",
          "error: thisObj is not nullptr",
          "console: ImportShipLayout: ERROR: Homeship ref is nullptr.",
          "error: Homeship is nullptr",
          "console: ImportShipLayout: INTERNAL ERROR: 01.",
          "error: CannotBeModifiedShipKeyword is nullptr",
          "console: ImportShipLayout: INTERNAL ERROR: 02.",
          "error: ShipTypeStarborn is nullptr",
          "console: ImportShipLayout: ERROR: Homeship is not modifiable. Please select another ship as homeship.",
          "error: has CannotBeModifiedShipKeyword",
          "console: ImportShipLayout: ERROR: Homeship is a Starborn ship. Please select another ship as homeship.",
          "error: has ShipTypeStarborn",
          "console: ImportShipLayout: ERROR: Homeship base is nullptr.",
          "error: ShipBase is nullptr",
          "console: ImportShipLayout: ERROR: Homeship base is not BGSGenericBaseForm. | FormType: 50",
          "error: ShipBase is not BGSGenericBaseForm | FormType: 50",
          "console: ImportShipLayout: ERROR: Homeship base is not runtime created. Modify the Homeship at a Ship "
          "Services Technician first to allow importing a ship layout to it (any kind of modification will do).",
          "error: ShipBase is not runtime created",
          "console: ImportShipLayout: ERROR: Player is currently in the Homeship.",
          "error: ShipRef == Homeship",
          "console: ImportShipLayout: ERROR: no filename specified.",
          "error: Paramaters.size() < 1",
          "console: ImportShipLayout: ERROR: no file exists at [" + sFolder + "Kestrel.txt]",
          "error: DoesFileExistEx returned false | [sFilePath: " + sFolder + "] [sFileName: Kestrel.txt]",
      }));
}

// The interior import works in any ship the player stands in; its outcome texts are shown by
// the interior-import session.
TEST_F(ImportCommandsTest, InteriorRefusalsComeInTheirOrder) {
  game::TESObjectREFR* thePlayer = theWorld->thePlayer;
  game::TESObjectREFR* theShip = thePlayer->theShipAboard;
  game::TESObjectCELL* theCell = thePlayer->theParentCell;
  thePlayer->theShipAboard = nullptr;
  thePlayer->theParentCell = nullptr;
  EXPECT_FALSE(RunInterior(" ", theShip));
  EXPECT_FALSE(RunInterior(" "));
  thePlayer->theShipAboard = theShip;
  EXPECT_FALSE(RunInterior(" "));
  thePlayer->theParentCell = theCell;
  EXPECT_FALSE(RunInterior(" "));
  EXPECT_FALSE(RunInterior("Kestrel"));
  EXPECT_EQ(
      GetTimeline(),
      (std::vector<std::string>{
          "console: ImportShipInterior: ERROR: this command doesn't work while a reference is selected (Prid) or "
          "if called on a reference.",
          "error: thisObj is not nullptr",
          "console: ImportShipInterior: ERROR: Player is not in the ship.",
          "error: ShipRef is nullptr",
          "console: ImportShipInterior: ERROR: ParentCell is nullptr",
          "error: ParentCell is nullptr",
          "console: ImportShipInterior: ERROR: no filename specified.",
          "error: Paramaters.size() < 1",
          "console: ImportShipInterior: ERROR: no file exists at [.\\Data\\SFSE\\Plugins\\Spaceships\\Kestrel.txt]",
          "error: DoesFileExistEx returned false | [sFilePath: .\\Data\\SFSE\\Plugins\\Spaceships\\] "
          "[sFileName: Kestrel.txt]",
      }));
}

}  // namespace
}  // namespace zorvane::test
