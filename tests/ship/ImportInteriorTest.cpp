// The interior import in the sample world: the Kestrel's decoration placed in the Frontier,
// the removal of the player's own items, the filters, and every stop with what it leaves.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <sstream>

#include "game/References.h"
#include "interior/ImportShipInterior.h"
#include "ship/SampleShipTest.h"

namespace zorvane::test {
namespace {

// The decoration blocks of a ship file in order, each line without its "DecorItem[n]." prefix.
std::vector<std::vector<std::string>> GetDecorBlocks(const std::string& sFile) {
  std::map<int, std::vector<std::string>> theBlocks;
  std::istringstream theText(sFile);
  for (std::string sLine; std::getline(theText, sLine);) {
    if (sLine.rfind("DecorItem[", 0) != 0) continue;
    const std::size_t uEnd = sLine.find("].");
    theBlocks[std::stoi(sLine.substr(10, uEnd - 10))].push_back(sLine.substr(uEnd + 2));
  }
  std::vector<std::vector<std::string>> theResult;
  for (auto& [iIndex, theBlock] : theBlocks) theResult.push_back(theBlock);
  return theResult;
}

class ImportInteriorTest : public SampleShipTest {
 protected:
  void SetUp() override {
    SampleShipTest::SetUp();
    theSettings.Import.bRestrictDecorationImportToBuildModePlacedItems = false;
    BoardHomeShip();
  }

  // The player boards the Frontier, as the game's coc would move them.
  void BoardHomeShip() {
    game::TESObjectREFR* thePlayer = theWorld->thePlayer;
    std::erase(thePlayer->theParentCell->theRefs, thePlayer);
    thePlayer->theParentCell = Cell(kHomeCellID);
    thePlayer->theParentCell->theRefs.push_back(thePlayer);
    thePlayer->theShipAboard = theHome;
    theWorld->theCellManager.theCurrentCell = thePlayer->theParentCell;
  }

  bool Import(const std::string& sFileName) {
    return ImportShipInteriorToCell(Cell(kHomeCellID), kShipFolder, sFileName, theSettings);
  }
  bool ImportLines(const std::vector<std::string>& theLines) { return Import(WriteLines(theLines)); }

