// The export as a whole: its preconditions, the cell, the file name, the decoration filters
// and the decoration blocks.
#include <gtest/gtest.h>

#include <csignal>
#include <numbers>

#if !defined(_WIN32)
#include <sys/resource.h>
#endif

#include "export/ExportShipRef.h"
#include "platform/FileFaults.h"
#include "ship/ShipTest.h"
#include "shipfile/ShipFolder.h"

namespace zorvane::test {
namespace {

class ExportShipRefTest : public ShipTest {
 protected:
  bool RunExport(game::TESObjectCELL* theCell, const std::string& sFileName = "Ship.txt") {
    return ExportShipRef(theShip->theShipRef, theCell, kShipFolder, sFileName, &theSettings);
  }
  game::TESForm* AddBase(uint32_t uFormID, uint8_t uType, game::TESFile* theFile, const std::string& sName = "") {
    return theWorld->AddForm(uFormID, uType, theFile, sName);
  }

  // The ship file of a ship without components, with these decoration lines.
  static std::string MakeShipFile(std::initializer_list<std::vector<std::string>> theBlocks) {
    std::vector<std::string> theLines = {"Ship: Test Ship Base [FormID: 0000C0DE] [EditorID: TestShip] ",
                                         "Export time: [T]", "Version: 1.00", "", "DisplayName |Test Ship Base"};
    for (const auto& theBlock : theBlocks) theLines.insert(theLines.end(), theBlock.begin(), theBlock.end());
    return JoinCrLf(theLines);
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

  PluginSettings theSettings;
};

TEST_F(ExportShipRefTest, EveryPreconditionThatFailsSaysWhyAndMakesNoFile) {
  EXPECT_FALSE(ExportShipRef(nullptr, theShip->theCell, kShipFolder, "Null.txt", &theSettings));
  theShip->theShipBase->uFormType = game::kFormTypeKeyword;
  EXPECT_FALSE(RunExport(theShip->theCell));
  theShip->theShipBase->uFormType = game::kFormTypeGenericBaseForm;
  theShip->theExcludedBaseKeyword->uFormType = 5;
  EXPECT_FALSE(RunExport(theShip->theCell));
  theShip->theExcludedBaseKeyword->uFormType = game::kFormTypeKeyword;
  game::TESForm* theLinkKeyword = theWorld->theWorkshopLinkKeyword;
  theWorld->theWorkshopLinkKeyword = nullptr;
  EXPECT_FALSE(RunExport(theShip->theCell));
  theWorld->theWorkshopLinkKeyword = theLinkKeyword;
  theShip->theCell->bInterior = false;
  EXPECT_FALSE(RunExport(theShip->theCell));

  EXPECT_TRUE(std::filesystem::is_empty(GetShipFolder()));
  EXPECT_EQ(GetTimeline(),
            (std::vector<std::string>{
                "error: shipRef is nullptr", "error: ShipBase is not BGSGenericBaseForm | FormType: 4",
                "error: ExcludedDecorBaseKeyword [00018DFD] is missing or not a keyword",
                "error: WorkshopLinkKeyword is missing or not a keyword",
                "error: theInteriorCell [ADDR | FF000100 | 73 | 0|0x0 | {unnamed} | {no_edid}] is not interior"}));
}

TEST_F(ExportShipRefTest, NullCellWritesComponentsWithoutDecoration) {
  theShip->LinkToWorkshop(theShip->AddDecorItem(0xFF000301, AddBase(0xF01, game::kFormTypeMISC, theShip->theMaster)));
  EXPECT_TRUE(RunExport(nullptr));
  EXPECT_EQ(ReadShipFile("Ship.txt"), MakeShipFile({}));
  EXPECT_EQ(GetTimeline(),
            std::vector<std::string>{"warning: theInteriorCell is nullptr, DecorItems won't be exported"});
}

TEST_F(ExportShipRefTest, AShipNameWithLineBreaksStaysOnItsLines) {
  theWorld->AddExtraData(theShip->theShipRef, game::kExtraDisplayName).theString =
      theWorld->MakeString("Evil\r\nDecorItem[99].base |000001|Evil.esm");
  EXPECT_TRUE(RunExport(nullptr));
  EXPECT_EQ(
      ReadShipFile("Ship.txt"),
      JoinCrLf({"Ship: Evil  DecorItem[99].base |000001|Evil.esm [FormID: 0000C0DE] [EditorID: TestShip] ",
                "Export time: [T]", "Version: 1.00", "", "DisplayName |Evil  DecorItem[99].base |000001|Evil.esm"}));
}

TEST_F(ExportShipRefTest, FileNamesLoseTheCharactersWindowsCannotHold) {
  EXPECT_TRUE(RunExport(theShip->theCell, "q\"s*t<u>v/w\\x|y?.txt"));
  EXPECT_TRUE(std::filesystem::exists(GetShipFolder() / "q;s;t;u;v;w;x;y;.txt"));
}

// Nothing already in the ship folder is written over, a player's own ".tmp" files included.
TEST_F(ExportShipRefTest, AMissingFolderIsMadeAndAnExistingFileIsNotWritten) {
  std::filesystem::remove(GetShipFolder());
  WriteFileBytes(GetShipFolder().parent_path() / "Spaceships", "a file");
  EXPECT_FALSE(RunExport(theShip->theCell));
  std::filesystem::remove(GetShipFolder());
  EXPECT_TRUE(RunExport(theShip->theCell, "First.txt"));
  WriteFileBytes(GetShipFolder() / "Ship.txt.tmp", "mine");
  EXPECT_TRUE(RunExport(theShip->theCell));
  EXPECT_EQ(ReadShipFile("Ship.txt"), MakeShipFile({}));
  EXPECT_EQ(ReadFileBytes(GetShipFolder() / "Ship.txt.tmp"), "mine");
  WriteFileBytes(GetShipFolder() / "Kept.txt", "kept\r\n");
  EXPECT_FALSE(RunExport(theShip->theCell, "Kept.txt"));
  EXPECT_EQ(ReadFileBytes(GetShipFolder() / "Kept.txt"), "kept\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(GetShipFolder()), {}), 4);
  // The system's reason for the folder differs between the builds.
  std::vector<std::string> theTimeline = GetTimeline();
  ASSERT_EQ(theTimeline.size(), 3u);
  theTimeline[1].erase(theTimeline[1].rfind(": "));
  EXPECT_EQ(theTimeline,
            (std::vector<std::string>{
                "error: std::ofstream error: !log.is_open()",
                "error: the ship folder [.\\Data\\SFSE\\Plugins\\Spaceships\\] couldn't be made",
                "error: file already exists at [.\\Data\\SFSE\\Plugins\\Spaceships\\Kept.txt], it is not extended"}));
}

// Another program takes the ship file's name while the export writes: what it wrote stays.
TEST_F(ExportShipRefTest, ANameTakenWhileWritingIsNotReplaced) {
  platform::SetFileFaultHook([this](platform::FileOperation eOperation, const std::filesystem::path&) {
    if (eOperation == platform::FileOperation::kRename) WriteFileBytes(GetShipFolder() / "Ship.txt", "theirs");
    return std::error_code();
  });
  const bool bExported = RunExport(theShip->theCell);
  platform::SetFileFaultHook(nullptr);

  EXPECT_FALSE(bExported);
  EXPECT_EQ(ReadFileBytes(GetShipFolder() / "Ship.txt"), "theirs");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(GetShipFolder()), {}), 1);
  EXPECT_EQ(GetTimeline(),
            std::vector<std::string>{"error: file already exists at "
                                     "[.\\Data\\SFSE\\Plugins\\Spaceships\\Ship.txt], it is not extended"});
}

#if !defined(_WIN32)
// Files may grow to a few kilobytes only, as on a nearly full disk: the log still fits, the
// ship file does not, and nothing of it is left.
TEST_F(ExportShipRefTest, AFailedWriteLeavesNoFileAndIsNotReportedAsSuccess) {
  game::BlueprintModule theModule = {};
  theModule.item = theShip->theShipBase;
  theWorld->FillArray(theWorld->AddComponent<game::BlueprintComponent>(theShip->theShipBase)->data,
                      std::vector<game::BlueprintModule>(20, theModule));
  rlimit theOldLimit = {};
  getrlimit(RLIMIT_FSIZE, &theOldLimit);
  rlimit theLimit = theOldLimit;
  theLimit.rlim_cur = 4096;
  auto OldHandler = std::signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &theLimit);
  bool bExported = RunExport(theShip->theCell);
  setrlimit(RLIMIT_FSIZE, &theOldLimit);
  std::signal(SIGXFSZ, OldHandler);

