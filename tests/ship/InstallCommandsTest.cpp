// Taking over the three command entries of the game's tables.
#include <gtest/gtest.h>

#include <cstring>

#include "plugin/commands/ExportShipCommand.h"
#include "plugin/commands/ImportShipCommands.h"
#include "plugin/commands/InstallCommands.h"
#include "ship/ShipTest.h"

namespace zorvane::test {
namespace {

class InstallCommandsTest : public ShipTest {
 protected:
  game::CommandEntry& Console(std::size_t i) { return theWorld->theConsoleCommands[i]; }
  game::CommandEntry& Script(std::size_t i) { return theWorld->theScriptCommands[i]; }
};

// The game's tables (sim/README.md): console CloseFile at 2 and PlaceFurnitureTester at 3,
// script PipboyRadio at 1 and PipBoyRadioOff at 2.
TEST_F(InstallCommandsTest, RewritesTheThreeEntriesInPlaceKeepingTheGamesFields) {
  const game::CommandEntry theOldExport = Script(1);
  ASSERT_TRUE(InstallCommands());

  const struct {
    game::CommandEntry& theEntry;
    const char* sName;
    const char* sHelp;
    game::CommandExecuteFn theHandler;
  } kExpected[] = {
      {Script(1), "ExportShip", "Exports a Spaceship (implemented by Zorvane - SFSE Plugin by Pelloquin)",
       &ExportShipCommand},
      {Script(2), "ImportShipLayout", "Imports Spaceship layout (implemented by Zorvane - SFSE Plugin by Pelloquin)",
       &ImportShipLayoutCommand},
      {Console(3), "ImportShipInterior",
       "Imports Spaceship interior decoration items (implemented by Zorvane - SFSE Plugin by Pelloquin)",
       &ImportShipInteriorCommand},
  };
  for (const auto& theCase : kExpected) {
    EXPECT_STREQ(theCase.theEntry.sLongName, theCase.sName);
    EXPECT_STREQ(theCase.theEntry.sShortName, "");
    EXPECT_STREQ(theCase.theEntry.sHelpText, theCase.sHelp);
    EXPECT_EQ(theCase.theEntry.bNeedsParent, 0);
    EXPECT_EQ(theCase.theEntry.uParamCount, 1);
    EXPECT_EQ(theCase.theEntry.theParams, Console(2).theParams);
    EXPECT_EQ(theCase.theEntry.theExecute, theCase.theHandler);
  }
  EXPECT_EQ(Script(1).uOpcode, theOldExport.uOpcode);
  EXPECT_EQ(Script(1).theParse, theOldExport.theParse);
  EXPECT_EQ(Script(1).uFlags, theOldExport.uFlags);
  EXPECT_EQ(GetTimeline(), (std::vector<std::string>{"info: ExportShip command registered",
                                                     "info: ImportShipLayout command registered",
                                                     "info: ImportShipInterior command registered"}));
}

TEST_F(InstallCommandsTest, WithoutCloseFileParametersNothingIsTakenOver) {
  game::CommandParam* theParams = Console(2).theParams;
  Console(2).theParams = nullptr;
  EXPECT_FALSE(InstallCommands());
  Console(2).theParams = theParams;
  Console(2).sLongName = "CloseFileX";
  EXPECT_FALSE(InstallCommands());
  EXPECT_STREQ(Script(1).sLongName, "PipboyRadio");
  EXPECT_EQ(GetTimeline(), (std::vector<std::string>{"error: command params couldn't be found",
                                                     "error: command params couldn't be found"}));
}

// A second copy of the plugin finds the entries already taken over.
TEST_F(InstallCommandsTest, AMissingEntryIsNamedAfterTheEarlierOnesWereRewritten) {
  Console(3).sLongName = "PlaceFurnitureTesterX";
  EXPECT_FALSE(InstallCommands());
  EXPECT_STREQ(Script(2).sLongName, "ImportShipLayout");
  EXPECT_FALSE(InstallCommands());
  const std::string sWhy = " command table: is the plugin installed twice, or has another plugin taken it?";
  EXPECT_EQ(GetTimeline(), (std::vector<std::string>{"info: ExportShip command registered",
                                                     "info: ImportShipLayout command registered",
                                                     "error: PlaceFurnitureTester not found in the console" + sWhy,
                                                     "error: PipboyRadio not found in the script" + sWhy}));
}

TEST_F(InstallCommandsTest, NamesMatchCaseSensitivelyInTheirOwnTableUpToItsBound) {
  Script(2).sLongName = "PipboyRadioOff";
  EXPECT_FALSE(InstallCommands());
  Script(2).sLongName = "PipBoyRadioOff";
  std::swap(Console(3), Script(1));  // PlaceFurnitureTester in the script table, PipboyRadio in the console table
  EXPECT_FALSE(InstallCommands());
  std::swap(Console(3), Script(1));
  EXPECT_EQ(FindCommandEntry(&Console(0), game::kConsoleCommandBound, "PlaceFurnitureTester"), &Console(3));
  EXPECT_EQ(FindCommandEntry(&Console(0), Console(3).uOpcode, "PlaceFurnitureTester"), nullptr);
  Script(0).uOpcode = game::kScriptCommandBound;
  EXPECT_FALSE(InstallCommands());
}

}  // namespace
}  // namespace zorvane::test
