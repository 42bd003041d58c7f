// The ExportShip command: its checks in order, each with its console text and log line in
// their order, the ship name parameter, and the outcome of the export.
#include <gtest/gtest.h>

#include <functional>

#include "platform/Platform.h"
#include "plugin/commands/ExportShipCommand.h"
#include "ship/ShipTest.h"
#include "support/RunCommand.h"

namespace zorvane::test {
namespace {

class ExportShipCommandTest : public ShipTest {
 protected:
  void SetUp() override {
    ShipTest::SetUp();
    PluginSettings theSettings;
    theSettings.Misc.bAlwaysReloadSettingsOnCommand = false;
    SetSettingsForTest(theSettings);
  }

  bool Run(const std::string& sParameter, game::TESObjectREFR* thisObj = nullptr) {
    return RunCommand(&ExportShipCommand, sParameter, thisObj);
  }
};

const std::string kAttempt =
    "info: attempting to export ShipRef [ADDR | FF000200 | 74 | 0|0x0 | Test Ship Base | {no_edid}] and Cell [ADDR | "
    "FF000100 | 73 | 0|0x0 | {unnamed} | {no_edid}] to file [.\\Data\\SFSE\\Plugins\\Spaceships\\";

// Every check fails at first; each is mended in turn, so each refusal shows only after the
// ones before it passed. The ship name is read after every check of the ship: a blank one is
// refused last.
TEST_F(ExportShipCommandTest, RefusalsComeInTheirOrder) {
  game::TESObjectREFR* theShipRef = theShip->thePlayer->theShipAboard;
  theShip->thePlayer->theShipAboard = nullptr;
  theShipRef->theBase = nullptr;
  theShip->thePlayer->theParentCell = nullptr;
  const std::vector<std::function<void()>> kMends = {
      [&] { theShip->thePlayer->theShipAboard = theShipRef; },
      [&] { theShipRef->theBase = theWorld->AddForm(0x00C0FFEE, 36, theShip->theMaster); },
      [&] { theShipRef->theBase = theShip->theShipBase; },
      [&] { theShip->thePlayer->theParentCell = theShip->theCell; },
  };
  EXPECT_FALSE(Run(" \t  ", theShip->theWorkshop));
  for (const auto& Mend : kMends) {
    EXPECT_FALSE(Run(" \t  "));
    Mend();
  }
  EXPECT_FALSE(Run(" \t  "));
  EXPECT_TRUE(std::filesystem::is_empty(GetShipFolder()));
  EXPECT_EQ(GetTimeline(),
            (std::vector<std::string>{
                "console: ExportShipRef: ERROR: this command doesn't work while a reference is selected (Prid) or if "
                "called on a reference.",
                "error: thisObj is not nullptr",
                "console: ExportShipRef: ERROR: Player is not in the ship.",
                "error: ShipRef is nullptr",
                "console: ExportShipRef: ERROR: ShipBase is nullptr.",
                "error: ShipBase is nullptr",
                "console: ExportShipRef: ERROR: ShipBase is not BGSGenericBaseForm | FormType: 36",
                "error: ShipBase is not BGSGenericBaseForm | FormType: 36",
                "console: ExportShipRef: ERROR: ParentCell is nullptr",
                "error: ParentCell is nullptr",
                "console: ExportShipRef: ERROR: no filename specified.",
                "error: Paramaters.size() < 1",
            }));
}

TEST_F(ExportShipCommandTest, ParameterWordsAreJoinedCutAt150AndAZeroByteAndNamesMeetingOneFileAreRefused) {
  EXPECT_TRUE(Run("   My  \t Ship "));
  EXPECT_TRUE(Run(std::string("My\0Ship", 7)));
  EXPECT_TRUE(Run("ship.txt"));
  EXPECT_TRUE(Run(std::string(149, 'a') + "bc"));
  EXPECT_TRUE(Run(std::string(148, 'c') + "\xE2\x85\xA1"));  // its last character cut: dropped whole
  EXPECT_TRUE(Run("Caf\xE9"));                               // not UTF-8: the system's code page
  EXPECT_TRUE(Run("100%s %d"));
  EXPECT_TRUE(Run("q\"s*t<u>v/w\\x|y?"));  // characters Windows cannot hold in a name
  EXPECT_TRUE(Run("a;b"));
  EXPECT_FALSE(Run("a?b"));
  for (const std::string& sFile : std::vector<std::string>{
           "My Ship.txt", "My.txt", "ship.txt.txt", std::string(149, 'a') + "b.txt", std::string(148, 'c') + ".txt",
           "Caf\xC3\xA9.txt", "100%s %d.txt", "q;s;t;u;v;w;x;y;.txt"}) {
    EXPECT_TRUE(std::filesystem::exists(GetShipFolder() / platform::ToFileSystemPath(sFile))) << sFile;
  }
  EXPECT_EQ(GetTimeline().back(),
            "error: DoesFileExistEx returned true | [sFilePath: "
            ".\\Data\\SFSE\\Plugins\\Spaceships\\] [sFileName: a;b.txt]");
}

TEST_F(ExportShipCommandTest, FailureLogsThenPrints) {
  theWorld->theWorkshopKeyword = nullptr;
  EXPECT_FALSE(Run("My Ship"));
  EXPECT_EQ(GetTimeline(),
            (std::vector<std::string>{
                kAttempt + "My Ship.txt]", "error: WorkshopKeyword is missing or not a keyword",
                "error: export finished with errors",
                "console: ExportShipRef: ERROR: ship couldn't be exported. It is recommended to exit the game as "
                "crunched ship data may remain in the memory after the process. Please check the .log for details."}));
}

// A folder or a link where the ship file would be is refused as a file is: a dangling link
// would lead the ship out of the ship folder.
TEST_F(ExportShipCommandTest, AnyEntryUnderTheShipFilesNameIsRefused) {
  std::filesystem::create_directory(GetShipFolder() / "Folder.txt");
  std::vector<std::string> theNames = {"Folder"};
#if !defined(_WIN32)
  std::filesystem::create_symlink(GetShipFolder() / "Folder.txt", GetShipFolder() / "Link.txt");
  std::filesystem::create_symlink(theRoot.GetPath() / "outside.txt", GetShipFolder() / "Dangling.txt");
  theNames.insert(theNames.end(), {"Link", "Dangling"});
#endif
  std::vector<std::string> theExpected;
  for (const std::string& sName : theNames) {
    EXPECT_FALSE(Run(sName));
    theExpected.push_back(
        "console: ExportShipRef: ERROR: file already exists at [.\\Data\\SFSE\\Plugins\\Spaceships\\" + sName +
        ".txt].");
    theExpected.push_back(
        "error: DoesFileExistEx returned true | [sFilePath: .\\Data\\SFSE\\Plugins\\Spaceships\\] "
        "[sFileName: " +
        sName + ".txt]");
  }
  EXPECT_EQ(GetTimeline(), theExpected);
  EXPECT_FALSE(std::filesystem::exists(theRoot.GetPath() / "outside.txt"));
}

TEST_F(ExportShipCommandTest, AnErrorRaisedInsideTheCommandIsContained) {
  theWorld->FailOperation("GetPlayer");
  EXPECT_FALSE(Run("My Ship"));
  EXPECT_EQ(GetTimeline(),
            (std::vector<std::string>{
                "error: exception: the game failed in GetPlayer",
                "console: ExportShipRef: ERROR: ship couldn't be exported. Please check the .log for details."}));
}

}  // namespace
}  // namespace zorvane::test
