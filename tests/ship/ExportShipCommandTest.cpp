// The ExportShip command: its checks in order, each with its console text and log line, the
// ship name parameter, and the outcome of the export.
#include <gtest/gtest.h>

#include "plugin/Settings.h"
#include "plugin/commands/CommandFrame.h"
#include "plugin/commands/ExportShipCommand.h"
#include "support/ExportFixture.h"

namespace zorvane::test {
namespace {

// The compiled parameter data the game hands the handler for a text parameter.
std::vector<uint8_t> Compile(const std::string& sText) {
  std::vector<uint8_t> theData(8 + sText.size(), 0);
  theData[6] = static_cast<uint8_t>(sText.size());
  std::copy(sText.begin(), sText.end(), theData.begin() + 8);
  return theData;
}

class ExportShipCommandTest : public ExportFixture {
 protected:
  void SetUp() override {
    ExportFixture::SetUp();
    gSettings.Misc.bAlwaysReloadSettingsOnCommand = false;
  }

  bool Run(const std::string& sParameter, game::TESObjectREFR* thisObj = nullptr) {
    std::vector<uint8_t> theData = Compile(sParameter);
    double fResult = 0;
    uint32_t uOffset = 0;
    return ExportShipCommand(nullptr, theData.data(), thisObj, nullptr, nullptr, nullptr, &fResult, &uOffset);
  }

