// The export as a whole: its preconditions, the cell, the file name, the decoration filters
// and the decoration blocks.
#include <gtest/gtest.h>

#include <csignal>
#include <numbers>

#if !defined(_WIN32)
#include <sys/resource.h>
#endif

#include "plugin/commands/CommandFrame.h"
#include "ship/ExportShipRef.h"
#include "support/ExportFixture.h"

namespace zorvane::test {
namespace {

constexpr uint8_t kMisc = 40;
constexpr uint8_t kFurniture = 47;
constexpr uint8_t kBook = 35;
constexpr uint8_t kType49 = 49;

class ExportShipRefTest : public ExportFixture {
 protected:
  bool RunExport(game::TESObjectCELL* theCell, const std::string& sFileName = "Ship.txt") {
    return ExportShipRef(theShip.theShipRef, theCell, kShipFolder, sFileName, &theSettings);
  }

  std::string MakeHeader() const {
    return JoinCrLf({"Ship: Test Ship Base [FormID: 0000C0DE] [EditorID: TestShip] ", "Export time: [T]",
                     "Version: 1.00", "", "DisplayName |Test Ship Base"});
  }

  // The eight lines of a decoration block at the origin, unrotated, at full scale.
  static std::vector<std::string> MakeBlock(int iIndex, const std::string& sBase) {
    const std::string sPrefix = "DecorItem[" + std::to_string(iIndex) + "]";
    std::vector<std::string> theLines = {sPrefix + ".base |" + sBase};
    for (const char* sField : {".fPosX", ".fPosY", ".fPosZ", ".fRotX", ".fRotY", ".fRotZ"}) {
      theLines.push_back(sPrefix + sField + " |0.000000");
    }
    theLines.push_back(sPrefix + ".fScale |1.000000");
    return theLines;
  }

  static std::string ConcatLines(std::initializer_list<std::vector<std::string>> theParts) {
    std::vector<std::string> theLines;
    for (const auto& thePart : theParts) theLines.insert(theLines.end(), thePart.begin(), thePart.end());
    return JoinCrLf(theLines);
  }

