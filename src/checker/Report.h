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
#include "checker/LoadOrder.h"
#include "checker/ShipDrawing.h"

namespace zorvane::shipfile {

// How the page says where a needed plugin file stands.
const char* DescribePluginState(PluginState eState);

// What the page shows. ReadReportInput fills it from the ship file; a caller that reads the
// plugin files adds the editor IDs and bounds of the modules, the editor IDs of the
// decoration items and the state of each plugin file.
struct ReportInput {
  std::string sShipName;  // from the "Ship: " header line
  CheckReport theCheck;
  std::vector<ShipModule> theModules;
  std::vector<ShipDecorItem> theDecorItems;
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

// The report's input from a ship file's lines and their check and, when given, the player's
// plugin files (`theForms`: the records ReadFormsToCheck read for the lines): each needed
// file's state, the editor IDs and bounds of the forms.
ReportInput MakeReportInput(const std::vector<std::string>& theLines, const CheckReport& theCheck,
                            const GameData* theData, const ShipForms* theForms);
// The same, checking the lines here.
ReportInput ReadReportInput(const std::string& sFile, const std::vector<std::string>& theLines,
                            const GameData* theData);

// The whole page, UTF-8.
std::string FormatReportPage(const ReportInput& theInput);

}  // namespace zorvane::shipfile
