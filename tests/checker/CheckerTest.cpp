// The ship-file checker's own parts: plugin file headers, the report on a ship file with and
// without a Data folder, and the differences between two files. (What it says about failing
// files is compared with the imports themselves by compare-with-imports.)
#include <gtest/gtest.h>

#include "checker/Checker.h"
#include "checker/Output.h"
#include "checker/ShipFileSummary.h"
#include "shipfile/ShipFileReader.h"
#include "support/Files.h"

namespace zorvane::test {
namespace {

using namespace shipfile;

std::string MakeHeader(uint32_t uFlags) {
  std::string sBytes = "TES4";
  sBytes.append(4, '\0');
  for (int i = 0; i < 4; ++i) sBytes += static_cast<char>((uFlags >> (8 * i)) & 0xFF);
  return sBytes + "more of the record";
}

// A Data folder of files known by name and kind alone: their forms only the game can check.
GameData MakeGameData(const std::vector<std::pair<std::string, PluginKind>>& theFiles) {
  GameData theData;
  for (const auto& [sName, eKind] : theFiles) theData.theCatalog.theFiles.push_back({sName, eKind, {}, {}});
  return theData;
}

TEST(CheckerTest, PluginFilesAreKnownByTheirHeaders) {
  TempFolder theData;
  WriteFileBytes(theData.GetPath() / "Full.esm", MakeHeader(0x1 | 0x200));
  WriteFileBytes(theData.GetPath() / "Small.esp", MakeHeader(0x100));
  WriteFileBytes(theData.GetPath() / "Medium.esm", MakeHeader(0x400));
  WriteFileBytes(theData.GetPath() / "Short.esm", "TES4");
  WriteFileBytes(theData.GetPath() / "Foreign.esl", "PK\x03\x04 a zip archive");
  WriteFileBytes(theData.GetPath() / "Textures.ba2", "BTDX");
  const PluginCatalog theCatalog = ReadDataFolder(theData.GetPath());
  std::vector<std::string> theFiles;
  for (const PluginFile& theFile : theCatalog.theFiles)
    theFiles.push_back(theFile.sName + " " + GetKindName(theFile.eKind));
  EXPECT_EQ(theFiles, (std::vector<std::string>{"Full.esm full", "Medium.esm medium", "Small.esp small"}));
  EXPECT_EQ(theCatalog.theProblems,
            (std::vector<std::string>{"Foreign.esl: not a plugin file (it does not start with a TES4 record)",
                                      "Short.esm: too short to be a plugin file"}));
  EXPECT_EQ(theCatalog.Find("small.ESP"), &theCatalog.theFiles[2]);
}

// The golden ship file passes both imports; with the Data folder its plugin files are looked
// for, and form IDs too wide for their file are found.
TEST(CheckerTest, TheExportedShipPassesAndItsPluginFilesAreLookedFor) {
  std::vector<std::string> theLines = SplitShipFileLines(ReadFileBytes(ZORVANE_GOLDEN_SHIP));
  CheckReport theReport = CheckShipFile("My Ship.txt", theLines, nullptr);
  EXPECT_FALSE(theReport.IsRefused());
  EXPECT_TRUE(theReport.theSkipped.empty() && theReport.theUnknown.empty());
  EXPECT_EQ(theReport.iDecorItems, 14);
  EXPECT_EQ(theReport.theNeeds, (std::map<std::string, int>{{"Cockpits Medium.esm", 4},
                                                            {"Outpost Lights.esm", 1},
                                                            {"ShipDecorPack.esm", 3},
                                                            {"SmallHabs.esm", 5},
                                                            {"Starfield.esm", 27}}));

  theLines.push_back("DecorItem[14].base |1201|ShipDecorPack.esm");
  const GameData theData = MakeGameData({{"Cockpits Medium.esm", PluginKind::kMedium},
                                         {"ShipDecorPack.esm", PluginKind::kSmall},
                                         {"Starfield.esm", PluginKind::kFull}});
  theReport = CheckShipFile("My Ship.txt", theLines, &theData);
  EXPECT_EQ(theReport.GetMissing(), (std::vector<std::string>{"Outpost Lights.esm", "SmallHabs.esm"}));
  ASSERT_EQ(theReport.theWrongWidth.size(), 1u);
  EXPECT_EQ(theReport.theWrongWidth[0].iLine, static_cast<int>(theLines.size()));
  // Without their plugin files every reference to them resolves to nothing. Each import ends at
  // the first; once item 4 is mended, item 12 fails too, with no index errors for those between.
  // The form ID too wide for its small file runs into the index of a file that is not loaded.
  std::vector<std::pair<int, bool>> theStops;
  for (const Finding& theStop : theReport.theStops) theStops.emplace_back(theStop.iLine, theStop.bFirst);
  EXPECT_EQ(
      theStops,
      (std::vector<std::pair<int, bool>>{
          {12, true}, {49, false}, {136, false}, {161, false}, {292, true}, {358, false}, {374, false}, {374, false}}));
  EXPECT_EQ(theReport.theStops[0].sMessage, "keywordform is nullptr | sLine: BGSKeywordForm[3] |010|SmallHabs.esm");
  EXPECT_EQ(theReport.theStops[4].sMessage, "form is nullptr | sLine: DecorItem[4].base |0301|Outpost Lights.esm");
}

// Both missing plugin files stop the layout import, and so would the lack of a module; the line
// after an item out of turn is counted.
TEST(CheckerTest, EveryStopIsReportedAndIndexErrorsOfABrokenListAreCounted) {
  const GameData theData = MakeGameData({{"Starfield.esm", PluginKind::kFull}});
  const CheckReport theReport = CheckShipFile(
      "several-stops.txt", SplitShipFileLines(ReadFileBytes(ZORVANE_SHIP_FILES "/several-stops.txt")), &theData);
  EXPECT_EQ(
      FormatCheck(theReport),
      R"(several-stops.txt: ImportShipLayout would refuse it (line 1); ImportShipInterior would refuse it (line 4).
  line 1: ImportShipLayout stops here: keywordform is nullptr | sLine: BGSKeywordForm[0] |0042|Hull Pack.esm
      because: no TESFile could be found with name: Hull Pack.esm
      because: no PluginFile could be found with the name [Hull Pack.esm]. Returning nullptr.
  line 2: ImportShipLayout would stop here too: actorform is nullptr | sLine: BGSSpaceshipAIActor.actor |000123|Crew Pack.esm
      because: no TESFile could be found with name: Crew Pack.esm
      because: no PluginFile could be found with the name [Crew Pack.esm]. Returning nullptr.
  line 3: ImportShipInterior would stop here too: incomplete entry | DecorItem[0]: no .fPosX line
  line 4: ImportShipInterior stops here: index error | index: 2 | size: 1 | sLine: DecorItem[2].base |090001|Starfield.esm
  the whole file: ImportShipLayout would stop here too: no modules in the ship file (no Blueprint.data line): nothing was changed
  1 later index error of ImportShipInterior not listed: a failed line above broke the numbering of its list; mend that line and check again
  plugin files needed: Crew Pack.esm 1, Hull Pack.esm 1, Starfield.esm 2
  missing from the Data folder: Crew Pack.esm, Hull Pack.esm
  load order not looked at: give --plugins with the player's Plugins.txt
  forms only the game can check (that each is in its plugin file and of the kind its line needs): 2
)");
  EXPECT_EQ(CheckToJson(theReport)["stops"][1]["first"], false);
  EXPECT_EQ(CheckToJson(theReport)["unlistedIndexErrors"], (nlohmann::json{{"ImportShipInterior", 1}}));
}

// A failed line is run again mended, its value a plain number and its form a stand-in, so the
// record it makes is there for the lines below: they pass, and only real failures are listed.
TEST(CheckerTest, AFailedLineIsMendedForTheLinesBelowIt) {
  const GameData theData = MakeGameData({{"Starfield.esm", PluginKind::kFull}});
  const CheckReport theReport =
      CheckShipFile("mended.txt",
                    {"Blueprint.data[0].fPosX |", "Blueprint.data[0].fPosY |1.0", "Blueprint.data[1].fPosX |1.0",
                     "Blueprint.data[1].item |0042|Gone.esm", "Blueprint.data[1].fPosY |2.0",
                     "DecorItem[0].base |0042|Gone.esm", "DecorItem[0].fPosX |1.0"},
                    &theData);
  EXPECT_EQ(FormatCheck(theReport),
            R"(mended.txt: ImportShipLayout would refuse it (line 1); ImportShipInterior would refuse it (line 6).
  line 1: ImportShipLayout stops here: bGot is false | sLine: Blueprint.data[0].fPosX |
  line 1: ImportShipLayout would stop here too: incomplete entry | Blueprint.data[0]: no .fPosZ line
  line 4: ImportShipLayout would stop here too: form is nullptr | sLine: Blueprint.data[1].item |0042|Gone.esm
      because: no TESFile could be found with name: Gone.esm
      because: no PluginFile could be found with the name [Gone.esm]. Returning nullptr.
  line 6: ImportShipInterior stops here: form is nullptr | sLine: DecorItem[0].base |0042|Gone.esm
      because: no TESFile could be found with name: Gone.esm
      because: no PluginFile could be found with the name [Gone.esm]. Returning nullptr.
  line 6: ImportShipInterior would stop here too: incomplete entry | DecorItem[0]: no .fPosY line
  plugin files needed: Gone.esm 2
  missing from the Data folder: Gone.esm
  load order not looked at: give --plugins with the player's Plugins.txt
)");
}

// Only a form ID's significant digits count against its file's width: leading zeros are padding.
TEST(CheckerTest, FormIDsWiderThanTheirFileAreFoundAndZeroPaddingIsNot) {
  const GameData theData = MakeGameData({{"Small.esm", PluginKind::kSmall}, {"Medium.esm", PluginKind::kMedium}});
  const CheckReport theReport =
      CheckShipFile("widths.txt",
                    {"DecorItem[0].base |00000FFF|Small.esm", "DecorItem[1].base |0000FFFF|Medium.esm",
                     "DecorItem[2].base |1000|Small.esm", "DecorItem[3].base |010000|Medium.esm"},
                    &theData);
  std::vector<std::string> theFound;
  for (const Finding& theWide : theReport.theWrongWidth) {
    theFound.push_back(std::to_string(theWide.iLine) + ": " + theWide.sMessage);
  }
  EXPECT_EQ(theFound,
            (std::vector<std::string>{"3: the form ID 1000 cannot belong to the small file Small.esm (at most 3 "
                                      "hexadecimal digits): the game would take another form",
                                      "4: the form ID 010000 cannot belong to the medium file Medium.esm (at most 4 "
                                      "hexadecimal digits): the game would take another form"}));
}

// The export time and the addresses of the game's memory differ between two exports of a ship.
TEST(CheckerTest, DifferencesAreByKeyWithoutTheExportTimeAndAddresses) {
  const std::vector<KeyDifference> theDifferences =
      DiffShipFiles({"Ship: A [FormID: ] [EditorID: ] ", "Export time: 1", "TESModel.model |a.nif",
                     "TESContainer[0].itemExtra |?", "TESContainer[1].itemExtra |1F00A0", "DecorItem[0].bWorkshopItem"},
                    {"Ship: A [FormID: ] [EditorID: ] ", "Export time: 2", "TESModel.model |b.nif",
                     "TESContainer[0].itemExtra |2B40", "TESContainer[1].itemExtra |3C08", "DisplayName |B"});
  ASSERT_EQ(theDifferences.size(), 3u);
  EXPECT_EQ(theDifferences[0].sKey, "TESModel.model");
  EXPECT_EQ(theDifferences[0].sLeft, "a.nif");
  EXPECT_EQ(theDifferences[0].sRight, "b.nif");
  EXPECT_EQ(theDifferences[1].sKey, "DecorItem[0].bWorkshopItem");
  EXPECT_EQ(theDifferences[1].sRight, std::nullopt);
  EXPECT_EQ(theDifferences[2].sKey, "DisplayName");
  EXPECT_EQ(theDifferences[2].sLeft, std::nullopt);
}

}  // namespace
}  // namespace zorvane::test
