// The piloting perk pointer: cleared to lift the skill requirement, put back from the game's
// forms to restore it. (Every settings load applying the setting to it is shown by the
// startup-reads-settings session's world.)
#include "patch/PilotingSkill.h"

#include <gtest/gtest.h>

#include "core/Log.h"
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

}  // namespace
}  // namespace zorvane::test
