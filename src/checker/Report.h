#pragma once
// The report on a ship file as one self-contained HTML page: its name, the plugin files it
// needs and their state, what each import would do with it line by line, its modules and
// decoration items by name, and a drawing of its modules. The page loads nothing and runs
// no script.

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "checker/Checker.h"
#include "checker/ShipDrawing.h"

namespace zorvane::shipfile {

// Where a needed plugin file stands in the game's load order.
enum class PluginState {
  kUnknown,   // neither a Data folder nor a load order was given
  kPresent,   // in the Data folder; no load order was given
  kActive,    // in the load order and turned on
  kInactive,  // in the Data folder but not turned on
  kMissing,   // not in the Data folder
};
const char* DescribePluginState(PluginState eState);

// What the page shows. ReadReportInput fills it from the ship file; a caller that reads the
// plugin files adds the editor IDs and bounds of the modules, the editor IDs of the
// decoration items and the state of each plugin file.
struct ReportInput {
  std::string sShipName;  // from the "Ship: " header line
  CheckReport theCheck;
  std::vector<ShipModule> theModules;
  std::vector<DecorItem> theDecorItems;
  std::map<std::string, PluginState> thePluginStates;  // by plugin file name; kUnknown when absent
};

// What the plugin files tell of one form.
struct FormFacts {
  std::optional<std::string> sEditorID;
  std::optional<std::array<int16_t, 6>> theBounds;  // OBND: x1, y1, z1, x2, y2, z2
};
// Gives each module the editor ID and bounds, and each decoration item the editor ID, that
// `FindFacts` knows of its form (null when it knows nothing).
void AddFormFacts(ReportInput& theInput, const std::function<const FormFacts*(const FormReference&)>& FindFacts);

// The report's input as far as the ship file (and, when given, the Data folder's plugin
// files by name) tells it.
ReportInput ReadReportInput(const std::string& sFile, const std::vector<std::string>& theLines,
                            const PluginCatalog* theData);

// The whole page, UTF-8.
std::string FormatReportPage(const ReportInput& theInput);

}  // namespace zorvane::shipfile
