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

// A file that is no whole ship changes nothing: one without a module (a read-me, a file whose
// lines end with CR alone), or one with an entry that lacks a line, as a cut file has.
TEST_F(ImportLayoutTest, AFileThatIsNoWholeShipChangesNothing) {
  const std::string sNoModule = "no modules in the ship file (no Blueprint.data line): nothing was changed";
  const std::string sTraversal = "060001|Starfield.esm";
  const std::string s1 = "BGSStoredTraversalData.traversals1[0]";
  const std::string s2 = "BGSStoredTraversalData.traversals2[0]";
  auto Without = [](std::vector<std::string> theLines, const std::string& sKey) {
    std::erase_if(theLines, [&sKey](const std::string& sLine) { return sLine.find(sKey) != std::string::npos; });
    return theLines;
  };
  const std::vector<std::string> theWhole = Join(ModuleLines(0), ModuleLines(1));
  const std::vector<std::pair<std::string, std::string>> kCases = {
      {JoinCrLf({"Ship: Read me [FormID: ] [EditorID: ] ", "", "TESModel.model |Nothing.nif"}), sNoModule},
      {"Ship: CR [FormID: ] [EditorID: ] \rBlueprint.data[0].fPosX |1\r", sNoModule},
      {JoinCrLf(Without(theWhole, "[1].item")), "incomplete entry | Blueprint.data[1]: no .item line"},
      {JoinCrLf(Join(Without(EntryLines(s1, kTraversalFields, sTraversal), ".fToX"), theWhole)),
       "incomplete entry | BGSStoredTraversalData.traversals1[0]: no .fToX line"},
      {JoinCrLf(
           Join(Without(EntryLines(s2 + ".traversals[0]", kTraversalFields, sTraversal), "].traversal |"), theWhole)),
       "incomplete entry | BGSStoredTraversalData.traversals2[0].traversals[0]: no .traversal line"},
      {JoinCrLf(Join(Join(EntryLines(s2 + ".traversals[0]", kTraversalFields, sTraversal),
                          Without(EntryLines(s2, kTraversalGroupFields, ""), "unk24")),
                     theWhole)),
       "incomplete entry | BGSStoredTraversalData.traversals2[0]: no .unk24 line"},
      {JoinCrLf(Join(theWhole, {"TESContainer[0].count |1", "TESContainer[0].itemExtra |?"})),
       "incomplete entry | TESContainer[0]: no .obj line"},
  };
  const nlohmann::json theWorldBefore = sim::DumpWorld(*theWorld);
  const std::map<void*, std::size_t> theBlocksBefore = theWorld->theHeap.GetLiveBlocks();
  for (const auto& [sBytes, sError] : kCases) {
    std::filesystem::remove(GetLogFile());
    OpenLog();
    WriteFileBytes(GetShipFolder() / "Lines.txt", sBytes);
    EXPECT_FALSE(Import("Lines.txt"));
    std::vector<std::string> theErrors;
    for (const std::string& sLine : GetTimeline()) {
      if (sLine.rfind("error: ", 0) == 0) theErrors.push_back(sLine.substr(7));
    }
    std::vector<std::string> theExpected = {sError};
    if (sBytes.find('\n') == std::string::npos) {
      theExpected.push_back("the ship file's lines end with CR alone: save it with CR LF or LF line ends");
    }
    EXPECT_EQ(theErrors, theExpected);
    EXPECT_EQ(sim::DumpWorld(*theWorld), theWorldBefore) << sError;
    EXPECT_EQ(theWorld->theHeap.GetLiveBlocks(), theBlocksBefore) << sError;
  }
}

}  // namespace
}  // namespace zorvane::test
