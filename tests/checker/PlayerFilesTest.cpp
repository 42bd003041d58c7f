// The checker with the player's own files: the load order read from Plugins.txt, and forms
// looked up in plugin files written for the test.
#include <gtest/gtest.h>

#include "checker/ApplyChecks.h"
#include "checker/Checker.h"
#include "checker/Output.h"
#include "support/Files.h"
#include "support/PluginFileWriter.h"

namespace zorvane::test {
namespace {

using namespace shipfile;

TEST(PlayerFilesTest, TheLoadOrderTellsActiveInactiveAndFilesWhoseMastersDoNotLoad) {
  const LoadOrder theOrder = ReadLoadOrderText(
      "\xEF\xBB\xBF# written by a mod manager\r\n*Hulls.esm\r\n  *Decor.esp  # the decor\r\nInactive.esm\r\n"
      "*Needs Inactive.esm\r\n*Needs Hulls.esm\r\n*hulls.ESM\r\n*ReadMe.txt\r\n*Chain.esm\r\n");
  EXPECT_EQ(theOrder.theProblems, (std::vector<std::string>{"line 7: hulls.ESM is listed again",
                                                            "line 8: \"ReadMe.txt\" is no plugin file name"}));
  EXPECT_EQ(std::vector<std::string>(theOrder.theActive.begin() + 10, theOrder.theActive.end()),
            (std::vector<std::string>{"Hulls.esm", "Decor.esp", "Needs Inactive.esm", "Needs Hulls.esm", "Chain.esm"}));
  PluginCatalog theData;
  for (const auto& [sName, theMasters] :
       std::vector<std::pair<std::string, std::vector<std::string>>>{{"Starfield.esm", {}},
                                                                     {"OldMars.esm", {"Starfield.esm"}},
                                                                     {"Hulls.esm", {"Starfield.esm"}},
                                                                     {"Decor.esp", {"Starfield.esm", "Gone.esm"}},
                                                                     {"Inactive.esm", {}},
                                                                     {"Needs Inactive.esm", {"Inactive.esm"}},
                                                                     {"Needs Hulls.esm", {"Hulls.esm", "OldMars.esm"}},
                                                                     {"Chain.esm", {"Needs Inactive.esm"}},
                                                                     {"Unlisted.esm", {}}}) {
    theData.theFiles.push_back({sName, PluginKind::kFull, theMasters, {}});
  }
  auto Describe = [&](const std::string& sName) {
    std::vector<std::string> theMasters;
    std::string sText = GetStateName(GetPluginState(sName, theData, &theOrder, &theMasters));
    for (const std::string& sMaster : theMasters) sText += " " + sMaster;
    return sText;
  };
  EXPECT_EQ(Describe("OldMars.esm"), "active");  // official: active without being listed
  EXPECT_EQ(Describe("Needs Hulls.esm"), "active");
  EXPECT_EQ(Describe("Decor.esp"), "cannot load Gone.esm");
  EXPECT_EQ(Describe("Inactive.esm"), "present but not active");
  EXPECT_EQ(Describe("Unlisted.esm"), "present but not active");
  EXPECT_EQ(Describe("Needs Inactive.esm"), "cannot load Inactive.esm");
  EXPECT_EQ(Describe("Chain.esm"), "cannot load Needs Inactive.esm");
  EXPECT_EQ(Describe("Gone.esm"), "missing");
  EXPECT_EQ(GetStateName(GetPluginState("Unlisted.esm", theData, nullptr)), std::string("present"));
}

// On Windows the player's own load order is found where the game keeps it, in the local
// application data folder; elsewhere there is none to find.
TEST(PlayerFilesTest, ThePlayersLoadOrderIsFoundWhereTheGameKeepsIt) {
  TempFolder theFolder;
#if defined(_WIN32)
  const std::wstring sFormer = _wgetenv(L"LOCALAPPDATA") != nullptr ? _wgetenv(L"LOCALAPPDATA") : L"";
  _wputenv_s(L"LOCALAPPDATA", theFolder.GetPath().wstring().c_str());
  EXPECT_EQ(FindPlayerLoadOrder(), std::filesystem::path());
  std::filesystem::create_directories(theFolder.GetPath() / "Starfield");
  WriteFileBytes(theFolder.GetPath() / "Starfield" / "Plugins.txt", "*Hulls.esm\r\n");
  EXPECT_EQ(FindPlayerLoadOrder(), theFolder.GetPath() / "Starfield" / "Plugins.txt");
  _wputenv_s(L"LOCALAPPDATA", sFormer.c_str());
#else
  EXPECT_EQ(FindPlayerLoadOrder(), std::filesystem::path());
#endif
}

// A Data folder whose Starfield.esm holds a keyword, a module (a bound generic base form) and
// a statue (bound, but no kind of decoration), and whose Broken.esm ends inside a record.
class PlayerFilesCheckTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteFileBytes(
        theFolder.GetPath() / "Starfield.esm", MakePluginBytes(kPluginMasterFlag, {}, [](auto& theWriter) {
          theWriter.BeginGroup("KYWD");
          theWriter.AddRecord({.sType = "KYWD", .uFormID = 0x030001, .sEditorID = "ShipClassA"});
          theWriter.EndGroup();
          theWriter.BeginGroup("GBFM");
          theWriter.AddRecord({.sType = "GBFM",
                               .uFormID = 0x070001,
                               .sEditorID = "EngineA",
                               .theBounds = std::array<int16_t, 6>{-1, -2, -3, 1, 2, 3},
                               .bCompressed = true});
          theWriter.EndGroup();
          theWriter.AddRecord(
              {.sType = "STAT", .uFormID = 0x090001, .sEditorID = "Statue", .theBounds = std::array<int16_t, 6>{}});
        }));
    std::string sBroken = MakePluginBytes(0, {"Starfield.esm"}, [](auto& theWriter) {
      theWriter.AddRecord({.sType = "MISC", .uFormID = 0x01000001, .sEditorID = "Mug"});
    });
    WriteFileBytes(theFolder.GetPath() / "Broken.esm", sBroken.substr(0, sBroken.size() - 2));
    theData.theCatalog = ReadDataFolder(theFolder.GetPath());
  }

