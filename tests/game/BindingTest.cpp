// The game's operation table is bound whole or not at all: a table that lacks any one
// operation, or of another version or size, is refused (what the player then sees is the
// game-interface-incomplete session).
#include "game/Binding.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace zorvane::test
