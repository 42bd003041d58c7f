#pragma once
// The names players know forms by: their editor IDs, read from the plugin files that define
// them ("SMOD_Engine_A" rather than "030A2F|Starfield.esm").

#include <string>
#include <vector>

#include "checker/GameData.h"
#include "checker/ShipFileSummary.h"

namespace zorvane::shipfile {

struct NamedCount {
  std::string sName;
  int iCount = 0;
  bool operator==(const NamedCount&) const = default;
};

// A form reference's name ("0001|Cockpits Medium.esm"): its form's editor ID, or the
// reference itself when the form's record is not known or has none.
std::string NameFormRef(const std::string& sFormRef, const ShipForms& theForms, const PluginCatalog& theCatalog);

// Form references grouped by name and counted, the most frequent first, then by name.
std::vector<NamedCount> GroupByName(const std::vector<std::string>& theFormRefs, const ShipForms& theForms,
                                    const PluginCatalog& theCatalog);

// What one list has more of than the other, by name: `theLeft` minus `theRight`.
std::vector<NamedCount> SubtractCounts(const std::vector<NamedCount>& theLeft, const std::vector<NamedCount>& theRight);

// A ship's modules and decoration items by name.
struct ShipNames {
  std::vector<NamedCount> theModules;
  std::vector<NamedCount> theDecor;
};
ShipNames NameShipForms(const ShipSummary& theSummary, const ShipForms& theForms, const PluginCatalog& theCatalog);

}  // namespace zorvane::shipfile
