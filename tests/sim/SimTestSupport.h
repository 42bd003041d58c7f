#pragma once
// Helpers of the simulated game's own tests: a world made current for one test with the
// game's console output recorded, and world files loaded from text.

#include <memory>
#include <string>
#include <vector>

#include "World.h"

namespace zorvane::test {

// Makes `theWorld` the current world and records what the game's console prints, until
// destruction.
class CurrentWorld {
 public:
  explicit CurrentWorld(sim::World& theWorld);
  ~CurrentWorld();
  CurrentWorld(const CurrentWorld&) = delete;
  CurrentWorld& operator=(const CurrentWorld&) = delete;

  // The console lines printed since the world was made current (or since the last clear).
  const std::vector<std::string>& GetConsoleLines() const;
  void ClearConsoleLines();
};

// Loads a world from JSON text.
std::unique_ptr<sim::World> LoadWorldText(const std::string& sJson);

// The message with which loading the JSON text is refused; empty when it loads.
std::string GetLoadError(const std::string& sJson);

// The path of a world file of sim/worlds/.
std::string GetSampleWorldPath(const std::string& sFileName);

// The text of an interned string as the game gives it to the plugin ("" for none).
std::string GetText(const game::BSFixedString& theString);

}  // namespace zorvane::test
