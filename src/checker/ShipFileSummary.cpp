#include "checker/ShipFileSummary.h"

#include <regex>
#include <utility>

#include "forms/ValueParsing.h"

namespace zorvane::shipfile {
namespace {

// A line's key (the text before " |", or the whole line) and value.
std::pair<std::string, std::string> SplitLine(const std::string& sLine) {
  const std::size_t uBar = sLine.find(" |");
  if (uBar == std::string::npos) return {sLine, ""};
  return {sLine.substr(0, uBar), sLine.substr(uBar + 2)};
}

}  // namespace

ShipSummary SummarizeShipFile(const std::vector<std::string>& theLines) {
  static const std::regex kShip(R"(^Ship: (.*) \[FormID: [^\]]*\] \[EditorID: [^\]]*\] $)");
  ShipSummary theSummary;
  std::smatch theMatch;
  for (const std::string& sLine : theLines) {
    if (std::regex_match(sLine, theMatch, kShip)) {
      theSummary.sShipName = theMatch[1].str();
    } else if (sLine.rfind("Export time: ", 0) == 0) {
      theSummary.sExportTime = sLine.substr(13);
    } else if (sLine.rfind("Version: ", 0) == 0) {
      theSummary.sVersion = sLine.substr(9);
    } else if (sLine.rfind("DisplayName |", 0) == 0) {
      theSummary.sDisplayName = GetValueText(sLine);
    } else if (sLine.rfind("Blueprint.data[", 0) == 0 && sLine.find("].item |") != std::string::npos) {
      ++theSummary.theModulesByPlugin[GetValueText(sLine)];
    } else if (sLine.rfind("DecorItem[", 0) == 0) {
      if (sLine.find("].base |") != std::string::npos) ++theSummary.theDecorByPlugin[GetValueText(sLine)];
      if (sLine.find("].bWorkshopItem") != std::string::npos) ++theSummary.iBuildModeItems;
      if (sLine.find("].overrideName |") != std::string::npos) ++theSummary.iNamedItems;
    }
  }
  return theSummary;
}

std::vector<KeyDifference> DiffShipFiles(const std::vector<std::string>& theLeft,
                                         const std::vector<std::string>& theRight) {
  auto Collect = [](const std::vector<std::string>& theLines) {
    std::vector<std::pair<std::string, std::string>> theValues;
    for (const std::string& sLine : theLines) {
      if (sLine.empty() || sLine.rfind("Export time: ", 0) == 0) continue;
      theValues.push_back(sLine.rfind("Ship: ", 0) == 0 ? std::make_pair(std::string("Ship"), sLine.substr(6))
                                                        : SplitLine(sLine));
    }
    return theValues;
  };
  const auto theLeftValues = Collect(theLeft);
  const auto theRightValues = Collect(theRight);
  std::map<std::string, std::string> theRightByKey(theRightValues.begin(), theRightValues.end());
  std::map<std::string, std::string> theLeftByKey(theLeftValues.begin(), theLeftValues.end());
  std::vector<KeyDifference> theDifferences;
  for (const auto& [sKey, sValue] : theLeftValues) {
    auto it = theRightByKey.find(sKey);
    if (it == theRightByKey.end()) {
      theDifferences.push_back({sKey, sValue, std::nullopt});
    } else if (it->second != sValue) {
      theDifferences.push_back({sKey, sValue, it->second});
    }
  }
  for (const auto& [sKey, sValue] : theRightValues) {
    if (theLeftByKey.count(sKey) == 0) theDifferences.push_back({sKey, std::nullopt, sValue});
  }
  return theDifferences;
}

}  // namespace zorvane::shipfile
