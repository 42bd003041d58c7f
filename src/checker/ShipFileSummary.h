#pragma once
// A ship file in a few lines a player can read, and the differences between two ship files.

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace zorvane::shipfile {

struct ShipSummary {
  std::string sShipName;
  std::string sExportTime;
  std::string sVersion;
  std::string sDisplayName;
  std::map<std::string, int> theModulesByPlugin;
  std::map<std::string, int> theDecorByPlugin;
  std::vector<std::string> theModuleForms;  // each module's form reference ("0001|Cockpits Medium.esm")
  std::vector<std::string> theDecorForms;   // each decoration item's
  int iBuildModeItems = 0;                  // decoration placed in build mode
  int iNamedItems = 0;                      // decoration with a name of its own
};

ShipSummary SummarizeShipFile(const std::vector<std::string>& theLines);

// One key whose value differs: nothing on the side that lacks the key.
struct KeyDifference {
  std::string sKey;
  std::optional<std::string> sLeft;
  std::optional<std::string> sRight;
};

// The differences by key, in the order of the first file then the keys only the second has;
// the export time and the values that are addresses of the game's memory (a container entry's
// extra data) are not compared.
std::vector<KeyDifference> DiffShipFiles(const std::vector<std::string>& theLeft,
                                         const std::vector<std::string>& theRight);

}  // namespace zorvane::shipfile
