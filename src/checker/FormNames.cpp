#include "checker/FormNames.h"

#include <algorithm>
#include <map>

namespace zorvane::shipfile {

std::string NameFormRef(const std::string& sFormRef, const ShipForms& theForms, const PluginCatalog& theCatalog) {
  const std::optional<FormKey> theKey = GetFormKey("|" + sFormRef, theCatalog);
  if (!theKey) return sFormRef;
  const PluginRecord* theRecord = theForms.Find(theKey->sFile, theKey->uLocalID);
  return theRecord == nullptr || theRecord->sEditorID.empty() ? sFormRef : theRecord->sEditorID;
}

std::vector<NamedCount> GroupByName(const std::vector<std::string>& theFormRefs, const ShipForms& theForms,
                                    const PluginCatalog& theCatalog) {
  std::map<std::string, int> theCounts;
  for (const std::string& sFormRef : theFormRefs) ++theCounts[NameFormRef(sFormRef, theForms, theCatalog)];
  std::vector<NamedCount> theGroups;
  for (const auto& [sName, iCount] : theCounts) theGroups.push_back({sName, iCount});
  std::stable_sort(theGroups.begin(), theGroups.end(), [](const NamedCount& theLeft, const NamedCount& theRight) {
    return theLeft.iCount > theRight.iCount;
  });
  return theGroups;
}

std::vector<NamedCount> SubtractCounts(const std::vector<NamedCount>& theLeft,
                                       const std::vector<NamedCount>& theRight) {
  std::vector<NamedCount> theMore;
  for (const NamedCount& theGroup : theLeft) {
    const auto itOther = std::find_if(theRight.begin(), theRight.end(),
                                      [&](const NamedCount& theOther) { return theOther.sName == theGroup.sName; });
    const int iMore = theGroup.iCount - (itOther == theRight.end() ? 0 : itOther->iCount);
    if (iMore > 0) theMore.push_back({theGroup.sName, iMore});
  }
  return theMore;
}

ShipNames NameShipForms(const ShipSummary& theSummary, const ShipForms& theForms, const PluginCatalog& theCatalog) {
  return {GroupByName(theSummary.theModuleForms, theForms, theCatalog),
          GroupByName(theSummary.theDecorForms, theForms, theCatalog)};
}

}  // namespace zorvane::shipfile
