// The piloting perk pointer: cleared to lift the skill requirement, put back from the game's
// form table to restore it; and settings loads applying the piloting setting to it.
#include "patch/PilotingSkill.h"

#include <gtest/gtest.h>

#include <vector>

#include "game/Game.h"
#include "plugin/Log.h"
#include "plugin/Settings.h"
#include "support/LogText.h"
#include "support/PluginFixture.h"

namespace zorvane::test {
namespace {

// A game with nothing but the perk pointer global and a form lookup.
struct FakeGame {
  static inline game::TESForm* thePerkSlot = nullptr;
  static inline game::TESForm* theLookupResult = nullptr;
  static inline std::vector<uint32_t> theLookedUpIDs;
};

alignas(8) char gPerkForm[8];
alignas(8) char gOtherForm[8];
game::TESForm* const kPerk = reinterpret_cast<game::TESForm*>(gPerkForm);
game::TESForm* const kOtherForm = reinterpret_cast<game::TESForm*>(gOtherForm);

class PilotingSkillTest : public PluginFixture {
 protected:
  void SetUp() override {
    PluginFixture::SetUp();
    FakeGame::thePerkSlot = nullptr;
    FakeGame::theLookupResult = kPerk;
    FakeGame::theLookedUpIDs.clear();
    theHost.uVersion = game::kHostVersion;
    theHost.uSize = sizeof(game::Host);
    theHost.GetPilotingPerkSlot = []() -> game::TESForm** { return &FakeGame::thePerkSlot; };
    theHost.LookupFormByID = [](uint32_t uFormID) -> game::TESForm* {
      FakeGame::theLookedUpIDs.push_back(uFormID);
      return FakeGame::theLookupResult;
    };
    game::BindHost(&theHost);
    OpenLog();
  }

  game::Host theHost = {};
  const std::string kOpenLogLine = MakeLogLine("info", "Log.cpp", "OpenLog", "Zorvane - SFSE Plugin by Pelloquin v1.0");
};

TEST_F(PilotingSkillTest, RemoveClearsPerkPointerAndKeepsItCleared) {
  FakeGame::thePerkSlot = kPerk;

  DisablePilotingSkill(true);
  EXPECT_EQ(FakeGame::thePerkSlot, nullptr);
  DisablePilotingSkill(true);
  EXPECT_EQ(FakeGame::thePerkSlot, nullptr);

  EXPECT_TRUE(FakeGame::theLookedUpIDs.empty());
  EXPECT_EQ(ReadLog(), kOpenLogLine);
}

TEST_F(PilotingSkillTest, RestorePutsBackMissingPerk) {
  DisablePilotingSkill(false);

  EXPECT_EQ(FakeGame::thePerkSlot, kPerk);
  EXPECT_EQ(FakeGame::theLookedUpIDs, (std::vector<uint32_t>{0x002CFCAC}));
  EXPECT_EQ(ReadLog(), kOpenLogLine);
}

TEST_F(PilotingSkillTest, RestoreLeavesPresentPerkUnchanged) {
  FakeGame::thePerkSlot = kOtherForm;

  DisablePilotingSkill(false);

  EXPECT_EQ(FakeGame::thePerkSlot, kOtherForm);
  EXPECT_TRUE(FakeGame::theLookedUpIDs.empty());
  EXPECT_EQ(ReadLog(), kOpenLogLine);
}

TEST_F(PilotingSkillTest, RestoreLogsErrorWhenPerkFormMissing) {
  FakeGame::theLookupResult = nullptr;

  DisablePilotingSkill(false);

  EXPECT_EQ(FakeGame::thePerkSlot, nullptr);
  EXPECT_EQ(ReadLog(),
            kOpenLogLine + MakeLogLine("error", "PilotingSkill.cpp", "DisablePilotingSkill", "perk nullptr"));
}

TEST_F(PilotingSkillTest, EveryLoadAppliesPilotingSettingToPerk) {
  FakeGame::thePerkSlot = kPerk;
  WriteFileBytes(GetSettingsFile(), "[Piloting]\r\nbNoPilotingSkillRequirement=1\r\n");
  LoadSettings(true);
  EXPECT_EQ(FakeGame::thePerkSlot, nullptr);

  WriteFileBytes(GetSettingsFile(), "[Piloting]\r\nbNoPilotingSkillRequirement=0\r\n");
  LoadSettings(false);
  EXPECT_EQ(FakeGame::thePerkSlot, kPerk);
  EXPECT_EQ(FakeGame::theLookedUpIDs, (std::vector<uint32_t>{0x002CFCAC}));
}

}  // namespace
}  // namespace zorvane::test