  // The lines item `n` of the base `sBase` needs, at the cell's origin, and `theMore`.
  static std::vector<std::string> ItemLines(int n, const std::string& sBase, std::vector<std::string> theMore = {}) {
    const std::string sItem = "DecorItem[" + std::to_string(n) + "].";
    theMore.insert(theMore.begin(),
                   {sItem + "base |" + sBase, sItem + "fPosX |0", sItem + "fPosY |0", sItem + "fPosZ |0"});
    return theMore;
  }
};

TEST_F(ImportInteriorTest, TheKestrelsDecorationComesOverWhole) {
  theSettings.Import.bRemoveAlreadyPlacedDecorationItemsBeforeImport = true;
  // A name that holds a key's text is a name, the ship's in the header too.
  game::SetRefDisplayName(Ref(0xFF000A02), "My.base chair");
  game::SetRefDisplayName(Ref(kKestrelRefID), "My DecorItem[0].base chair");
  ASSERT_TRUE(Export(kKestrelRefID, kKestrelCellID, "Kestrel.txt"));
  ASSERT_TRUE(Import("Kestrel.txt"));
  ASSERT_TRUE(Export(kHomeRefID, kHomeCellID, "Frontier.txt"));
  // The player's own chair stays first; every item of the Kestrel follows in its order.
  std::vector<std::vector<std::string>> theFrontier = GetDecorBlocks(ReadShipFile("Frontier.txt"));
  ASSERT_FALSE(theFrontier.empty());
  EXPECT_EQ(theFrontier.front().front(), "base |090006|Starfield.esm\r");
  theFrontier.erase(theFrontier.begin());
  EXPECT_EQ(theFrontier, GetDecorBlocks(ReadShipFile("Kestrel.txt")));

  // The fourth item as the game holds it: 0.1, 0.2, 3.25; rotated by nothing; at 75 %; linked.
  EXPECT_EQ(GetDumped("0xFF800003"), nlohmann::json::parse(R"({
    "base": "0xFE000202", "cell": "0xFF000D00", "extra": [], "formID": "0xFF800003",
    "links": [{"keyword": "0x0002A1C1", "ref": "0xFF000E01"}], "position": [0.1, 0.2, 3.25],
    "rotation": [0.0, 0.0, 0.0], "scale": 75, "type": 74})"));
  EXPECT_EQ(GetDumped("0xFF800001")["extra"], nlohmann::json::parse(R"([{"kind": 150, "string": "My.base chair"}])"));
  // Degrees become radians by the factor 0.017453292.
  EXPECT_EQ(GetDumped("0xFF800000")["rotation"][2].get<float>(), 45.0f * 0.017453292f);
}

// The removal walks the cell's list as it stood, once the file has been read: the two
// neighbours are both taken out. (The item is not one placed in build mode.)
TEST_F(ImportInteriorTest, RemovalTakesOnlyThePlayersOwnMiscItemsAndConsumables) {
  theSettings.Import.bRemoveAlreadyPlacedDecorationItemsBeforeImport = true;
  theSettings.Import.bRestrictDecorationImportToBuildModePlacedItems = true;
  theSettings.Logging.bVerboseLogging = true;
  const std::vector<std::string> theItem = ItemLines(0, "090001|Starfield.esm");
  EXPECT_TRUE(ImportLines(theItem));
  std::vector<std::string> theTimeline = GetTimeline();
  theTimeline.erase(theTimeline.begin(), theTimeline.begin() + static_cast<std::ptrdiff_t>(theItem.size()));
  EXPECT_EQ(theTimeline,
            (std::vector<std::string>{
                "warning: removing already placed decor item | Ref [ADDR | FF000E02 | 74 | 0|0x0 | Iron | {no_edid}] "
                "of base [ADDR | 00080001 | 40]",
                "warning: removing already placed decor item | Ref [ADDR | FF000E03 | 74 | 0|0x0 | Old Med Pack | "
                "{no_edid}] of base [ADDR | 00080002 | 54]",
                "warning: excluding already placed vanilla decor item | Ref [ADDR | FF000E04 | 74 | 0|0x0 | Round Rug "
                "| {no_edid}] of base [ADDR | 00090014 | 40]",
                "info: DecorItems.size: 1"}));
  EXPECT_EQ(GetDumped("0xFF000D00")["references"],
            nlohmann::json::parse(R"(["0xFF000E01", null, "0xFF000E04", "0xFF000E05", "0x00000014"])"));
}

// Skip keys, the unsupported type, the build-mode restriction, and the type no key skips.
TEST_F(ImportInteriorTest, FiltersDecideWhatIsPlaced) {
  auto& theImport = theSettings.Import;
  for (bool* bSkip :
       {&theImport.bSkipBOOK, &theImport.bSkipMISC, &theImport.bSkipFURN, &theImport.bSkipKEYM, &theImport.bSkipMSTT,
        &theImport.bSkipCONT, &theImport.bSkipTERM, &theImport.bSkipARMO, &theImport.bSkipWEAP}) {
    *bSkip = true;
  }
  theImport.bRestrictDecorationImportToBuildModePlacedItems = true;
  theSettings.Logging.bVerboseLogging = true;
  std::vector<std::string> theLines;
  for (const auto& theItem :
       {ItemLines(0, "090001|Starfield.esm"), ItemLines(1, "090012|Starfield.esm"),
        ItemLines(2, "09000A|Starfield.esm"), ItemLines(3, "090008|Starfield.esm", {"DecorItem[3].bWorkshopItem"}),
        ItemLines(4, "080002|Starfield.esm", {"DecorItem[4].bWorkshopItem"})}) {
    theLines.insert(theLines.end(), theItem.begin(), theItem.end());
  }
  EXPECT_TRUE(ImportLines(theLines));
  std::vector<std::string> theTimeline = GetTimeline();
  theTimeline.erase(theTimeline.begin(), theTimeline.begin() + static_cast<std::ptrdiff_t>(theLines.size()));
  const std::string sPlayer = "[ADDR | 00000014 | 75 | 0|0x0 | Player | {no_edid}]";
  EXPECT_EQ(
      theTimeline,
      (std::vector<std::string>{
          "info: DecorItems.size: 5", "warning: skipping itemBase of unsupported type | Base [ADDR | 00090001 | 34]",
          "warning: skipping itemBase of unsupported type | Base [ADDR | 00090012 | 30]",
          "info: createdRef [ADDR | FF800000 | 74 | 0|0x0 | Hologram Stand | {no_edid}] |Distance: 3.579455",
          "info: linking createdRef [ADDR | FF800000 | 74 | 0|0x0 | Hologram Stand | {no_edid}] to workshop ref "
          "[ADDR | FF000E01 | 74 | 0|0x0 | Ship Builder | {no_edid}]",
          "info: createdRef [ADDR | FF800001 | 74 | 0|0x0 | Med Pack | {no_edid}] |Distance: 3.579455",
          "info: linking createdRef [ADDR | FF800001 | 74 | 0|0x0 | Med Pack | {no_edid}] to workshop ref "
          "[ADDR | FF000E01 | 74 | 0|0x0 | Ship Builder | {no_edid}]"}));
}

struct Stop {
  std::function<void()> Prepare;
  std::vector<std::string> theLines;
  std::vector<std::string> theMessages;  // after the log's first line
};

// A stop before the placement changes nothing: not even the removal the settings ask for.
TEST_F(ImportInteriorTest, AStopBeforeThePlacementChangesNothing) {
  theSettings.Import.bRemoveAlreadyPlacedDecorationItemsBeforeImport = true;
  const std::vector<std::string> kItem = {"DecorItem[0].base |090001|Starfield.esm"};
  game::TESForm* theLinkKeyword = theWorld->theWorkshopLinkKeyword;
  const std::vector<Stop> kStops = {
      {[&] { theWorld->theWorkshopKeyword = nullptr; }, kItem, {"WorkshopKeyword is missing or not a keyword"}},
      {[&] { theWorld->theWorkshopLinkKeyword = theWorld->FindForm(0x00080001); },
       kItem,
       {"WorkshopLinkKeyword is missing or not a keyword"}},
      {[&] { theWorld->theWorkshopKeyword = theWorld->FindForm(0x00030003); },
       kItem,
       {"ClosestWorkshopRef is nullptr"}},
      {[] {}, {"DecorItem[0].fPosX |1.0"}, {"index error | index: 0 | size: 0 | sLine: DecorItem[0].fPosX |1.0"}},
      {[] {},
       {kItem[0], "DecorItem[2].base |090001|Starfield.esm"},
       {"index error | index: 2 | size: 1 | sLine: DecorItem[2].base |090001|Starfield.esm"}},
      {[] {}, {kItem[0], "DecorItem[0].fScale |"}, {"bGot is false | sLine: DecorItem[0].fScale |"}},
      {[] {},
       {"DecorItem[0].base |030001|Starfield.esm"},
       {"boundObject is nullptr | sLine: DecorItem[0].base |030001|Starfield.esm"}},
      {[] {}, {}, {"no decoration items in the ship file: nothing was removed"}},
      {[] {},
       {"Ship: My DecorItem[0].base |090001|Starfield.esm", "BGSKeywordForm[0] |030001|Starfield.esm"},
       {"no decoration items in the ship file: nothing was removed"}},
      {[] {},
       {kItem[0], "DecorItem[0].fPosX |1", "DecorItem[0].fPosZ |1", "DecorItem[0].fScale |2"},
       {"incomplete entry | DecorItem[0]: no .fPosY line"}},
      {[] {},
       {kItem[0], "DecorItem[1].base |0042|Missing.esm"},
       {"this HexFormID's length < 6. Extended to 5. Result: 00042", "no TESFile could be found with name: Missing.esm",
        "no PluginFile could be found with the name [Missing.esm]. Returning nullptr.",
        "form is nullptr | sLine: DecorItem[1].base |0042|Missing.esm"}},
  };
  const nlohmann::json theWorldBefore = sim::DumpWorld(*theWorld);
  for (const Stop& theStop : kStops) {
    std::filesystem::remove(GetLogFile());
    OpenLog();
    theStop.Prepare();
    EXPECT_FALSE(ImportLines(theStop.theLines));
    std::vector<std::string> theMessages = ReadLogMessages();
    theMessages.erase(theMessages.begin());
    EXPECT_EQ(theMessages, theStop.theMessages);
    theWorld->theWorkshopKeyword = theWorld->FindForm(0x0002A1C0);
    theWorld->theWorkshopLinkKeyword = theLinkKeyword;
    EXPECT_EQ(sim::DumpWorld(*theWorld), theWorldBefore) << theStop.theMessages.back();
  }
  EXPECT_FALSE(ImportShipInteriorToCell(nullptr, kShipFolder, "Lines.txt", theSettings));
  EXPECT_FALSE(ImportShipInteriorToCell(Cell(0x0000F00D), kShipFolder, "Lines.txt", theSettings));
  EXPECT_FALSE(Import("Missing.txt"));
  std::vector<std::string> theMessages = ReadLogMessages();
  EXPECT_EQ(std::vector<std::string>(theMessages.end() - 3, theMessages.end()),
            (std::vector<std::string>{"theInteriorCell is nullptr", "theInteriorCell is not interior",
                                      "no file exists at [.\\Data\\SFSE\\Plugins\\Spaceships\\Missing.txt]"}));
  EXPECT_EQ(sim::DumpWorld(*theWorld), theWorldBefore);
}

// A stop during the placement keeps what was placed before it.
TEST_F(ImportInteriorTest, AStopDuringThePlacementKeepsWhatWasPlaced) {
  std::vector<std::string> kItems = ItemLines(0, "090001|Starfield.esm", ItemLines(1, "090003|Starfield.esm"));
  const std::string sFirst = "info: createdRef [ADDR | FF8000";
  const std::vector<std::pair<sim::NewRefFault, std::string>> kFaults = {
      {sim::NewRefFault::kNoRequest, "error: NewREFRData is nullptr"},
      {sim::NewRefFault::kNoHandle, "error: handle is 0"},
      {sim::NewRefFault::kNoReference, "error: CreatedRef is nullptr of base [ADDR | 00090003 | 36 | 0|0x0]"},
  };
  for (const auto& [eFault, sError] : kFaults) {
    std::filesystem::remove(GetLogFile());
    OpenLog();
    const std::size_t uRefs = Cell(kHomeCellID)->theRefs.size();
    theWorld->FailNewReference(eFault, 2);
    EXPECT_FALSE(ImportLines(kItems));
    const std::vector<std::string> theTimeline = GetTimeline();
    ASSERT_EQ(theTimeline.size(), 3u);
    EXPECT_EQ(theTimeline[0], "info: DecorItems.size: 2");
    EXPECT_EQ(theTimeline[1].substr(0, sFirst.size()), sFirst);
    EXPECT_EQ(theTimeline[2], sError);
    // The first item stays; a reference the game made but did not hand over stays as well.
    EXPECT_EQ(Cell(kHomeCellID)->theRefs.size(), uRefs + (eFault == sim::NewRefFault::kNoReference ? 2 : 1));
  }
}

// A value that does not convert skips its line (which still counts as there), a scale the
// game cannot hold gives 1.0, an empty name is no name whatever its index; a reference without
// extra data gets no name.
TEST_F(ImportInteriorTest, LineErrorsAndAMissingExtraListSkipOnlyTheirPart) {
  theWorld->bNewRefsHaveExtraList = false;
  EXPECT_TRUE(ImportLines({"DecorItem[0].base |090001|Starfield.esm", "DecorItem[0].fPosX |abc",
                           "DecorItem[0].fPosY |2", "DecorItem[0].fPosZ |0", "DecorItem[0].fScale |0.5",
                           "DecorItem[0].fScale |NAN", "DecorItem[0].fScale |655.36", "DecorItem[0].fScale |0",
                           "DecorItem[7].overrideName |", "DecorItem[0].overrideName |Suit"}));
  const std::string sScale = "warning: fScale out of range, 1.0 used | sLine: DecorItem[0].fScale |";
  EXPECT_EQ(
      GetTimeline(),
      (std::vector<std::string>{
          "error: exception while parsing DecorItems | sLine: DecorItem[0].fPosX |abc", sScale + "NAN",
          sScale + "655.36", sScale + "0", "info: DecorItems.size: 1",
          "info: createdRef [ADDR | FF800000 | 74 | 0|0x0 | Spacesuit | {no_edid}] |Distance: 3.288237",
          "error: extra is nullptr, cannot SetDisplayName of createdRef [ADDR | FF800000 | 74 | 0|0x0 | Spacesuit "
          "| {no_edid}]"}));
  // A scale the game cannot hold leaves the item its base's size.
  EXPECT_EQ(GetDumped("0xFF800000"), nlohmann::json::parse(R"({
    "base": "0x00090001", "cell": "0xFF000D00", "formID": "0xFF800000", "position": [0.0, 2.0, 0.0],
    "rotation": [0.0, 0.0, 0.0], "scale": 100, "type": 74})"));
}

}  // namespace
}  // namespace zorvane::test