  TempFolder theFolder;
  GameData theData;
};

TEST_F(PlayerFilesCheckTest, EachFormIsLookedUpInTheFileThatDefinesIt) {
  std::vector<std::string> theLines = {
      "BGSKeywordForm[0] |030001|Starfield.esm", "BGSKeywordForm[1] |03ABCD|Starfield.esm",
      "BGSKeywordForm[2] |070001|Starfield.esm", "Blueprint.data[0].item |030001|Starfield.esm"};
  for (const char* sBase : {"090001|Starfield.esm", "000001|Broken.esm"}) {
    const std::string sItem = "DecorItem[" + std::to_string(sBase[0] == '0' && sBase[1] == '9' ? 0 : 1) + "].";
    theLines.push_back(sItem + "base |" + sBase);
    for (const char* sField : {"fPosX", "fPosY", "fPosZ", "fRotX", "fRotY", "fRotZ", "fScale"})
      theLines.push_back(sItem + sField + " |1.0");
  }
  const CheckReport theReport = CheckShipFile("forms.txt", theLines, &theData);
  EXPECT_EQ(
      FormatCheck(theReport),
      R"(forms.txt: ImportShipLayout would refuse it (line 2); ImportShipInterior would import it (2 decoration items).
  line 2: ImportShipLayout stops here: keywordform is nullptr | sLine: BGSKeywordForm[1] |03ABCD|Starfield.esm
      because:    this FormID [240589 | 0003ABCD] supposedly defined in [Starfield.esm | Type: Full] is withing range but it does not point to a valid Form or this Form is an unloaded Reference. Returning nullptr.
  line 3: ImportShipLayout would stop here too: keywordform is not BGSKeyword | sLine: BGSKeywordForm[2] |070001|Starfield.esm
  line 4: ImportShipLayout would stop here too: form is not BGSGenericBaseForm | sLine: Blueprint.data[0].item |030001|Starfield.esm
  line 5: ImportShipInterior passes over: skipping itemBase of unsupported type | Base of a STAT record
  the whole file: ImportShipLayout would stop here too: no modules in the ship file (no Blueprint.data line): nothing was changed
  plugin files needed: Broken.esm 1, Starfield.esm 5
  plugin file read only in part: Broken.esm: record MISC (form ID 0x01000001) of 34 bytes runs past the end of the file (32 bytes remain) (at byte 76)
  load order not looked at: give --plugins with the player's Plugins.txt
  forms only the game can check (that each is in its plugin file and of the kind its line needs): 1
)");
}

// What the interior import passes over after its parse (an item of a kind it does not place)
// stands in line order among what it passes over while parsing (a scale out of range, below).
TEST_F(PlayerFilesCheckTest, FindingsAfterTheParseStandInLineOrder) {
  std::vector<std::string> theLines = {"DecorItem[0].base |090001|Starfield.esm"};
  for (const char* sField : {"fPosX", "fPosY", "fPosZ", "fRotX", "fRotY", "fRotZ", "fScale"})
    theLines.push_back(std::string("DecorItem[0].") + sField + (sField[1] == 'S' ? " |0" : " |1.0"));
  const CheckReport theReport = CheckShipFile("order.txt", theLines, &theData);
  std::vector<std::pair<int, std::string>> theSkipped;
  for (const Finding& theFinding : theReport.theSkipped) theSkipped.emplace_back(theFinding.iLine, theFinding.sMessage);
  EXPECT_EQ(theSkipped, (std::vector<std::pair<int, std::string>>{
                            {1, "skipping itemBase of unsupported type | Base of a STAT record"},
                            {8, "fScale out of range, 1.0 used | sLine: DecorItem[0].fScale |0"}}));
}

TEST(PlayerFilesTest, TheRegistrationEntryNeedsTheGamesActorValue) {
  ShipForms theForms;
  CheckReport theReport;
  CheckRegistration(theForms, theReport);
  theForms.theRecords[GetRegistrationKey()] = {"KYWD", "SpaceshipRegistration", std::nullopt, "Starfield.esm"};
  CheckRegistration(theForms, theReport);
  theForms.theRecords[GetRegistrationKey()].sType = "AVIF";
  CheckRegistration(theForms, theReport);
  ASSERT_EQ(theReport.theSkipped.size(), 2u);
  EXPECT_EQ(theReport.theSkipped[0].sMessage,
            "SpaceshipRegistration AVIF is nullptr or not ActorValueInfo: !!! ERROR: nullptr form !!!");
  EXPECT_EQ(theReport.theSkipped[1].sMessage,
            "SpaceshipRegistration AVIF is nullptr or not ActorValueInfo: 0C55B1|Starfield.esm is a KYWD record");
}

}  // namespace
}  // namespace zorvane::test
