// The game calls the piloting check on threads of its own: while a layout import on the main
// thread gathers its log lines in a batch, another thread's check writes its lines directly,
// and no line of either is cut into or lost. (The native-tsan preset runs this under
// ThreadSanitizer.)
#include <gtest/gtest.h>

#include <atomic>
#include <regex>
#include <sstream>
#include <thread>

#include "patch/PilotingSkill.h"
#include "plugin/commands/ImportShipCommands.h"
#include "ship/SampleShipTest.h"
#include "support/RunCommand.h"

namespace zorvane::test {
namespace {

class ThreadsTest : public SampleShipTest {};

TEST_F(ThreadsTest, ThePilotingCheckLogsWhileAnImportWritesItsBatch) {
  PluginSettings theLive;
  theLive.Misc.bAlwaysReloadSettingsOnCommand = false;
  theLive.Logging.bVerboseLogging = true;  // a line per line of the file, and one per check
  theLive.Piloting.bNoPilotingSkillRequirement = true;
  SetSettingsForTest(theLive);
  ASSERT_TRUE(Export(kKestrelRefID, kKestrelCellID, "Kestrel.txt"));
  constexpr int kChecks = 2000;
  std::atomic<bool> bImported = false;
  std::thread theGameThread([&] {
    for (int i = 0; i < kChecks || !bImported; ++i) EXPECT_EQ(Func(nullptr), 0u);
  });
  const bool bDone = RunCommand(&ImportShipLayoutCommand, "Kestrel");
  bImported = true;
  theGameThread.join();
  EXPECT_TRUE(bDone);

  static const std::regex kWhole(
      R"(^\[[0-9-]+ [0-9:.]+\] \[SFSE\] \[(info|warning|error)\] \[[A-Za-z]+\.cpp:[0-9]+\] \[\w+\] .*$)");
  int iChecks = 0;
  int iEchoes = 0;
  std::istringstream theLog(ReadFileBytes(GetLogFile()));
  for (std::string sLine; std::getline(theLog, sLine);) {
    if (!sLine.empty() && sLine.back() == '\r') sLine.pop_back();
    EXPECT_TRUE(std::regex_match(sLine, kWhole)) << sLine;
    iChecks += sLine.find("[Func] called | theRef  | bNoPilotingSkillRequirement [1]") != std::string::npos;
    iEchoes += sLine.find("[ImportShipLayoutToBaseOfRef] (") != std::string::npos;
  }
  EXPECT_GE(iChecks, kChecks);
  EXPECT_EQ(iEchoes, 373);  // every line of the Kestrel's file, the empty one's warning among them
}

}  // namespace
}  // namespace zorvane::test
