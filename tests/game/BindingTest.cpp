// The game's operation table is bound whole or not at all: a table that lacks any one
// operation is refused, at binding and so at load, with the box the player sees.
#include "game/Binding.h"

#include <gtest/gtest.h>

#include "platform/Platform.h"
#include "plugin/Main.h"
#include "support/LogText.h"
#include "support/PluginFixture.h"

namespace zorvane::test {
namespace {

using BindingTest = PluginFixture;

const char* const kOperationNames[] = {
#define ZV_NAME(uOffset, Result, Name, Parameters, Arguments) #Name,
    ZV_HOST_OPERATIONS(ZV_NAME)
#undef ZV_NAME
};

TEST_F(BindingTest, TableWithoutAnyOneOperationIsRefused) {
  for (const char* sName : kOperationNames) {
    ASSERT_TRUE(sim::RemoveHostOperation(sName));
    EXPECT_FALSE(game::BindHost(&sim::GetHostTable())) << sName;
    sim::RestoreHostOperations();
  }
  game::Host theOtherVersion = sim::GetHostTable();
  ++theOtherVersion.uVersion;
  EXPECT_FALSE(game::BindHost(&theOtherVersion));
  game::Host theShorter = sim::GetHostTable();
  theShorter.uSize -= 8;
  EXPECT_FALSE(game::BindHost(&theShorter));
  EXPECT_TRUE(game::BindHost(&sim::GetHostTable()));
}

TEST_F(BindingTest, LoadRefusesAGameThatLacksAnOperation) {
  sim::RemoveHostOperation("ReleaseString");
  sfse::Interface theInterface = {
      0, sfse::kRuntime_1_14_74, 1, [](uint32_t) -> void* { return nullptr; }, []() -> uint32_t { return 1; }, nullptr};

  const bool bLoaded = LoadPlugin(&theInterface, &platform::GetGameImageBase);
  sim::RestoreHostOperations();

  EXPECT_FALSE(bLoaded);
  EXPECT_EQ(theBoxes, (std::vector<Box>{{kCaption, "Installation error: game interface couldn't be bound"}}));
  EXPECT_EQ(ReadLog(), MakeLogLine("info", "Log.cpp", "OpenLog", "Zorvane - SFSE Plugin by Pelloquin v1.0") +
                           MakeLogLine("error", "Main.cpp", "SFSEPlugin_Load",
                                       "game interface couldn't be bound, shutting down (what a binding to this game "
                                       "build must provide is listed in docs/real-game.md of the Zorvane project)"));
}

}  // namespace
}  // namespace zorvane::test
