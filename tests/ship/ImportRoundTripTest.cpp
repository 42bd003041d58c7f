// Export a ship, import its layout onto the home ship, export the home ship: the two files say
// the same but for what the import leaves to the target. A second cycle changes nothing.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>

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
  void ExpectRoundTrip() {
    ASSERT_TRUE(Export(kKestrelRefID, kKestrelCellID, "Kestrel.txt"));
    ASSERT_TRUE(Import("Kestrel.txt"));
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

TEST_F(ImportRoundTripTest, TheSampleShip) { ExpectRoundTrip(); }

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

// A file without layout lines empties every component the import writes; the attach parents,
// the hull code and the blueprint's own numbers stay; the registration entry is added, and the
// reference keeps its display name.
TEST_F(ImportLayoutTest, AFileWithoutLayoutLinesEmptiesTheShip) {
  ASSERT_TRUE(ImportLines({"Ship: Nothing [FormID: ] [EditorID: ] ", "Export time: [T]", "Version: 1.00", ""}));
  EXPECT_EQ(GetHomeComponents(), nlohmann::json::parse(R"({
    "BGSAddToInventoryOnDestroy_Component": {"form": null},
    "BGSAnimationGraph_Component": {"animPath": null, "responseFile": null, "rigFile": null, "rootAnimGraph": null},
    "BGSAttachParentArray_Component": {"parents": ["0x00030012"]},
    "BGSKeywordForm_Component": {"keywords": []},
    "BGSLinkedVoiceType_Component": {"voice": null},
    "BGSPropertySheet_Component": {"properties": [{"first": "0x000C55B1", "second": null, "third": 1.0}]},
    "BGSSpaceshipAIActor_Component": {"actor": null},
    "BGSSpaceshipHullCode_Component": {"hullCode": "FRT-0001"},
    "BGSSpaceshipWeaponBindings_Component": {"weaponSlot1": 0, "weaponSlot2": 0, "weaponSlot3": 0},
    "BGSStoredTraversals_Component": {"traversals1": [], "traversals2": []},
    "Blueprint_Component": {"data": [], "unk08": 0, "unk10": null, "unk28": 7, "unk30": 8, "unk34": 9, "unk3C": 10},
    "TESContainer_Component": {"entries": []},
    "TESFullName_Component": {"fullName": null},
    "TESModel_Component": {"model": null}})"));
  EXPECT_EQ(GetDumped("0xFF000C00")["extra"][0]["string"], "Frontier");
  EXPECT_EQ(GetTimeline(), std::vector<std::string>{"warning: (3) empty line"});
}

}  // namespace
}  // namespace zorvane::test
