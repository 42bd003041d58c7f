#include "checker/ShipFileSummary.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "forms/ValueParsing.h"
#include "shipfile/ShipFile.h"
#include "shipfile/ShipFileSchema.h"

namespace zorvane::shipfile {
namespace {

// A line's key (the text before " |", or the whole line) and value.
std::pair<std::string, std::string> SplitLine(const std::string& sLine) {
  const std::size_t uBar = sLine.find(kValueSeparator);
  if (uBar == std::string::npos) return {sLine, ""};
  return {sLine.substr(0, uBar), sLine.substr(uBar + std::string_view(kValueSeparator).size())};
}

bool StartsWith(const std::string& sLine, std::string_view sStart) { return sLine.rfind(sStart, 0) == 0; }

// "].key": how a field's key follows its entry's index.
std::string AfterIndex(const char* sKey) { return std::string(1, kIndexClose) + kFieldSeparator + sKey; }

const DecorField& FindDecorField(bool (*Is)(const DecorField&)) {
  return *std::find_if(std::begin(kDecorFields), std::end(kDecorFields), Is);
}

// Whether a key is "<list>[n].<field>" of a field whose value is an address of the game's
// memory: it names nothing outside the game, and two exports of one ship differ in it.
bool IsAddressKey(std::string_view sKey) {
  for (const ElementList& theList : kElementLists) {
    const std::string sStart = theList.sKey + std::string(1, kIndexOpen);
    if (!sKey.starts_with(sStart)) continue;
    for (const ElementField& theField : theList.theFields) {
      const std::string sEnd = AfterIndex(theField.sKey);
      if (theField.eKind != FieldKind::kAddress || sKey.size() <= sStart.size() + sEnd.size() ||
          !sKey.ends_with(sEnd)) {
        continue;
      }
      const std::string_view sIndex = sKey.substr(sStart.size(), sKey.size() - sStart.size() - sEnd.size());
      if (sIndex.find_first_not_of("0123456789") == std::string_view::npos) return true;
    }
  }
  return false;
}

}  // namespace

ShipSummary SummarizeShipFile(const std::vector<std::string>& theLines) {
  static const std::string kModuleItem =
      AfterIndex(std::find_if(std::begin(kModuleFields), std::end(kModuleFields),
                              [](const ElementField& f) { return f.eKind == FieldKind::kForm; })
                     ->sKey) +
      kValueSeparator;
  static const std::string kModules = keys::kBlueprintData + std::string(1, kIndexOpen);
  static const std::string kItems = keys::kDecorItem + std::string(1, kIndexOpen);
  static const std::string kBase =
      AfterIndex(FindDecorField([](const DecorField& f) { return f.bCreates; }).sKey) + kValueSeparator;
  static const std::string kBuildMode = AfterIndex(FindDecorField([](const DecorField& f) { return f.bFlag; }).sKey);
  static const std::string kName =
      AfterIndex(FindDecorField([](const DecorField& f) { return f.eKind == FieldKind::kString && !f.bFlag; }).sKey) +
      kValueSeparator;
  static const std::string kDisplayName = keys::kDisplayName + std::string(kValueSeparator);
  ShipSummary theSummary;
  for (const std::string& sLine : theLines) {
    if (const std::optional<std::string> sName = ReadShipHeaderName(sLine)) {
      theSummary.sShipName = *sName;
    } else if (StartsWith(sLine, kExportTimeStart)) {
      theSummary.sExportTime = sLine.substr(std::string_view(kExportTimeStart).size());
    } else if (StartsWith(sLine, kVersionStart)) {
      theSummary.sVersion = sLine.substr(std::string_view(kVersionStart).size());
    } else if (StartsWith(sLine, kDisplayName)) {
      theSummary.sDisplayName = GetValueText(sLine);
    } else if (StartsWith(sLine, kModules) && sLine.find(kModuleItem) != std::string::npos) {
      ++theSummary.theModulesByPlugin[GetValueText(sLine)];
      theSummary.theModuleForms.push_back(SplitLine(sLine).second);
    } else if (StartsWith(sLine, kItems)) {
      if (sLine.find(kBase) != std::string::npos) {
        ++theSummary.theDecorByPlugin[GetValueText(sLine)];
        theSummary.theDecorForms.push_back(SplitLine(sLine).second);
      }
      if (sLine.find(kBuildMode) != std::string::npos) ++theSummary.iBuildModeItems;
      if (sLine.find(kName) != std::string::npos) ++theSummary.iNamedItems;
    }
  }
  return theSummary;
}

std::vector<KeyDifference> DiffShipFiles(const std::vector<std::string>& theLeft,
                                         const std::vector<std::string>& theRight) {
  auto Collect = [](const std::vector<std::string>& theLines) {
    std::vector<std::pair<std::string, std::string>> theValues;
    for (const std::string& sLine : theLines) {
      if (sLine.empty() || StartsWith(sLine, kExportTimeStart)) continue;
      auto theValue = StartsWith(sLine, kShipHeaderStart)
                          ? std::make_pair(std::string("Ship"), sLine.substr(std::string_view(kShipHeaderStart).size()))
                          : SplitLine(sLine);
      if (!IsAddressKey(theValue.first)) theValues.push_back(std::move(theValue));
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
