#include "checker/Output.h"

#include <algorithm>
#include <numeric>
#include <tuple>

#include "checker/Printable.h"
#include "shipfile/ShipFile.h"

namespace zorvane::shipfile {
namespace {

// What a file's text report shows at most: findings, and bytes of a message (of a line).
constexpr std::size_t kShownFindings = 20;
constexpr std::size_t kShownBytes = 400;

std::string FormatCounts(const std::map<std::string, int>& theCounts) {
  std::string sText;
  for (const auto& [sName, iCount] : theCounts)
    sText += (sText.empty() ? "" : ", ") + MakePrintable(sName) + " " + std::to_string(iCount);
  return sText;
}

int Sum(const std::map<std::string, int>& theCounts) {
  return std::accumulate(theCounts.begin(), theCounts.end(), 0,
                         [](int iSum, const auto& theEntry) { return iSum + theEntry.second; });
}

std::string FormatPlace(const Finding& theFinding) {
  return theFinding.iLine == 0 ? "the whole file" : "line " + std::to_string(theFinding.iLine);
}

std::string Plural(int iCount, const std::string& sOne, const std::string& sMany) {
  return std::to_string(iCount) + " " + (iCount == 1 ? sOne : sMany);
}

}  // namespace

std::string FormatVerdict(const CheckReport& theReport, const char* sImport) {
  for (const Finding& theStop : theReport.theStops) {
    if (theStop.sImport == sImport && theStop.bFirst) {
      return std::string(sImport) + " would refuse it (" + FormatPlace(theStop) + ")";
    }
  }
  return std::string(sImport) + " would import it";
}

// The findings of a file in line order, each with what it means for the import: the first
// kShownFindings of them, then how many more there are.
std::string FormatFindings(const CheckReport& theReport) {
  enum class Kind { kStop, kSkip, kUnknown, kWide };
  std::vector<std::pair<const Finding*, Kind>> theShown;
  for (const Finding& theStop : theReport.theStops) theShown.emplace_back(&theStop, Kind::kStop);
  for (const Finding& theSkip : theReport.theSkipped) theShown.emplace_back(&theSkip, Kind::kSkip);
  for (const Finding& theLine : theReport.theUnknown) theShown.emplace_back(&theLine, Kind::kUnknown);
  for (const Finding& theWide : theReport.theWrongWidth) theShown.emplace_back(&theWide, Kind::kWide);
  std::stable_sort(theShown.begin(), theShown.end(), [](const auto& theLeft, const auto& theRight) {
    return GetReadingOrder(*theLeft.first) < GetReadingOrder(*theRight.first);
  });
  std::string sText;
  for (std::size_t i = 0; i < theShown.size() && i < kShownFindings; ++i) {
    const auto& [theFinding, eKind] = theShown[i];
    const std::string sWhat =
        eKind == Kind::kStop   ? theFinding->sImport + (theFinding->bFirst ? " stops here: " : " would stop here too: ")
        : eKind == Kind::kSkip ? theFinding->sImport + " passes over: "
        : eKind == Kind::kUnknown ? "no import reads this line: "
                                  : "";
    sText +=
        "  " + FormatPlace(*theFinding) + ": " + sWhat + MakePrintableShort(theFinding->sMessage, kShownBytes) + "\n";
    for (const std::string& sDetail : theFinding->theDetails)
      sText += "      because: " + MakePrintableShort(sDetail, kShownBytes) + "\n";
  }
  if (theShown.size() > kShownFindings) {
    sText += "  ... and " +
             Plural(static_cast<int>(theShown.size() - kShownFindings), "more problem", "more problems") + "\n";
  }
  for (const char* sImport : {kLayout, kInterior}) {
    const auto itCount = theReport.theUnlisted.find(sImport);
    if (itCount == theReport.theUnlisted.end()) continue;
    const int iCount = itCount->second;
    sText += "  " + Plural(iCount, "later index error", "later index errors") + " of " + sImport +
             " not listed: a failed line above broke the numbering of " + (iCount == 1 ? "its" : "their") +
             " list; mend that line and check again\n";
  }
  return sText;
}

namespace {

// `bStops`: each entry tells whether its import ends there ("first") or meets it once mended.
nlohmann::json FindingsToJson(const std::vector<Finding>& theFindings, bool bStops = false) {
  nlohmann::json theList = nlohmann::json::array();
  for (const Finding& theFinding : theFindings) {
    nlohmann::json theEntry = {
        {"line", theFinding.iLine == 0 ? nlohmann::json(nullptr) : nlohmann::json(theFinding.iLine)},
        {"message", theFinding.sMessage}};
    if (bStops) theEntry["first"] = theFinding.bFirst;
    if (!theFinding.sImport.empty()) theEntry["import"] = theFinding.sImport;
    if (!theFinding.theDetails.empty()) theEntry["details"] = theFinding.theDetails;
    theList.push_back(theEntry);
  }
  return theList;
}

std::string JoinNames(const std::vector<std::string>& theNames) {
  std::string sText;
  for (const std::string& sName : theNames) sText += (sText.empty() ? "" : ", ") + MakePrintable(sName);
  return sText;
}

// The needed plugin files the game would not load, by why.
std::string FormatPluginStates(const CheckReport& theReport) {
  std::vector<std::string> theInactive;
  std::string sCannotLoad;
  for (const auto& [sName, eState] : theReport.theStates) {
    if (eState == PluginState::kInactive) theInactive.push_back(sName);
    if (eState != PluginState::kMastersMissing) continue;
    const auto itMasters = theReport.theMissingMasters.find(sName);
    sCannotLoad += "  cannot load, its masters are not all present and active: " + MakePrintable(sName) + " (needs " +
                   (itMasters == theReport.theMissingMasters.end() ? "" : JoinNames(itMasters->second)) + ")\n";
  }
  std::string sText;
  if (const std::vector<std::string> theMissing = theReport.GetMissing(); !theMissing.empty())
    sText += "  missing from the Data folder: " + JoinNames(theMissing) + "\n";
  if (!theInactive.empty()) sText += "  present but not active in the load order: " + JoinNames(theInactive) + "\n";
  sText += sCannotLoad;
  for (const std::string& sProblem : theReport.theUnreadable)
    sText += "  plugin file read only in part: " + MakePrintable(sProblem) + "\n";
  if (!theReport.bWithLoadOrder) sText += "  load order not looked at: give --plugins with the player's Plugins.txt\n";
  return sText;
}

// One line a name: "  2 SMOD_Hab_A".
std::string FormatNamedCounts(const std::vector<NamedCount>& theCounts, const std::string& sIndent) {
  std::string sText;
  for (const NamedCount& theCount : theCounts)
    sText += sIndent + std::to_string(theCount.iCount) + " " + MakePrintable(theCount.sName) + "\n";
  return sText;
}

std::string JoinCounts(const std::vector<NamedCount>& theCounts) {
  std::string sText;
  for (const NamedCount& theCount : theCounts)
    sText += (sText.empty() ? "" : ", ") + std::to_string(theCount.iCount) + " " + MakePrintable(theCount.sName);
  return sText;
}

nlohmann::json NamedCountsToJson(const std::vector<NamedCount>& theCounts) {
  nlohmann::json theList = nlohmann::json::array();
  for (const NamedCount& theCount : theCounts)
    theList.push_back({{"name", theCount.sName}, {"count", theCount.iCount}});
  return theList;
}

}  // namespace

std::string FormatJson(const nlohmann::json& theJson) {
  return theJson.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
}

std::string FormatCheck(const CheckReport& theReport) {
  std::string sText = MakePrintable(theReport.sFile) + ": " + FormatVerdict(theReport, kLayout) + "; " +
                      FormatVerdict(theReport, kInterior) +
                      (theReport.IsRefused(kInterior)
                           ? ".\n"
                           : " (" + Plural(theReport.iDecorItems, "decoration item", "decoration items") + ").\n");
  sText += FormatFindings(theReport);
  sText += "  plugin files needed: " + (theReport.theNeeds.empty() ? "none" : FormatCounts(theReport.theNeeds)) + "\n";
  if (!theReport.bWithData) {
    sText += "  plugin files not looked for: give --data with the game's Data folder\n";
  } else {
    sText += FormatPluginStates(theReport);
  }
  if (theReport.iUncheckedForms > 0) {
    sText += "  forms only the game can check (that each is in its plugin file and of the kind its line needs): " +
             std::to_string(theReport.iUncheckedForms) + "\n";
  }
  return sText;
}

nlohmann::json CheckToJson(const CheckReport& theReport) {
  nlohmann::json theJson = {
      {"file", theReport.sFile},
      {"refused", theReport.IsRefused()},
      {"layoutRefused", theReport.IsRefused(kLayout)},
      {"interiorRefused", theReport.IsRefused(kInterior)},
      {"decorItems", theReport.iDecorItems},
      {"stops", FindingsToJson(theReport.theStops, true)},
      {"unlistedIndexErrors", theReport.theUnlisted},
      {"skipped", FindingsToJson(theReport.theSkipped)},
      {"unknownLines", FindingsToJson(theReport.theUnknown)},
      {"needs", theReport.theNeeds},
      {"uncheckedForms", theReport.iUncheckedForms},
  };
  theJson["missing"] = theReport.bWithData ? nlohmann::json(theReport.GetMissing()) : nlohmann::json(nullptr);
  nlohmann::json theStates = nlohmann::json::object();
  for (const auto& [sName, eState] : theReport.theStates) theStates[sName] = GetStateName(eState);
  theJson["pluginStates"] = theReport.bWithData ? theStates : nlohmann::json(nullptr);
  theJson["mastersNotLoaded"] = theReport.theMissingMasters;
  theJson["unreadablePlugins"] = theReport.theUnreadable;
  theJson["wrongWidth"] = FindingsToJson(theReport.theWrongWidth);
  return theJson;
}

std::string FormatNeeds(const std::string& sFile, const std::map<std::string, int>& theNeeds) {
  std::string sText = MakePrintable(sFile) + " needs " + std::to_string(theNeeds.size()) + " plugin files:\n";
  for (const auto& [sName, iCount] : theNeeds) {
    sText += "  " + MakePrintable(sName) + " (" + std::to_string(iCount) +
             (iCount == 1 ? " reference)\n" : " references)\n");
  }
  return sText;
}

std::string FormatSummary(const ShipSummary& theSummary, const ShipNames* theNames) {
  return "Ship: " + MakePrintable(theSummary.sShipName) + "\nDisplay name: " + MakePrintable(theSummary.sDisplayName) +
         "\nExported: " + MakePrintable(theSummary.sExportTime) + " (version " + MakePrintable(theSummary.sVersion) +
         ")\nModules: " + std::to_string(Sum(theSummary.theModulesByPlugin)) + " (" +
         FormatCounts(theSummary.theModulesByPlugin) + ")\n" +
         (theNames != nullptr ? FormatNamedCounts(theNames->theModules, "  ") : "") +
         "Decoration items: " + std::to_string(Sum(theSummary.theDecorByPlugin)) + " (" +
         FormatCounts(theSummary.theDecorByPlugin) + "); " + std::to_string(theSummary.iBuildModeItems) +
         " placed in build mode, " + std::to_string(theSummary.iNamedItems) + " with a name of their own\n" +
         (theNames != nullptr ? FormatNamedCounts(theNames->theDecor, "  ") : "");
}

nlohmann::json SummaryToJson(const ShipSummary& theSummary, const ShipNames* theNames) {
  nlohmann::json theJson = {{"shipName", theSummary.sShipName},
                            {"displayName", theSummary.sDisplayName},
                            {"exportTime", theSummary.sExportTime},
                            {"version", theSummary.sVersion},
                            {"modules", theSummary.theModulesByPlugin},
                            {"decorItems", theSummary.theDecorByPlugin},
                            {"buildModeItems", theSummary.iBuildModeItems},
                            {"namedItems", theSummary.iNamedItems}};
  if (theNames != nullptr) {
    theJson["moduleNames"] = NamedCountsToJson(theNames->theModules);
    theJson["decorNames"] = NamedCountsToJson(theNames->theDecor);
  }
  return theJson;
}

std::string FormatNameDifferences(const ShipNames& theLeft, const ShipNames& theRight) {
  std::string sText;
  for (const auto& [sMark, theOne, theOther] :
       {std::tuple{"< ", &theLeft, &theRight}, std::tuple{"> ", &theRight, &theLeft}}) {
    const std::vector<NamedCount> theModules = SubtractCounts(theOne->theModules, theOther->theModules);
    const std::vector<NamedCount> theDecor = SubtractCounts(theOne->theDecor, theOther->theDecor);
    if (!theModules.empty()) sText += sMark + std::string("modules: ") + JoinCounts(theModules) + "\n";
    if (!theDecor.empty()) sText += sMark + std::string("decoration items: ") + JoinCounts(theDecor) + "\n";
  }
  return sText;
}

std::string FormatDiff(const std::vector<KeyDifference>& theDifferences) {
  std::string sText;
  for (const KeyDifference& theDifference : theDifferences) {
    const std::string sKey = MakePrintableShort(theDifference.sKey, kShownBytes);
    if (theDifference.sLeft)
      sText += "< " + sKey + kValueSeparator + MakePrintableShort(*theDifference.sLeft, kShownBytes) + "\n";
    if (theDifference.sRight)
      sText += "> " + sKey + kValueSeparator + MakePrintableShort(*theDifference.sRight, kShownBytes) + "\n";
  }
  return sText;
}

nlohmann::json DiffToJson(const std::vector<KeyDifference>& theDifferences) {
  nlohmann::json theList = nlohmann::json::array();
  for (const KeyDifference& theDifference : theDifferences) {
    theList.push_back({{"key", theDifference.sKey},
                       {"a", theDifference.sLeft ? nlohmann::json(*theDifference.sLeft) : nlohmann::json(nullptr)},
                       {"b", theDifference.sRight ? nlohmann::json(*theDifference.sRight) : nlohmann::json(nullptr)}});
  }
  return theList;
}

}  // namespace zorvane::shipfile