  PluginSettings theSettings;
};

TEST_F(ExportShipRefTest, RefusesWithoutFileWhenPreconditionsFail) {
  EXPECT_FALSE(ExportShipRef(nullptr, theShip.theCell, kShipFolder, "Null.txt", &theSettings));
  theShip.theShipBase->uFormType = 66;
  EXPECT_FALSE(RunExport(theShip.theCell, "NotGeneric.txt"));
  theShip.theShipBase->uFormType = game::kFormTypeGenericBaseForm;
  theShip.theExcludedBaseKeyword->uFormType = 5;
  EXPECT_FALSE(RunExport(theShip.theCell, "NoBaseKeyword.txt"));
  theShip.theExcludedBaseKeyword->uFormType = game::kFormTypeKeyword;
  theShip.theWorld.theWorkshopLinkKeyword = nullptr;
  EXPECT_FALSE(RunExport(theShip.theCell, "NoLinkKeyword.txt"));

  EXPECT_TRUE(std::filesystem::is_empty(GetShipFolder()));
  EXPECT_EQ(ReadMessagesAfterStart(), std::vector<std::string>{});
}

TEST_F(ExportShipRefTest, RefusesExteriorCellWithoutFile) {
  theShip.theCell->bInterior = false;
  EXPECT_FALSE(RunExport(theShip.theCell));
  EXPECT_FALSE(std::filesystem::exists(GetShipFolder() / "Ship.txt"));
  EXPECT_EQ(ReadMessagesAfterStart(), std::vector<std::string>{"theInteriorCell [ADDR | FF000100 | 57 | 0|0x0 | "
                                                               "{unnamed} | {no_edid}] is not interior"});
}

TEST_F(ExportShipRefTest, NullCellWritesComponentsWithoutDecoration) {
  theShip.LinkToWorkshop(theShip.AddDecorItem(0xFF000301, theShip.AddForm(0x00000F01, kMisc, theShip.theMaster)));
  EXPECT_TRUE(RunExport(nullptr));
  EXPECT_EQ(ReadShipFile("Ship.txt"), MakeHeader());
  EXPECT_EQ(ReadMessagesAfterStart(),
            std::vector<std::string>{"theInteriorCell is nullptr, DecorItems won't be exported"});
}

TEST_F(ExportShipRefTest, ReplacesCharactersFileNamesCannotHold) {
  EXPECT_TRUE(RunExport(theShip.theCell, "q\"s*t<u>v/w\\x|y?.txt"));
  EXPECT_TRUE(std::filesystem::exists(GetShipFolder() / "q;s;t;u;v;w;x;y;.txt"));
#if !defined(_WIN32)
  // The colon stays: on Windows it names a stream of the file, so only the native build
  // shows the file it makes.
  EXPECT_TRUE(RunExport(theShip.theCell, "a:b|c?.txt"));
  EXPECT_TRUE(std::filesystem::exists(GetShipFolder() / "a:b;c;.txt"));
#endif
}

TEST_F(ExportShipRefTest, MissingFolderFailsToOpen) {
  EXPECT_FALSE(ExportShipRef(theShip.theShipRef, theShip.theCell, ".\\Data\\NoSuchFolder\\", "Ship.txt", &theSettings));
  EXPECT_EQ(ReadMessagesAfterStart(), std::vector<std::string>{"std::ofstream error: !log.is_open()"});
}

TEST_F(ExportShipRefTest, NeverWritesIntoAnExistingFile) {
  WriteFileBytes(GetShipFolder() / "Ship.txt", "kept\r\n");
  EXPECT_FALSE(RunExport(theShip.theCell));
  EXPECT_EQ(ReadFileBytes(GetShipFolder() / "Ship.txt"), "kept\r\n");
  EXPECT_EQ(ReadMessagesAfterStart(),
            std::vector<std::string>{
                "file already exists at [.\\Data\\SFSE\\Plugins\\Spaceships\\Ship.txt], it is not extended"});
}

#if !defined(_WIN32)
// Files may grow to a few kilobytes only, as on a nearly full disk: the log still fits, the
// ship file does not.
TEST_F(ExportShipRefTest, FailedWritesAreNotReportedAsSuccess) {
  auto* theBlueprint =
      theShip.theWorld.AddComponent<game::BlueprintComponent>(theShip.theShipBase, game::kBlueprintComponent);
  game::BlueprintModule theModule = {};
  theModule.item = theShip.theShipBase;
  theShip.theWorld.FillArray(theBlueprint->data, std::vector<game::BlueprintModule>(20, theModule));

  rlimit theOldLimit = {};
  getrlimit(RLIMIT_FSIZE, &theOldLimit);
  rlimit theLimit = theOldLimit;
  theLimit.rlim_cur = 4096;
  auto OldHandler = std::signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &theLimit);
  bool bExported = RunExport(theShip.theCell);
  setrlimit(RLIMIT_FSIZE, &theOldLimit);
  std::signal(SIGXFSZ, OldHandler);

