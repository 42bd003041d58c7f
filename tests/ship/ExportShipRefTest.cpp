// The export as a whole: its preconditions, the cell, the file name, the ship folder, a failed
// write, a group that raises and the header's fallback. (The decoration filters and blocks are
// the sessions export-sample-ship, decoration-filters and names-like-keys, the groups that stop
// the export the session export-broken-components.)
#include <gtest/gtest.h>

#include <csignal>

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

  // The ship file of a ship without components, with these lines after its display name.
  static std::string MakeShipFile(const std::vector<std::string>& theMore = {}) {
    std::vector<std::string> theLines = {"Ship: Test Ship Base [FormID: 0000C0DE] [EditorID: TestShip] ",
                                         "Export time: [T]", "Version: 1.00", "", "DisplayName |Test Ship Base"};
    theLines.insert(theLines.end(), theMore.begin(), theMore.end());
    return JoinCrLf(theLines);
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

// A file where the ship folder belongs is refused, a missing folder is made, and a player's own
// ".tmp" file is not written over. (A ship file already there is refused by the command, and
// when it appears while the export writes.)
TEST_F(ExportShipRefTest, TheShipFolderIsMadeAndAPlayersTemporaryFileKept) {
  std::filesystem::remove(GetShipFolder());
  WriteFileBytes(GetShipFolder().parent_path() / "Spaceships", "a file");
  EXPECT_FALSE(RunExport(theShip->theCell));
  std::filesystem::remove(GetShipFolder());
  EXPECT_TRUE(RunExport(theShip->theCell, "First.txt"));
  WriteFileBytes(GetShipFolder() / "Ship.txt.tmp", "mine");
  EXPECT_TRUE(RunExport(theShip->theCell));
  EXPECT_EQ(ReadShipFile("Ship.txt"), MakeShipFile());
  EXPECT_EQ(ReadFileBytes(GetShipFolder() / "Ship.txt.tmp"), "mine");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(GetShipFolder()), {}), 3);
  // The system's reason for the folder differs between the builds.
  std::vector<std::string> theTimeline = GetTimeline();
  ASSERT_EQ(theTimeline.size(), 2u);
  theTimeline[1].erase(theTimeline[1].rfind(": "));
  EXPECT_EQ(theTimeline, (std::vector<std::string>{
                             "error: std::ofstream error: !log.is_open()",
                             "error: the ship folder [.\\Data\\SFSE\\Plugins\\Spaceships\\] couldn't be made"}));
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

// A component group that raises is logged, and the groups after it are written.
TEST_F(ExportShipRefTest, AGroupThatRaisesIsLoggedAndTheNextGroupsAreWritten) {
  theWorld->FillArray(theWorld->AddComponent<game::KeywordFormComponent>(theShip->theShipBase)->theKeywords,
                      {AddBase(0x1A2B3, game::kFormTypeKeyword, theShip->theMaster)});
  theWorld->AddComponent<game::FullNameComponent>(theShip->theShipBase)->fullName = theWorld->MakeString("Full Name");
  theWorld->FailOperation("GetFormFile");
  EXPECT_TRUE(RunExport(theShip->theCell));
  EXPECT_EQ(ReadShipFile("Ship.txt"), MakeShipFile({"TESFullName.fullName |Full Name"}));
  EXPECT_EQ(GetTimeline(), std::vector<std::string>{"error: exception while exporting BGSKeywordForm"});
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
