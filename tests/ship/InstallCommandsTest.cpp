// Taking over the three command entries.
#include <gtest/gtest.h>

#include <cstring>

#include "plugin/commands/ExportShipCommand.h"
#include "plugin/commands/ImportShipCommands.h"
#include "plugin/commands/InstallCommands.h"
#include "support/ExportFixture.h"

namespace zorvane::test {
namespace {

bool RunOriginal(const game::CommandParam*, const uint8_t*, game::TESObjectREFR*, game::TESObjectREFR*, void*, void*,
                 double*, uint32_t*) {
  return true;
}

game::CommandParam gTextParam[] = {{"String", 0, 0}};

game::CommandEntry MakeEntry(const char* sName, uint32_t uOpcode, game::CommandParam* theParams = nullptr) {
  game::CommandEntry theEntry = {};
  theEntry.sLongName = sName;
  theEntry.sShortName = "short";
  theEntry.uOpcode = uOpcode;
  theEntry.sHelpText = "the game's help";
  theEntry.bNeedsParent = 1;
  theEntry.uParamCount = theParams != nullptr ? 1 : 0;
  theEntry.theParams = theParams;
  theEntry.theExecute = &RunOriginal;
  theEntry.theParse = reinterpret_cast<void*>(0x1234);
  theEntry.uFlags = 7;
  return theEntry;
}

class InstallCommandsTest : public ExportFixture {
 protected:
  void SetUp() override {
    ExportFixture::SetUp();
    theShip.theWorld.theConsoleCommands = {MakeEntry("Help", 0x100), MakeEntry("CloseFile", 0x101, gTextParam),
                                           MakeEntry(nullptr, 0x102), MakeEntry("PlaceFurnitureTester", 0x103),
                                           MakeEntry("", 0x345)};
    theShip.theWorld.theScriptCommands = {MakeEntry("GetPos", 0x1000), MakeEntry("PipboyRadio", 0x1001),
                                          MakeEntry("PipBoyRadioOff", 0x1002), MakeEntry("", 0x13C0)};
  }

  game::CommandEntry& GetConsoleEntry(std::size_t i) { return theShip.theWorld.theConsoleCommands[i]; }
  game::CommandEntry& GetScriptEntry(std::size_t i) { return theShip.theWorld.theScriptCommands[i]; }

  void ExpectTakenOver(game::CommandEntry& theEntry, const char* sName, const char* sHelp,
                       game::CommandExecuteFn theHandler, uint32_t uOpcode) {
    EXPECT_STREQ(theEntry.sLongName, sName);
    EXPECT_STREQ(theEntry.sShortName, "");
    EXPECT_STREQ(theEntry.sHelpText, sHelp);
    EXPECT_EQ(theEntry.bNeedsParent, 0);
    EXPECT_EQ(theEntry.uParamCount, 1);
    EXPECT_EQ(theEntry.theParams, gTextParam);
    EXPECT_EQ(theEntry.theExecute, theHandler);
    EXPECT_EQ(theEntry.uOpcode, uOpcode);
    EXPECT_EQ(theEntry.theParse, reinterpret_cast<void*>(0x1234));
    EXPECT_EQ(theEntry.uFlags, 7u);
  }
};

TEST_F(InstallCommandsTest, RewritesTheThreeEntriesInPlace) {
  ASSERT_TRUE(InstallCommands());
  ExpectTakenOver(GetScriptEntry(1), "ExportShip",
                  "Exports a Spaceship (implemented by Zorvane - SFSE Plugin by Pelloquin)", &ExportShipCommand,
                  0x1001);
  ExpectTakenOver(GetScriptEntry(2), "ImportShipLayout",
                  "Imports Spaceship layout (implemented by Zorvane - SFSE Plugin by Pelloquin)",
                  &ImportShipLayoutCommand, 0x1002);
  ExpectTakenOver(GetConsoleEntry(3), "ImportShipInterior",
                  "Imports Spaceship interior decoration items (implemented by Zorvane - SFSE Plugin by Pelloquin)",
                  &ImportShipInteriorCommand, 0x103);
  EXPECT_STREQ(GetConsoleEntry(1).sLongName, "CloseFile");
  EXPECT_STREQ(GetScriptEntry(0).sLongName, "GetPos");
  EXPECT_EQ(ReadMessagesAfterStart(),
            (std::vector<std::string>{"ExportShip command registered", "ImportShipLayout command registered",
                                      "ImportShipInterior command registered"}));
}

TEST_F(InstallCommandsTest, FailsWithoutCloseFileParameters) {
  GetConsoleEntry(1).theParams = nullptr;
  EXPECT_FALSE(InstallCommands());
  GetConsoleEntry(1).sLongName = "CloseFileX";
  EXPECT_FALSE(InstallCommands());
  EXPECT_STREQ(GetScriptEntry(1).sLongName, "PipboyRadio");
  EXPECT_EQ(ReadMessagesAfterStart(),
            (std::vector<std::string>{"command params couldn't be found", "command params couldn't be found"}));
}

TEST_F(InstallCommandsTest, FailsSilentlyWhenATakenOverEntryIsMissing) {
  GetConsoleEntry(3).sLongName = "PlaceFurnitureTesterX";
  EXPECT_FALSE(InstallCommands());
  // The entries rewritten before the missing one stay rewritten.
  EXPECT_STREQ(GetScriptEntry(1).sLongName, "ExportShip");
  EXPECT_STREQ(GetScriptEntry(2).sLongName, "ImportShipLayout");
  EXPECT_EQ(ReadMessagesAfterStart(),
            (std::vector<std::string>{"ExportShip command registered", "ImportShipLayout command registered"}));
}

TEST_F(InstallCommandsTest, MatchesLongNamesCaseSensitively) {
  GetScriptEntry(2).sLongName = "PipboyRadioOff";
  EXPECT_FALSE(InstallCommands());
  EXPECT_STREQ(GetScriptEntry(2).sLongName, "PipboyRadioOff");
}

TEST_F(InstallCommandsTest, SearchesEachNameInItsOwnTable) {
  std::swap(GetConsoleEntry(3),
            GetScriptEntry(1));  // PlaceFurnitureTester in the script table, PipboyRadio in the console table
  EXPECT_FALSE(InstallCommands());
  EXPECT_STREQ(GetConsoleEntry(3).sLongName, "PipboyRadio");
}

TEST_F(InstallCommandsTest, StopsScanningAtTheTableBound) {
  EXPECT_EQ(FindCommandEntry(&GetConsoleEntry(0), 0x345, "PlaceFurnitureTester"), &GetConsoleEntry(3));
  EXPECT_EQ(FindCommandEntry(&GetConsoleEntry(0), 0x103, "PlaceFurnitureTester"), nullptr);
  GetScriptEntry(0).uOpcode = 0x13C0;
  EXPECT_EQ(FindCommandEntry(&GetScriptEntry(0), 0x13C0, "PipboyRadio"), nullptr);
  EXPECT_FALSE(InstallCommands());
}

}  // namespace
}  // namespace zorvane::test