  EXPECT_FALSE(bExported);
  EXPECT_TRUE(std::filesystem::is_empty(GetShipFolder()));
  EXPECT_EQ(GetTimeline(), (std::vector<std::string>{"error: std::ofstream error: log.fail()",
                                                     "error: the ship file [.\\Data\\SFSE\\Plugins\\Spaceships\\"
                                                     "Ship.txt] couldn't be written: File too large"}));
  // Once there is room again, the same name is free.
  EXPECT_TRUE(RunExport(theShip->theCell));
}
#endif

TEST_F(ExportShipRefTest, FiltersDecorationAndNumbersWithoutGaps) {
  game::TESForm* theMisc = AddBase(0xF01, game::kFormTypeMISC, theShip->theMaster, "Mug");
  game::TESForm* theChair = AddBase(0xFE012C01, game::kFormTypeFURN, theShip->theSmallFile, "Chair");
  game::TESForm* theUnsupported = AddBase(0xF02, 30, theShip->theMaster, "Light");
  game::TESForm* theExcludedBase = AddBase(0xF03, game::kFormTypeMISC, theShip->theMaster);
  theExcludedBase->theKeywords.push_back(theShip->theExcludedBaseKeyword);

  theShip->theCell->theRefs.push_back(nullptr);
  theShip->AddDecorItem(0xFF000301, theMisc);
  theShip->AddDecorItem(0xFF000302, theUnsupported);
  theShip->MakeVanilla(theShip->AddDecorItem(0xFF000303, theChair));
  theShip->AddDecorItem(0x00000304, theMisc);  // placed by the master file itself
  theShip->AddDecorItem(0xFF000305, theExcludedBase);
  theShip->AddDecorItem(0xFF000306, theMisc)->theKeywords.push_back(theShip->theExcludedRefKeyword);
  theShip->AddDecorItem(0xFF000307, theMisc)->uFormType = game::kFormTypeNeverDecoration;
  theShip->AddDecorItem(0xFF000308, nullptr);
  theShip->AddDecorItem(0xFF000309, theChair);
  theSettings.Logging.bVerboseLogging = true;

  ASSERT_TRUE(RunExport(theShip->theCell));
  EXPECT_EQ(ReadShipFile("Ship.txt"),
            MakeShipFile({MakeBlock(0, "000F01|Starfield.esm"), MakeBlock(1, "C01|Small.esm")}));
  EXPECT_EQ(GetTimeline(), (std::vector<std::string>{
                               "warning: skipping decor item of unsupported type | Ref [ADDR | FF000302 | 74 | "
                               "0|0x0 | Light | {no_edid}] of base [ADDR | 00000F02 | 30]",
                               "warning: skipping vanilla decor item | Ref [ADDR | FF000303 | 74 | 0|0x0 | Chair | "
                               "{no_edid}] of base [ADDR | FE012C01 | 47]"}));
}

TEST_F(ExportShipRefTest, SkipSettingsLeaveOneTypeAndBuildModeKeepsOnlyWorkshopItems) {
  theShip->AddDecorItem(0xFF000301, AddBase(0xF01, game::kFormTypeMISC, theShip->theMaster));
  theShip->LinkToWorkshop(
      theShip->AddDecorItem(0xFF000302, AddBase(0xF02, game::kFormTypeAlwaysDecoration, theShip->theMaster)));
  theShip->AddDecorItem(0xFF000303, AddBase(0xF03, game::kFormTypeBOOK, theShip->theMaster));
  auto& theExport = theSettings.Export;
  for (bool* bSkip :
       {&theExport.bSkipMISC, &theExport.bSkipFURN, &theExport.bSkipKEYM, &theExport.bSkipALCH, &theExport.bSkipMSTT,
        &theExport.bSkipCONT, &theExport.bSkipTERM, &theExport.bSkipARMO, &theExport.bSkipWEAP}) {
    *bSkip = true;
  }
  ASSERT_TRUE(RunExport(theShip->theCell));
  theExport.bRestrictDecorationExportToBuildModePlacedItems = true;
  ASSERT_TRUE(RunExport(theShip->theCell, "BuildMode.txt"));

  EXPECT_EQ(ReadShipFile("Ship.txt"), MakeShipFile({MakeBlock(0, "000F02|Starfield.esm"),
                                                    {"DecorItem[0].bWorkshopItem"},
                                                    MakeBlock(1, "000F03|Starfield.esm")}));
  EXPECT_EQ(ReadShipFile("BuildMode.txt"),
            MakeShipFile({MakeBlock(0, "000F02|Starfield.esm"), {"DecorItem[0].bWorkshopItem"}}));
  // Nothing is logged for skipped items without verbose logging.
  EXPECT_EQ(GetTimeline(), std::vector<std::string>{});
}

TEST_F(ExportShipRefTest, BlockCarriesPlacementScaleAndOverrideNameOnOneLine) {
  auto* theRef = theShip->AddDecorItem(0xFF000301, AddBase(0xFD01002A, game::kFormTypeMISC, theShip->theMediumFile));
  theRef->fPosition[0] = 0.5f;
  theRef->fPosition[1] = -2.25f;
  theRef->fPosition[2] = 0.1f;
  theRef->fRotation[2] = std::numbers::pi_v<float> / 2;
  theRef->uScale = 150;
  // A game text never breaks a line: it could forge lines that an import would read.
  theWorld->AddExtraData(theRef, game::kExtraDisplayName).theString =
      theWorld->MakeString("Lucky\nDecorItem[9].base |000001|Evil.esm\r");
  theShip->LinkToWorkshop(theRef);

  ASSERT_TRUE(RunExport(theShip->theCell));
  EXPECT_EQ(
      ReadShipFile("Ship.txt"),
      MakeShipFile(
          {{"DecorItem[0].base |002A|Medium.esm", "DecorItem[0].fPosX |0.500000", "DecorItem[0].fPosY |-2.250000",
            "DecorItem[0].fPosZ |0.100000", "DecorItem[0].fRotX |0.000000", "DecorItem[0].fRotY |0.000000",
            "DecorItem[0].fRotZ |90.000000", "DecorItem[0].fScale |1.500000",
            "DecorItem[0].overrideName |Lucky DecorItem[9].base |000001|Evil.esm ", "DecorItem[0].bWorkshopItem"}}));
}

TEST_F(ExportShipRefTest, DecorationBaseWithoutPluginFileStopsTheExport) {
  theShip->AddDecorItem(0xFF000301, AddBase(0xF01, game::kFormTypeMISC, theShip->theMaster));
  theShip->AddDecorItem(0xFF000302, AddBase(0xFF000F02, game::kFormTypeMISC, nullptr));
  EXPECT_FALSE(RunExport(theShip->theCell));
  EXPECT_TRUE(std::filesystem::is_empty(GetShipFolder()));
  EXPECT_EQ(GetTimeline(), std::vector<std::string>{"error: tesfile is nullptr | Ref [ADDR | FF000302 | 74 | "
                                                    "0|0x0 | {unnamed} | {no_edid}]"});
}

TEST_F(ExportShipRefTest, HeaderFallsBackThroughRecordedShipForm) {
  theWorld->theFormsByID.erase(0x0000C0DE);
  theShip->theShipBase->uFormID = 0xFF00C0DE;
  theShip->theShipBase->sEditorID.clear();
  AddBase(0x0000BEEF, game::kFormTypeGenericBaseForm, theShip->theMaster)->sEditorID = "RecordedShip";
  theWorld->AddExtraData(theShip->theShipRef, game::kExtraShipFormID).uFormID = 0x0000BEEF;

  ASSERT_TRUE(RunExport(theShip->theCell));
  EXPECT_TRUE(
      ReadShipFile("Ship.txt")
          .starts_with("Ship: Test Ship Base [FormID: 0000BEEF] [EditorID: RecordedShip] \r\nExport time: [T]\r\n"));
}

}  // namespace
}  // namespace zorvane::test
