// Every file operation of an export, a layout import (its backup of the home ship included) and
// an interior import made to fail in turn, as on a full disk: each run ends with the command's
// failure texts, no ship file half-written, and the world as it was (every failure comes
// before the game is changed). The log file gone or no
// longer opening in the middle of an import, and a ship file gone between its existence test
// and its opening.
#include <gtest/gtest.h>

#include "platform/FileFaults.h"
#include "plugin/commands/ExportShipCommand.h"
#include "plugin/commands/ImportShipCommands.h"
#include "ship/SampleShipTest.h"
#include "support/RunCommand.h"

namespace zorvane::test {
namespace {

const char* kBackupFailure =
    "console: ImportShipLayout: ERROR: the home ship could not be saved before the import, so nothing was changed.";

class FileFaultTest : public SampleShipTest {
 protected:
  void SetUp() override {
    SampleShipTest::SetUp();
    PluginSettings theSettings;
    theSettings.Misc.bAlwaysReloadSettingsOnCommand = false;  // only the ship file's operations
    SetSettingsForTest(theSettings);
  }
  void TearDown() override {
    platform::SetFileFaultHook({});
    SampleShipTest::TearDown();
  }
  // The number of file operations the command makes; with `iFailing`, that one (from 1) fails.
  int RunWithFault(game::CommandExecuteFn Command, const std::string& sShip, int iFailing, bool& bDone) {
    OpenLog();  // each run on a log of its own
    int iOperations = 0;
    platform::SetFileFaultHook([&](platform::FileOperation, const std::filesystem::path& thePath) {
      if (thePath.extension() == ".log") return std::error_code();
      return ++iOperations == iFailing ? std::make_error_code(std::errc::no_space_on_device) : std::error_code();
    });
    bDone = RunCommand(Command, sShip);
    platform::SetFileFaultHook({});
    return iOperations;
  }
  std::string GetLastConsoleLine() const {
    const std::vector<std::string> theTimeline = GetTimeline();
    return theTimeline.empty() ? std::string() : theTimeline.back();
  }
};

TEST_F(FileFaultTest, EachFailingFileOperationEndsTheCommandAndLeavesNothingHalfDone) {
  bool bDone = false;
  const int iExportOperations = RunWithFault(&ExportShipCommand, "Kestrel", 0, bDone);
  ASSERT_TRUE(bDone);
  ASSERT_GT(iExportOperations, 100);  // a write per line
  for (int i = 1; i <= iExportOperations; ++i) {
    RunWithFault(&ExportShipCommand, "Faulty", i, bDone);
    EXPECT_FALSE(bDone) << "operation " << i;
    EXPECT_EQ(GetLastConsoleLine().rfind("console: ExportShipRef: ERROR: ship couldn't be exported.", 0), 0u) << i;
    EXPECT_FALSE(std::filesystem::exists(GetShipFolder() / "Faulty.txt")) << i;
    EXPECT_FALSE(std::filesystem::exists(GetShipFolder() / "Faulty.txt.tmp")) << i;
  }
  const nlohmann::json theWorldBefore = sim::DumpWorld(*theWorld);
  for (const auto& [Command, sFailure] :
       {std::pair{&ImportShipLayoutCommand, "console: ImportShipLayout: ERROR: ship layout couldn't be imported."},
        std::pair{&ImportShipInteriorCommand,
                  "console: ImportShipInterior: ERROR: ship interior couldn't be imported."}}) {
    if (Command == &ImportShipInteriorCommand) BoardHomeShip();
    const nlohmann::json theBefore = sim::DumpWorld(*theWorld);
    // An import opens the file for reading and writing and reads it: both may fail. Then the
    // layout import saves the home ship, which may fail at every step, as on a full disk.
    int iFailing = 1;
    for (; iFailing < 1000 && RunWithFault(Command, "Kestrel", iFailing, bDone) >= iFailing; ++iFailing) {
      EXPECT_FALSE(bDone) << sFailure << " " << iFailing;
      EXPECT_EQ(GetLastConsoleLine().rfind(iFailing <= 2 ? sFailure : kBackupFailure, 0), 0u) << iFailing;
      EXPECT_EQ(sim::DumpWorld(*theWorld), theBefore) << sFailure << " " << iFailing;
    }
    EXPECT_TRUE(bDone) << sFailure;
    EXPECT_GT(iFailing, Command == &ImportShipLayoutCommand ? 50 : 2);  // the backup writes a line at a time
  }
  EXPECT_NE(sim::DumpWorld(*theWorld), theWorldBefore);
}

TEST_F(FileFaultTest, ALogGoneOrAShipFileGoneMidwayIsNoCrash) {
  ASSERT_TRUE(RunCommand(&ExportShipCommand, "Kestrel"));
  // The log deleted while the import reads: the import goes on, its lines are lost, and the
  // log is not made again.
  platform::SetFileFaultHook([&](platform::FileOperation eOperation, const std::filesystem::path&) {
    if (eOperation == platform::FileOperation::kRead) std::filesystem::remove(GetLogFile());
    return std::error_code();
  });
  EXPECT_TRUE(RunCommand(&ImportShipLayoutCommand, "Kestrel"));
  EXPECT_FALSE(std::filesystem::exists(GetLogFile()));
  OpenLog();
  // The log no longer opens once the import has read the file: each write of the lines held
  // (at the backup's warning, before each of the two console lines, and at the command's end)
  // shows a box; the import ends.
  bool bRead = false;
  platform::SetFileFaultHook([&](platform::FileOperation eOperation, const std::filesystem::path& thePath) {
    bRead = bRead || eOperation == platform::FileOperation::kRead;
    return bRead && thePath.extension() == ".log" ? std::make_error_code(std::errc::io_error) : std::error_code();
  });
  EXPECT_TRUE(RunCommand(&ImportShipLayoutCommand, "Kestrel"));
  EXPECT_EQ(theBoxes, (std::vector<Box>(4, {kCaption, "Log: is_open error"})));
  // The ship file deleted after the existence test, before the opening.
  platform::SetFileFaultHook([&](platform::FileOperation eOperation, const std::filesystem::path&) {
    if (eOperation == platform::FileOperation::kOpen) std::filesystem::remove(GetShipFolder() / "Kestrel.txt");
    return std::error_code();
  });
  EXPECT_FALSE(RunCommand(&ImportShipLayoutCommand, "Kestrel"));
  const std::vector<std::string> theMessages = ReadLogMessages();
  ASSERT_GE(theMessages.size(), 2u);
  EXPECT_EQ(theMessages[theMessages.size() - 2].rfind("the ship file [.\\Data\\SFSE\\Plugins\\Spaceships\\Kestrel.txt] "
                                                      "must be writable to be imported: ",
                                                      0),
            0u);
  EXPECT_EQ(theMessages.back(), "import finished with errors");
}

}  // namespace
}  // namespace zorvane::test
