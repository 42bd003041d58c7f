// Export a ship, import its layout onto the home ship, export the home ship: the two files say
// the same but for what the import leaves to the target. A second cycle changes nothing.
#include <gtest/gtest.h>

#include <clocale>
#include <functional>
#include <regex>
#include <set>
#include <sstream>

#include "game/Components.h"
#include "game/Forms.h"
#include "ship/ImportLayoutTest.h"

namespace zorvane::test {
namespace {

bool StartsWith(const std::string& sLine, const char* sPrefix) { return sLine.rfind(sPrefix, 0) == 0; }

// The lines of a ship file that a layout import carries over. Left out: the header's ship
// identity, the decoration (not part of the layout), the attach parents (the target keeps its
// own) and the lines the import does not read (hull code, blueprint unk28 to unk3C, container
// extra-data addresses). Keyword slots are numbered without gaps, as the import appends them;
// module byte blocks read as the import leaves them, zero.
std::vector<std::string> GetImportedLines(const std::string& sFile) {
  static const std::regex kKeyword(R"(^BGSKeywordForm\[\d+\])");
  static const std::regex kByteBlock(R"(^(Blueprint\.data\[\d+\]\.unk48_98 \|).*$)");
  static const std::regex kUnread(R"(^(Ship: |DecorItem\[|BGSAttachParentArray\[|BGSSpaceshipHullCode\.|)"
                                  R"(Blueprint\.unk(28|30|34|3C) \||TESContainer\[\d+\]\.itemExtra \|))");
  std::vector<std::string> theLines;
  std::istringstream theText(sFile);
  int iKeyword = 0;
  for (std::string sLine; std::getline(theText, sLine);) {
    if (!sLine.empty() && sLine.back() == '\r') sLine.pop_back();
    if (std::regex_search(sLine, kUnread)) continue;
    if (std::regex_search(sLine, kKeyword)) {
      sLine = std::regex_replace(sLine, kKeyword, "BGSKeywordForm[" + std::to_string(iKeyword++) + "]");
    }
    theLines.push_back(std::regex_replace(sLine, kByteBlock, "$1" + std::string(160, '0')));
  }
  return theLines;
}

class ImportRoundTripTest : public ImportLayoutTest {
 protected:
  void ExpectRoundTrip(const std::function<void()>& AfterFirstImport = [] {}) {
    ASSERT_TRUE(Export(kKestrelRefID, kKestrelCellID, "Kestrel.txt"));
    ASSERT_TRUE(Import("Kestrel.txt"));
    AfterFirstImport();
    ASSERT_TRUE(Export(kHomeRefID, kHomeCellID, "Frontier.txt"));
    const std::string sHome = ReadShipFile("Frontier.txt");
    EXPECT_EQ(GetImportedLines(sHome), GetImportedLines(ReadShipFile("Kestrel.txt")));
    EXPECT_NE(sHome.find("\r\nBGSAttachParentArray[0] |030012|Starfield.esm\r\n"), std::string::npos);

    ASSERT_TRUE(Import("Frontier.txt"));
    ASSERT_TRUE(Export(kHomeRefID, kHomeCellID, "Frontier again.txt"));
    EXPECT_EQ(ReadShipFile("Frontier again.txt"), sHome);
    for (const std::string& sLine : GetTimeline()) EXPECT_FALSE(StartsWith(sLine, "error")) << sLine;
  }
};

// The blocks of the game's heap that the home ship's components hold.
std::set<void*> GetHeldBlocks(game::TESForm* theBase) {
  std::set<void*> theBlocks = {game::GetComponent<game::KeywordFormComponent>(theBase)->theKeywords.theData,
                               game::GetComponent<game::PropertySheetComponent>(theBase)->theProperties->theData,
                               game::GetComponent<game::BlueprintComponent>(theBase)->data.theData};
  const auto* theTraversals = game::GetComponent<game::StoredTraversalsComponent>(theBase);
  theBlocks.insert({theTraversals->traversals1.theData, theTraversals->traversals2.theData});
  for (uint32_t i = 0; i < theTraversals->traversals2.uCount; ++i) {
    theBlocks.insert(theTraversals->traversals2.theData[i].traversals.theData);
  }
  const auto& theEntries = game::GetComponent<game::ContainerComponent>(theBase)->theEntries;
  theBlocks.insert(theEntries.theData);
  theBlocks.insert(theEntries.theData, theEntries.theData + theEntries.uCount);
  theBlocks.erase(nullptr);
  return theBlocks;
}

// Every block the import leaves on the game's heap is held by the home ship, and every block
// the home ship holds is alive.
TEST_F(ImportRoundTripTest, TheSampleShip) {
  const std::map<void*, std::size_t> theBefore = theWorld->theHeap.GetLiveBlocks();
  ExpectRoundTrip([&] {
    const std::set<void*> theHeld = GetHeldBlocks(theHome->theBase);
    for (const auto& [theBlock, uSize] : theWorld->theHeap.GetLiveBlocks()) {
      EXPECT_TRUE(theBefore.count(theBlock) != 0 || theHeld.count(theBlock) != 0) << theBlock;
    }
    for (void* theBlock : theHeld) EXPECT_TRUE(theWorld->theHeap.Owns(theBlock)) << theBlock;
  });
}

// The game or another plugin may set a locale whose decimal point is a comma: ship files are
// written and read with the point all the same.
TEST_F(ImportRoundTripTest, ACommaDecimalLocaleChangesNothing) {
#ifdef _WIN32
  const char* sCommaLocale = "German";
#else
  const char* sCommaLocale = "de_DE.UTF-8";  // scripts/install-deps makes it
#endif
  ASSERT_NE(std::setlocale(LC_ALL, sCommaLocale), nullptr) << sCommaLocale;
  ASSERT_STREQ(std::localeconv()->decimal_point, ",");
  ExpectRoundTrip();
  std::setlocale(LC_ALL, "C");
  static const std::regex kAddress(R"((itemExtra \|)[0-9A-F]+)");
  std::string sKestrel = std::regex_replace(ReadShipFile("Kestrel.txt"), kAddress, "$1ADDR");
  std::erase(sKestrel, '\r');
  EXPECT_EQ(sKestrel, ReadFileBytes(ZORVANE_TEST_SOURCE_DIR "/shipfile/files/sample-ship.txt"));
}

// Empty texts, an empty traversal group, a traversal form from a plugin whose name holds a
// bracket pair, and a display name that holds another key's text.
TEST_F(ImportRoundTripTest, EmptyTextsAndNamesThatLookLikeKeys) {
  nlohmann::json theJson = ReadSampleWorld();
  theJson["smallFiles"].push_back({{"name", "Hull Pack [2].esm"}});
  theJson["forms"].push_back({{"formID", "0xFE002030"}, {"type", 170}, {"file", "Hull Pack [2].esm"}});
  for (auto& theForm : theJson["forms"]) {
    if (theForm["formID"] != "0x00100A00") continue;
    auto& theComponents = theForm["components"];
    theComponents["BGSAnimationGraph_Component"]["rigFile"] = "";
    theComponents["TESFullName_Component"]["fullName"] = "";
    theComponents["TESModel_Component"]["model"] = "";
    auto& theGroups = theComponents["BGSStoredTraversals_Component"]["traversals2"];
    theGroups[0]["traversals"][0]["traversal"] = "0xFE002030";
    theGroups.push_back({{"traversals", nlohmann::json::array()}, {"unk14", 2.5}});
  }
  for (auto& theRef : theJson["references"]) {
    if (theRef["formID"] == "0xFF000800") theRef["extra"][1]["string"] = "My BGSKeywordForm[0] TESModel.model";
  }
  UseSampleWorld(theJson);
  ExpectRoundTrip();
}

}  // namespace
}  // namespace zorvane::test
