// The interior import in the sample world: the stops that need a game without a workshop or
// failing to make references, and the line errors it passes over. (What it places, removes and
// filters, and its stops at a line of the file, are the sessions interior-import,
// decoration-filters, names-like-keys and import-line-checks.)
#include <gtest/gtest.h>

#include <functional>

#include "interior/ImportShipInterior.h"
#include "ship/SampleShipTest.h"

namespace zorvane::test {
namespace {

class ImportInteriorTest : public SampleShipTest {
 protected:
  void SetUp() override {
    SampleShipTest::SetUp();
    theSettings.Import.bRestrictDecorationImportToBuildModePlacedItems = false;
    BoardHomeShip();
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

// A stop before the placement changes nothing: not even the removal the settings ask for. (The
// stops at a line of the file are the session import-line-checks.)
TEST_F(ImportInteriorTest, AStopBeforeThePlacementChangesNothing) {
  theSettings.Import.bRemoveAlreadyPlacedDecorationItemsBeforeImport = true;
  game::TESForm* theLinkKeyword = theWorld->theWorkshopLinkKeyword;
  const std::vector<std::pair<std::function<void()>, std::string>> kStops = {
      {[&] { theWorld->theWorkshopKeyword = nullptr; }, "WorkshopKeyword is missing or not a keyword"},
      {[&] { theWorld->theWorkshopLinkKeyword = theWorld->FindForm(0x00080001); },
       "WorkshopLinkKeyword is missing or not a keyword"},
      {[&] { theWorld->theWorkshopKeyword = theWorld->FindForm(0x00030003); }, "ClosestWorkshopRef is nullptr"},
  };
  const nlohmann::json theWorldBefore = sim::DumpWorld(*theWorld);
  for (const auto& [Prepare, sMessage] : kStops) {
    std::filesystem::remove(GetLogFile());
    OpenLog();
    Prepare();
    EXPECT_FALSE(ImportLines({"DecorItem[0].base |090001|Starfield.esm"}));
    const std::vector<std::string> theMessages = ReadLogMessages();  // after the log's first line
    EXPECT_EQ(std::vector<std::string>(theMessages.begin() + 1, theMessages.end()), std::vector<std::string>{sMessage});
    theWorld->theWorkshopKeyword = theWorld->FindForm(0x0002A1C0);
    theWorld->theWorkshopLinkKeyword = theLinkKeyword;
    EXPECT_EQ(sim::DumpWorld(*theWorld), theWorldBefore) << sMessage;
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
