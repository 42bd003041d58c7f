#pragma once
// The ship tests' surroundings: the plugin with its log open, the ship folder made, and the
// ship scene of ShipWorld in the simulated game.

#include "core/Log.h"
#include "game/Components.h"
#include "support/PluginFixture.h"
#include "support/ShipWorld.h"

namespace zorvane::test {

class ShipTest : public PluginFixture {
 protected:
  void SetUp() override {
    PluginFixture::SetUp();
    std::filesystem::create_directories(GetShipFolder());
    theShip.emplace(*theWorld);
    OpenLog();
  }

  std::optional<ShipWorld> theShip;
};

}  // namespace zorvane::test
