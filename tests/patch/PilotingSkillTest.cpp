// The piloting perk pointer: cleared to lift the skill requirement, put back from the game's
// forms to restore it; Func, the check the patched game calls; and an installation that cannot
// be made. (Every settings load applying the setting to the pointer, and the patch at work,
// are shown by the piloting sessions.)
#include "patch/PilotingSkill.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "core/Log.h"
#include "patch/BranchTrampoline.h"
#include "support/LogText.h"
#include "support/PluginFixture.h"

namespace zorvane::test {
namespace {

class PilotingSkillTest : public PluginFixture {
 protected:
  void SetUp() override {
    PluginFixture::SetUp();
    thePerk = theWorld->thePilotingPerk;
    OpenLog();
  }

  game::TESForm* thePerk = nullptr;
  const std::string kOpenLogLine = MakeLogLine("info", "Log.cpp", "OpenLog", "Zorvane - SFSE Plugin by Pelloquin v1.0");
};

TEST_F(PilotingSkillTest, RemoveClearsThePointerAndRestorePutsThePerkBack) {
  DisablePilotingSkill(true);
  DisablePilotingSkill(true);
  EXPECT_EQ(theWorld->thePilotingPerk, nullptr);

  DisablePilotingSkill(false);
  EXPECT_EQ(theWorld->thePilotingPerk, thePerk);
  EXPECT_EQ(ReadLog(), kOpenLogLine);
}

TEST_F(PilotingSkillTest, RestoreLeavesAPresentPointerAndLogsAMissingPerk) {
  game::TESForm* theOther = theWorld->AddForm(0x1234, 44);
  theWorld->thePilotingPerk = theOther;
  DisablePilotingSkill(false);
  EXPECT_EQ(theWorld->thePilotingPerk, theOther);

  UseWorld(std::make_unique<sim::World>());  // a game without the perk form
  DisablePilotingSkill(false);
  EXPECT_EQ(theWorld->thePilotingPerk, nullptr);
  EXPECT_EQ(ReadLog(),
            kOpenLogLine + MakeLogLine("error", "PilotingSkill.cpp", "DisablePilotingSkill", "perk nullptr"));
}

// Func answers "none" while the live setting is on and asks the game's check otherwise, a null
// reference included; with verbose logging each call is logged with the flag.
TEST_F(PilotingSkillTest, FuncFollowsTheLiveSetting) {
  game::TESObjectREFR* theShip = theWorld->AddReference(0xFF000C00, nullptr);
  theShip->uPilotingRank = 2;
  PluginSettings theSettings;
  theSettings.Logging.bVerboseLogging = true;
  theSettings.Piloting.bNoPilotingSkillRequirement = true;
  SetSettingsForTest(theSettings);
  EXPECT_EQ(Func(theShip), 0u);
  theSettings.Piloting.bNoPilotingSkillRequirement = false;
  SetSettingsForTest(theSettings);
  EXPECT_EQ(Func(theShip), 2u);
  EXPECT_EQ(Func(nullptr), 0u);
  char sAddress[32];
  std::snprintf(sAddress, sizeof(sAddress), "%llX",
                static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(theShip)));
  EXPECT_EQ(ReadLogMessages(),
            (std::vector<std::string>{"Zorvane - SFSE Plugin by Pelloquin v1.0",
                                      "called | theRef " + std::string(sAddress) + " | bNoPilotingSkillRequirement [1]",
                                      "called | theRef " + std::string(sAddress) + " | bNoPilotingSkillRequirement [0]",
                                      "called | theRef  | bNoPilotingSkillRequirement [0]"}));
}

// A memory without room for the pool, or a call site that cannot be made writable: the game
// ends at the box after the error line, and the game's code is not touched.
class NoMemory final : public VirtualMemory {
 public:
  explicit NoMemory(bool bRoom) : bRoom(bRoom) {}
  uintptr_t GetImageBase() override { return 0x140000000; }
  // Regions of 256 MiB, all busy or all free.
  bool Query(uintptr_t uAddress, platform::MemoryRegion& theRegion, uint32_t&) override {
    theRegion = {uAddress + 1 - 0x10000000, 0x10000000, bRoom};
    return true;
  }
  // Memory of this image, within reach of the game's call site.
  void* Allocate(uintptr_t, std::size_t, uint32_t&) override {
    static uint8_t thePool[BranchTrampoline::kPoolSize];
    return thePool;
  }
  bool Protect(void*, std::size_t, platform::Protection, platform::Protection*) override { return false; }
  bool bRoom;
};

using PilotingSkillDeathTest = PilotingSkillTest;

TEST_F(PilotingSkillDeathTest, AnInstallationThatCannotBeMadeEndsTheGame) {
  OnBoxShown = [this](const Box& theBox) {
    std::fprintf(stderr, "%s | box: %s\n", ReadLogMessages().back().c_str(), theBox.sText.c_str());
  };
  theInterceptors.OnExit = [](int iCode) { std::_Exit(iCode); };
  for (bool bRoom : {false, true}) {
    NoMemory theMemory(bRoom);
    BranchTrampoline theTrampoline(theMemory);
    EXPECT_EXIT(InstallNoPilotingSkillRequirement(theTrampoline), ::testing::ExitedWithCode(0),
                std::string(bRoom ? "write error" : "alloc error") + " \\| box: INSTALLATION ERROR");
  }
  EXPECT_EQ(theWorld->thePilotingPerk, thePerk);
}

// A made installation clears the perk pointer itself, whatever a settings load did before it.
// (Run apart: the game's call site stays redirected.)
TEST_F(PilotingSkillDeathTest, AMadeInstallationClearsThePerkPointer) {
  EXPECT_EXIT(
      {
        InstallNoPilotingSkillRequirement(GetBranchTrampoline());
        const bool bDone = theWorld->thePilotingPerk == nullptr && ReadLogMessages().back() == "complete";
        std::_Exit(bDone ? 3 : 1);
      },
      ::testing::ExitedWithCode(3), "");
}

}  // namespace
}  // namespace zorvane::test