  EXPECT_FALSE(bExported);
  EXPECT_EQ(ReadMessagesAfterStart(), std::vector<std::string>{"std::ofstream error: log.fail()"});
}
#endif

TEST_F(ExportShipRefTest, FiltersDecorationAndNumbersWithoutGaps) {
  game::TESForm* theMisc = theShip.AddForm(0x00000F01, kMisc, theShip.theMaster, "Mug");
  game::TESForm* theChair = theShip.AddForm(0xFE012C01, kFurniture, theShip.theSmallFile, "Chair");
  game::TESForm* theUnsupported = theShip.AddForm(0x00000F02, 30, theShip.theMaster, "Light");
  game::TESForm* theExcludedBase = theShip.AddForm(0x00000F03, kMisc, theShip.theMaster);
  theExcludedBase->theKeywords.push_back(theShip.theExcludedBaseKeyword);

  theShip.theCell->theRefs.push_back(nullptr);
  theShip.AddDecorItem(0xFF000301, theMisc);
  theShip.AddDecorItem(0xFF000302, theUnsupported);
  auto* theVanilla = theShip.AddDecorItem(0xFF000303, theChair);
  theShip.MakeVanilla(theVanilla);
  theShip.AddDecorItem(0x00000304, theMisc);  // placed by the master file itself
  theShip.AddDecorItem(0xFF000305, theExcludedBase);
  theShip.AddDecorItem(0xFF000306, theMisc)->theKeywords.push_back(theShip.theExcludedRefKeyword);
  theShip.AddDecorItem(0xFF000307, theMisc)->uFormType = 75;
  theShip.AddDecorItem(0xFF000308, nullptr);
  theShip.AddDecorItem(0xFF000309, theChair);
  theSettings.Logging.bVerboseLogging = true;

  ASSERT_TRUE(RunExport(theShip.theCell));
  EXPECT_EQ(ReadShipFile("Ship.txt"),
            MakeHeader() + ConcatLines({MakeBlock(0, "000F01|Starfield.esm"), MakeBlock(1, "C01|Small.esm")}));
  EXPECT_EQ(ReadMessagesAfterStart(),
            (std::vector<std::string>{"skipping decor item of unsupported type | Ref [ADDR | FF000302 | 66 | 0|0x0 | "
                                      "Light | {no_edid}] of base [ADDR | 00000F02 | 30]",
                                      "skipping vanilla decor item | Ref [ADDR | FF000303 | 66 | 0|0x0 | Chair | "
                                      "{no_edid}] of base [ADDR | FE012C01 | 47]"}));
}

TEST_F(ExportShipRefTest, SkipSettingsLeaveType49Exported) {
  theShip.AddDecorItem(0xFF000301, theShip.AddForm(0x00000F01, kMisc, theShip.theMaster));
  theShip.AddDecorItem(0xFF000302, theShip.AddForm(0x00000F02, kType49, theShip.theMaster));
  theShip.AddDecorItem(0xFF000303, theShip.AddForm(0x00000F03, kBook, theShip.theMaster));
  auto& theExport = theSettings.Export;
  for (bool* bSkip :
       {&theExport.bSkipBOOK, &theExport.bSkipMISC, &theExport.bSkipFURN, &theExport.bSkipKEYM, &theExport.bSkipALCH,
        &theExport.bSkipMSTT, &theExport.bSkipCONT, &theExport.bSkipTERM, &theExport.bSkipARMO, &theExport.bSkipWEAP}) {
    *bSkip = true;
  }
  theExport.bSkipBOOK = false;
  ASSERT_TRUE(RunExport(theShip.theCell));
  EXPECT_EQ(ReadShipFile("Ship.txt"),
            MakeHeader() + ConcatLines({MakeBlock(0, "000F02|Starfield.esm"), MakeBlock(1, "000F03|Starfield.esm")}));
  // Nothing is logged for skipped items without verbose logging.
  EXPECT_EQ(ReadMessagesAfterStart(), std::vector<std::string>{});
}

TEST_F(ExportShipRefTest, BuildModeRestrictionKeepsOnlyWorkshopItems) {
  game::TESForm* theMisc = theShip.AddForm(0x00000F01, kMisc, theShip.theMaster);
  theShip.LinkToWorkshop(theShip.AddDecorItem(0xFF000301, theMisc));
  theShip.AddDecorItem(0xFF000302, theMisc);
  theShip.LinkToWorkshop(theShip.AddDecorItem(0xFF000303, theMisc));
  theSettings.Export.bRestrictDecorationExportToBuildModePlacedItems = true;
  ASSERT_TRUE(RunExport(theShip.theCell));
  EXPECT_EQ(ReadShipFile("Ship.txt"), MakeHeader() + ConcatLines({MakeBlock(0, "000F01|Starfield.esm"),
                                                                  {"DecorItem[0].bWorkshopItem"},
                                                                  MakeBlock(1, "000F01|Starfield.esm"),
                                                                  {"DecorItem[1].bWorkshopItem"}}));
}

TEST_F(ExportShipRefTest, BlockCarriesPlacementScaleAndOverrideName) {
  auto* theRef = theShip.AddDecorItem(0xFF000301, theShip.AddForm(0xFD01002A, kMisc, theShip.theMediumFile, "Mug"));
  theRef->fPosition[0] = 0.5f;
  theRef->fPosition[1] = -2.25f;
  theRef->fPosition[2] = 0.1f;
  theRef->fRotation[2] = std::numbers::pi_v<float> / 2;
  theRef->uScale = 150;
  auto theName = std::make_unique<game::BSExtraData>();
  theName->uKind = game::kExtraDisplayName;
  theName->theString = theShip.theWorld.MakeString("Lucky Mug");
  theRef->theExtra->theEntries.push_back(std::move(theName));
  theShip.LinkToWorkshop(theRef);

  ASSERT_TRUE(RunExport(theShip.theCell));
  EXPECT_EQ(ReadShipFile("Ship.txt"),
            MakeHeader() + JoinCrLf({"DecorItem[0].base |002A|Medium.esm", "DecorItem[0].fPosX |0.500000",
                                     "DecorItem[0].fPosY |-2.250000", "DecorItem[0].fPosZ |0.100000",
                                     "DecorItem[0].fRotX |0.000000", "DecorItem[0].fRotY |0.000000",
                                     "DecorItem[0].fRotZ |90.000000", "DecorItem[0].fScale |1.500000",
                                     "DecorItem[0].overrideName |Lucky Mug", "DecorItem[0].bWorkshopItem"}));
}

TEST_F(ExportShipRefTest, DecorationBaseWithoutPluginFileStopsTheExport) {
  theShip.AddDecorItem(0xFF000301, theShip.AddForm(0x00000F01, kMisc, theShip.theMaster));
  theShip.AddDecorItem(0xFF000302, theShip.AddForm(0xFF000F02, kMisc, nullptr));
  EXPECT_FALSE(RunExport(theShip.theCell));
  EXPECT_EQ(ReadShipFile("Ship.txt"), MakeHeader() + ConcatLines({MakeBlock(0, "000F01|Starfield.esm")}));
  EXPECT_EQ(ReadMessagesAfterStart(), std::vector<std::string>{"tesfile is nullptr | Ref [ADDR | FF000302 | 66 | "
                                                               "0|0x0 | {unnamed} | {no_edid}]"});
}

TEST_F(ExportShipRefTest, HeaderFallsBackThroughRecordedShipForm) {
  theShip.theShipBase->uFormID = 0xFF00C0DE;
  theShip.theShipBase->sEditorID.clear();
  game::TESForm* theRecorded =
      theShip.AddForm(0x0000BEEF, game::kFormTypeGenericBaseForm, theShip.theMaster, "", "RecordedShip");
  auto theEntry = std::make_unique<game::BSExtraData>();
  theEntry->uKind = game::kExtraShipFormID;
  theEntry->uFormID = 0x0000BEEF;
  theShip.theShipRef->theExtra = std::make_unique<game::ExtraDataList>();
  theShip.theShipRef->theExtra->theEntries.push_back(std::move(theEntry));
  ASSERT_NE(theRecorded, nullptr);

  ASSERT_TRUE(RunExport(theShip.theCell));
  EXPECT_TRUE(
      ReadShipFile("Ship.txt")
          .starts_with("Ship: Test Ship Base [FormID: 0000BEEF] [EditorID: RecordedShip] \r\nExport time: [T]\r\n"));
}

}  // namespace
}  // namespace zorvane::test