  // A refused command prints one text and logs one error line, in that order, and writes nothing.
  void ExpectRefused(const std::string& sParameter, const std::string& sConsole, const std::string& sLog,
                     game::TESObjectREFR* thisObj = nullptr) {
    EXPECT_FALSE(Run(sParameter, thisObj));
    EXPECT_EQ(theConsoleLines, std::vector<std::string>{sConsole});
    EXPECT_EQ(ReadMessagesAfterStart(), std::vector<std::string>{sLog});
    EXPECT_TRUE(std::filesystem::is_empty(GetShipFolder()));
  }
};

const char* const kExported =
    "ExportShipRef: INFO: ship exported. It is recommended to exit the game as crunched ship data may remain in the "
    "memory after the process.";
const char* const kNotExported =
    "ExportShipRef: ERROR: ship couldn't be exported. It is recommended to exit the game as crunched ship data may "
    "remain in the memory after the process. Please check the .log for details.";

TEST_F(ExportShipCommandTest, RefusesASelectedReferenceBeforeAnyOtherCheck) {
  theShip.thePlayer->theShipAboard = nullptr;
  ExpectRefused("My Ship",
                "ExportShipRef: ERROR: this command doesn't work while a reference is selected (Prid) or if called on "
                "a reference.",
                "thisObj is not nullptr", theShip.theWorkshop);
}

TEST_F(ExportShipCommandTest, RefusesWhenThePlayerIsNotInAShip) {
  theShip.thePlayer->theShipAboard = nullptr;
  ExpectRefused("My Ship", "ExportShipRef: ERROR: Player is not in the ship.", "ShipRef is nullptr");
}

TEST_F(ExportShipCommandTest, RefusesWithoutPlayer) {
  theShip.theWorld.thePlayer = nullptr;
  ExpectRefused("My Ship", "ExportShipRef: ERROR: Player is not in the ship.", "ShipRef is nullptr");
}

TEST_F(ExportShipCommandTest, RefusesAShipWithoutBaseForm) {
  theShip.theShipRef->theBase = nullptr;
  ExpectRefused("My Ship", "ExportShipRef: ERROR: ShipBase is nullptr.", "ShipBase is nullptr");
}

TEST_F(ExportShipCommandTest, RefusesABaseFormOfAnotherType) {
  theShip.theShipBase->uFormType = 36;
  ExpectRefused("My Ship", "ExportShipRef: ERROR: ShipBase is not BGSGenericBaseForm | FormType: 36",
                "ShipBase is not BGSGenericBaseForm | FormType: 36");
}

TEST_F(ExportShipCommandTest, RefusesWhenThePlayerIsInNoCell) {
  theShip.thePlayer->theParentCell = nullptr;
  ExpectRefused("My Ship", "ExportShipRef: ERROR: ParentCell is nullptr", "ParentCell is nullptr");
}

TEST_F(ExportShipCommandTest, RefusesAMissingShipName) {
  ExpectRefused("", "ExportShipRef: ERROR: no filename specified.", "Paramaters.size() < 1");
  theConsoleLines.clear();
  EXPECT_FALSE(Run(" \t  "));
  EXPECT_EQ(theConsoleLines, std::vector<std::string>{"ExportShipRef: ERROR: no filename specified."});
}

TEST_F(ExportShipCommandTest, JoinsParameterWordsIntoTheFileName) {
  EXPECT_TRUE(Run("   My  \t Ship "));
  EXPECT_TRUE(Run("ship.txt"));
  EXPECT_TRUE(std::filesystem::exists(GetShipFolder() / "My Ship.txt"));
  EXPECT_TRUE(std::filesystem::exists(GetShipFolder() / "ship.txt.txt"));
  EXPECT_EQ(theConsoleLines, (std::vector<std::string>{kExported, kExported}));
}

TEST_F(ExportShipCommandTest, CutsALongParameterAt150Characters) {
  EXPECT_TRUE(Run(std::string(149, 'a') + "bc"));
  EXPECT_TRUE(std::filesystem::exists(GetShipFolder() / (std::string(149, 'a') + "b.txt")));
}

TEST_F(ExportShipCommandTest, NeverOverwritesAnExistingShipFile) {
  WriteFileBytes(GetShipFolder() / "My Ship.txt", "kept\r\n");
  EXPECT_FALSE(Run("My Ship"));
  EXPECT_EQ(ReadFileBytes(GetShipFolder() / "My Ship.txt"), "kept\r\n");
  EXPECT_EQ(theConsoleLines, std::vector<std::string>{
                                 "ExportShipRef: ERROR: file already exists at [.\\Data\\SFSE\\Plugins\\Spaceships\\My "
                                 "Ship.txt]."});
  EXPECT_EQ(ReadMessagesAfterStart(), std::vector<std::string>{"DoesFileExistEx returned true | [sFilePath: "
                                                               ".\\Data\\SFSE\\Plugins\\Spaceships\\] [sFileName: My "
                                                               "Ship.txt]"});
}

TEST_F(ExportShipCommandTest, NamesMeetingTheSameFileAreRefusedByThatFile) {
  EXPECT_TRUE(Run("a;b"));
  EXPECT_FALSE(Run("a?b"));
  EXPECT_EQ(theConsoleLines.back(),
            "ExportShipRef: ERROR: file already exists at [.\\Data\\SFSE\\Plugins\\Spaceships\\a;b.txt].");
  // One ship: the header, the empty line and the display name line.
  const std::string sShip = ReadShipFile("a;b.txt");
  EXPECT_EQ(std::count(sShip.begin(), sShip.end(), '\n'), 5);
}

TEST_F(ExportShipCommandTest, ReportsASuccessfulExport) {
  EXPECT_TRUE(Run("My Ship"));
  EXPECT_EQ(theConsoleLines, std::vector<std::string>{kExported});
  EXPECT_EQ(ReadMessagesAfterStart(),
            (std::vector<std::string>{"attempting to export ShipRef [ADDR | FF000200 | 66 | 0|0x0 | Test Ship Base | "
                                      "{no_edid}] and Cell [ADDR | FF000100 | 57 | 0|0x0 | {unnamed} | {no_edid}] to "
                                      "file [.\\Data\\SFSE\\Plugins\\Spaceships\\My Ship.txt]",
                                      "export finished"}));
  EXPECT_TRUE(ReadShipFile("My Ship.txt").starts_with("Ship: Test Ship Base [FormID: 0000C0DE]"));
}

TEST_F(ExportShipCommandTest, ReportsAFailedExportAfterLoggingIt) {
  std::filesystem::remove(GetShipFolder());
  EXPECT_FALSE(Run("My Ship"));
  EXPECT_EQ(theConsoleLines, std::vector<std::string>{kNotExported});
  std::vector<std::string> theMessages = ReadMessagesAfterStart();
  ASSERT_EQ(theMessages.size(), 3u);
  EXPECT_EQ(theMessages[1], "std::ofstream error: !log.is_open()");
  EXPECT_EQ(theMessages[2], "export finished with errors");
}

TEST_F(ExportShipCommandTest, ReloadsTheSettingsFirstWhenAsked) {
  gSettings.Misc.bAlwaysReloadSettingsOnCommand = true;
  EXPECT_FALSE(Run("My Ship", theShip.theWorkshop));
  std::vector<std::string> theMessages = ReadMessagesAfterStart();
  ASSERT_EQ(theMessages.size(), 28u);
  EXPECT_EQ(theMessages[0], "reloading settings...");
  EXPECT_EQ(theMessages[1], "Piloting.bNoPilotingSkillRequirement --> 0");
  EXPECT_EQ(theMessages[26], "Logging.bVerboseLogging --> 0");
  EXPECT_EQ(theMessages[27], "thisObj is not nullptr");
  // The reload never creates the settings file.
  EXPECT_FALSE(std::filesystem::exists(GetSettingsFile()));
}

TEST_F(ExportShipCommandTest, ConsoleTextIsShownUnchanged) {
  EXPECT_TRUE(Run("100%s %d"));
  EXPECT_TRUE(std::filesystem::exists(GetShipFolder() / "100%s %d.txt"));
  WriteFileBytes(GetShipFolder() / "50%n.txt", "");
  EXPECT_FALSE(Run("50%n"));
  EXPECT_EQ(theConsoleLines.back(),
            "ExportShipRef: ERROR: file already exists at [.\\Data\\SFSE\\Plugins\\Spaceships\\50%n.txt].");
}

}  // namespace
}  // namespace zorvane::test
