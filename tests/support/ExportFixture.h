#pragma once
// The plugin in a simulated ship world: the log is open, the game's operation table is the
// simulated game's, console lines are collected, and the ship folder exists.

#include <string>
#include <vector>

#include "support/PluginFixture.h"
#include "support/ShipWorld.h"

namespace zorvane::test {

class ExportFixture : public PluginFixture {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The ship file's text as stored, with the export time masked as "Export time: [T]"
  // and CR LF line ends kept.
  std::string ReadShipFile(const std::string& sFileName) const;
  std::filesystem::path GetShipFolder() const;
  // The log's messages after the first line (OpenLog's), in order, with the object
  // addresses of form descriptions masked as "[ADDR | ".
  std::vector<std::string> ReadMessagesAfterStart() const;

  ShipWorld theShip;
  static std::vector<std::string> theConsoleLines;
};

// Joins lines with CR LF after each, as a ship file stores them.
std::string JoinCrLf(const std::vector<std::string>& theLines);

}  // namespace zorvane::test
